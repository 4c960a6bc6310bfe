#pragma once
// The texts a player sees in the game's automation events (one JSON object a line), each with the
// role it has on the screen. Texts the game joins with CR (the item details, the reset question)
// are taken line by line, as the catalogue lists them.

#include <string>
#include <string_view>
#include <vector>

namespace pp::langpot {

struct ShownText {
  std::string role;  // lang/Roles.h
  std::string text;
};

// The texts of one event line: a message, the choice labels, the item panel's caption and rows,
// the item details, a yes/no question. Empty for other events and for lines that are not JSON.
std::vector<ShownText> TextsOfEvent(std::string_view json);

}  // namespace pp::langpot
