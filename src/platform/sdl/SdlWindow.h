#pragma once
// The game's window: opened only on a real display, it shows the 390 x 260 picture at a whole
// scale with sharp pixels, redrawing only what changed since the frame shown before, and goes
// fullscreen with or without a window manager.

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "gfx/Notice.h"
#include "gfx/Surface.h"
#include "gfx/Text.h"
#include "platform/window/PictureLayout.h"

namespace pp {

class SdlWindow {
 public:
  SdlWindow() = default;
  ~SdlWindow();
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  // Initialises SDL's video and opens the window at `scale` (0: the largest that fits the
  // screen comfortably, at least 2). False with `error` set when there is no display: X11 or
  // Wayland unless SDL_VIDEODRIVER names another driver on purpose.
  bool Open(int scale, bool fullscreen, std::string& error);

  // Shows `frame` (the game keeps its own); only the part that differs from the frame shown
  // before is drawn. `nowMs` times the notice over it.
  void Show(const Surface& frame, int64_t nowMs);
  // Draws the window's whole content again (after it was uncovered or resized).
  void Repaint(int64_t nowMs);
  // Redraws the notice while it fades; a no-op when none is on screen.
  void UpdateNotice(int64_t nowMs);
  // Shows a notice of a few lines over the picture (never in the game's frame).
  void ShowNotice(std::vector<std::string> lines, int64_t nowMs);
  // Handles SDL's window events (exposed, resized).
  void HandleWindowEvent(const SDL_WindowEvent& ev, int64_t nowMs);

  void ToggleFullscreen(int64_t nowMs);
  // Sizes the window for `scale` (0 as in Open), centred where it is; while fullscreen, for when
  // it leaves it.
  void SetScale(int scale, int64_t nowMs);
  // The scale asked for (0: the comfortable one).
  int scale() const { return scale_; }
  // The largest whole scale at which the picture fits the screen's usable area (at least 1).
  static int LargestScale();
  // True while the window is fullscreen (or, without a window manager, covers the screen).
  bool fullscreen() const;
  void SetTitle(const std::string& text);

  SDL_Window* handle() const { return window_; }
  const PictureLayout& layout() const { return layout_; }
  // The last frame shown, as the game drew it.
  const Surface& shownFrame() const { return shown_; }

 private:
  static int ComfortableScale();
  // True unless the window is on X11 with no window manager running (which would ignore a
  // request for fullscreen).
  bool HasWindowManager() const;
  // Scales the picture's `area` (with the notice on it) into the window and sends it.
  void Draw(Rect area, int64_t nowMs, bool clearBorders);
  // The font of the notices, opened on first use; nullptr when none can be opened.
  TextRenderer* NoticeFont();
  // The part of the picture the notice covers; empty without a font for it.
  Rect NoticeArea();

  SDL_Window* window_ = nullptr;
  int scale_ = 0;
  PictureLayout layout_;
  Surface shown_;     // the game's frame as last shown
  Surface composed_;  // what the window shows: the frame with the notice on it
  Notice notice_{Notice::Style{}};
  std::unique_ptr<TextRenderer> noticeFont_;  // opened on the first notice
  bool noticeFontFailed_ = false;
  bool noticeOnScreen_ = false;
  int drawnStrength_ = 0;
  // Fullscreen without a window manager: the window itself covers the screen.
  bool coveringScreen_ = false;
  SDL_Rect windowed_{};
};

}  // namespace pp
