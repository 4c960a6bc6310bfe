#pragma once
// Drawing the item panel over the finished picture.

#include <string>
#include <string_view>
#include <vector>

#include "gfx/GlyphSource.h"

namespace pp {

class Game;

// Draws the shown panel onto cg at (152, 0); the last step of a frame. Nothing when hidden.
void DrawItemPanel(Game& g);
// The description split at '\r' and wrapped to the description area's width, as drawn in `face`.
std::vector<std::string> WrapDetails(Game& g, std::string_view text, Face face = Face::Japanese);

}  // namespace pp
