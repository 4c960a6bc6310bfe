#pragma once
// Drawing of the three choice buttons and the "-CLICK HERE-" prompt, once per frame.

#include <cstdint>
#include <string>

#include "gfx/Surface.h"

namespace pp {

class Game;
struct GameState;

// Label and blink counter of button n (1..3).
const std::string& ChoiceLabel(const GameState& s, int n);
int32_t& ChoiceBlink(GameState& s, int n);

// Glow colour of buttons and prompt, cycling over frameCounter mod 12 (#CC9922 .. #FFFF88).
Color ChoiceGlow(int32_t frameCounter);
// One slide step: in toward 0 while the set is enabled, out toward -160 once clicked.
void SlideChoices(GameState& s);
// Slides, then draws the buttons on cg and the prompt on bak. The renderer calls it only
// while the status corner is in.
void DrawChoices(Game& g);

}  // namespace pp
