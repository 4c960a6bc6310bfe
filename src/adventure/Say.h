#pragma once
// Shorthands for the announced lines of the adventure: a message, then a wait for the click.

#include <cstdint>
#include <string>
#include <string_view>

namespace pp {

class Game;

// A plain message and a wait for the click.
void Say(Game& g, std::string_view text);
// A message in `colour` and a wait for the click.
void SayIn(Game& g, std::string_view text, std::string_view colour);
// A number as the game prints it: plain decimal.
inline std::string Num(int32_t n) { return std::to_string(n); }

}  // namespace pp
