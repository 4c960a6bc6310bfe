#pragma once
// The window host: the 390 x 260 picture in an SDL window, scaled by a whole number with sharp
// pixels, fullscreen on F11 or Alt+Enter, keys 1-3 for the buttons and Space for a click, F12
// for a screenshot, M to mute.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/Host.h"

namespace pp {

struct SdlHostOptions {
  int scale = 0;  // 0 = the largest factor that fits comfortably on the screen, at least 2
  bool fullscreen = false;
  std::filesystem::path screenshotDir;                      // where F12 writes its pictures
  std::function<void(bool fullscreen)> onFullscreenChange;  // told after each switch, if set
};

// Opens the window; nullptr with `error` set when there is no display to open it on.
std::unique_ptr<Host> CreateSdlHost(const SdlHostOptions& options, std::string& error);

}  // namespace pp
