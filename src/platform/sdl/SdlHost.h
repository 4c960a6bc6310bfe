#pragma once
// The window host: the 390 x 260 picture in an SDL window, scaled by a whole number with sharp
// pixels, fullscreen on F11 or Alt+Enter, F12 for a screenshot; the keys the game and its
// additions know reach them as HostKey codes; game controllers are read as keys (SdlGamepad.h).
// Its scale and fullscreen may also be changed while it runs (WindowControls).

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/OutputLevel.h"
#include "platform/WindowControls.h"

namespace pp {

struct SdlHostOptions {
  int scale = 0;  // 0 = the largest factor that fits comfortably on the screen, at least 2
  bool fullscreen = false;
  std::filesystem::path screenshotDir;                      // where F12 writes its pictures
  std::function<void(bool fullscreen)> onFullscreenChange;  // told after each switch, if set
  std::filesystem::path iconFile;  // the window's icon (platform/WindowIcon.h); none if unreadable
  // A line of the window's own notices as the player reads it; unset: as written (Japanese).
  std::function<std::string(const std::string&)> noticeText;
  // The loudness the sound is played at, which the player may change at any time; null: full.
  // It must outlive the host.
  const OutputLevel* outputLevel = nullptr;
};

// Opens the window; nullptr with `error` set when there is no display to open it on.
std::unique_ptr<WindowHost> CreateSdlHost(const SdlHostOptions& options, std::string& error);

}  // namespace pp
