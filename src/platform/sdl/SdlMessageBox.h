#pragma once
// The desktop's message boxes over the game's window, their text laid out to fit it.

#include <SDL.h>

#include <string>

namespace pp {

// Asks `text` with いいえ(N) as the default; Enter, Escape and closing the box answer No.
bool AskYesNo(SDL_Window* window, const std::string& text);
// Shows an error box (and the line on standard error).
void ShowErrorBox(SDL_Window* window, const std::string& text);

}  // namespace pp
