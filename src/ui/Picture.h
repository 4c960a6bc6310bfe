#pragma once

#include <string_view>

namespace pp {

class Game;

// Loads cg/fileName as the scene picture; on any failure the previous picture stays.
void ShowPicture(Game& g, std::string_view fileName);

}  // namespace pp
