#pragma once
// The rising message lines and the click wait.

#include <cstdint>
#include <string_view>

namespace pp {

class Game;

// Overwrites the next ring slot (index wraps 49 -> 0) with a new entry of age 1.
void PushOverlayText(Game& g, int32_t x, int32_t y, std::string_view text, int32_t kind);
// Plays "moji.wav" on channel 1, pushes a plain line at (5, 245) and lifts every live message
// by 10. Does nothing in silent mode.
void AddMessage(Game& g, std::string_view text);
// As AddMessage, coloured by name ("green" .. "blue2"); an unknown name gives a plain line.
void AddColorMessage(Game& g, std::string_view text, std::string_view colourName);
// Waits for a click in a nested event loop while frames keep being drawn. Returns at once in
// silent mode or when the window is closing.
void WaitForClick(Game& g);
// A click: ends a wait (playing "1.wav" on channel 2 if one was open).
void ClickAdvance(Game& g);

}  // namespace pp
