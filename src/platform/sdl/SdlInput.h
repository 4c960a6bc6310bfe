#pragma once
// The window's keyboard and mouse as the game's events: the mouse in picture coordinates, the
// keys the game and its additions know as HostKey codes (the number keys 1-3 too: the additions
// turn them into a press of the button shown in that place), and the keys the window answers
// itself (fullscreen, screenshot). Game controllers are read apart (SdlGamepad.h).

#include <SDL.h>

#include <optional>

#include "platform/Host.h"
#include "platform/window/PictureLayout.h"

namespace pp {

// What the window itself does for a key, instead of passing an event to the game.
enum class WindowCommand { kNone, kToggleFullscreen, kScreenshot };

struct WindowInput {
  std::optional<HostEvent> event;  // for the game
  WindowCommand command = WindowCommand::kNone;
};

// Translates one SDL event; mouse positions are mapped through `layout` (a point on the border
// around the picture counts as the nearest edge of the picture).
WindowInput TranslateInput(const SDL_Event& ev, const PictureLayout& layout);

}  // namespace pp
