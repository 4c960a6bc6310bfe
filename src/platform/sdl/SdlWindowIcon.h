#pragma once
// Gives the window its icon from the data folder's icon file (platform/WindowIcon.h).

#include <SDL.h>

#include <filesystem>

namespace pp {

// Sets `window`'s icon from the BMP at `file`; a missing or unreadable file leaves the window
// without one (a player's own data folder has none).
void SetWindowIconFrom(SDL_Window* window, const std::filesystem::path& file);

}  // namespace pp
