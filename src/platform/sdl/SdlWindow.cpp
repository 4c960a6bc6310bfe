#include "platform/sdl/SdlWindow.h"

#include <SDL_syswm.h>

#include <algorithm>
#include <cstring>
#include <exception>

#include "platform/window/FrameChange.h"

namespace pp {
namespace {

constexpr const char* kHeadlessHint = "; run with --headless for the headless mode";

Rect Union(Rect a, Rect b) {
  return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

// SDL's drivers for the displays this session names: X11 before Wayland, as SDL orders them.
std::string DisplayDrivers() {
  auto named = [](const char* variable) {
    const char* value = SDL_getenv(variable);
    return value && *value;
  };
  std::string drivers = named("DISPLAY") ? "x11" : "";
  if (named("WAYLAND_DISPLAY")) drivers += drivers.empty() ? "wayland" : ",wayland";
  return drivers;
}

int IgnoreXError(Display*, XErrorEvent*) { return 0; }

// The window that `holder` names in its _NET_SUPPORTING_WM_CHECK property, or None.
::Window SupportingWindow(Display* display, ::Window holder, Atom check) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  ::Window named = None;
  if (XGetWindowProperty(display, holder, check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                         &after, &data) == Success &&
      data && count == 1 && format == 32)
    named = *reinterpret_cast<::Window*>(data);
  if (data) XFree(data);
  return named;
}

}  // namespace

SdlWindow::~SdlWindow() {
  if (window_) SDL_DestroyWindow(window_);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool SdlWindow::Open(int scale, bool fullscreen, std::string& error) {
  // Left to itself SDL falls back to an off-screen driver and the game would run unseen: only a
  // display the session names is tried, unless the player names a driver on purpose.
  const char* chosen = SDL_getenv("SDL_VIDEODRIVER");
  if (!chosen || !*chosen) {
    const std::string drivers = DisplayDrivers();
    if (drivers.empty()) {
      error = std::string(
                  "cannot open a window: no display (DISPLAY and WAYLAND_DISPLAY are "
                  "unset)") +
              kHeadlessHint;
      return false;
    }
    SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
  }
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error =
        std::string("cannot open a window: no display (") + SDL_GetError() + ")" + kHeadlessHint;
    return false;
  }
  // On X11 the window's pixels go straight to the server; the default would start OpenGL
  // (slow to open, and costly per frame on a display without a graphics card).
  if (std::strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0)
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  scale_ = scale;
  const int s = scale > 0 ? scale : ComfortableScale();
  window_ = SDL_CreateWindow("ぱにぱにらん", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             kPictureWidth * s, kPictureHeight * s, 0);
  if (!window_) {
    error = std::string("cannot open a window (") + SDL_GetError() + ")" + kHeadlessHint;
    return false;
  }
  if (!SDL_GetWindowSurface(window_)) {
    error = std::string("cannot draw in the window: ") + SDL_GetError();
    return false;
  }
  if (fullscreen) ToggleFullscreen(0);
  return true;
}

void SdlWindow::Show(const Surface& frame, int64_t nowMs) {
  const std::optional<Rect> changed = ChangedArea(shown_, frame);
  if (!changed) return;
  shown_ = frame;
  Draw(*changed, nowMs, false);
}

void SdlWindow::Repaint(int64_t nowMs) {
  if (shown_.empty()) return;
  Draw(Rect{0, 0, shown_.width(), shown_.height()}, nowMs, true);
}

void SdlWindow::ShowNotice(std::vector<std::string> lines, int64_t nowMs) {
  if (noticeOnScreen_) {
    // The band of the old notice may be taller than the new one's.
    noticeOnScreen_ = false;
    Draw(NoticeArea(), nowMs, false);
  }
  notice_.Show(std::move(lines), nowMs);
  UpdateNotice(nowMs);
}

void SdlWindow::UpdateNotice(int64_t nowMs) {
  const int strength = notice_.Strength(nowMs);
  if (shown_.empty() || (strength == drawnStrength_ && (strength > 0) == noticeOnScreen_)) return;
  Draw(NoticeArea(), nowMs, false);
}

void SdlWindow::HandleWindowEvent(const SDL_WindowEvent& ev, int64_t nowMs) {
  if (ev.event == SDL_WINDOWEVENT_EXPOSED || ev.event == SDL_WINDOWEVENT_SIZE_CHANGED)
    Repaint(nowMs);
}

void SdlWindow::Draw(Rect area, int64_t nowMs, bool clearBorders) {
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (!surface || shown_.empty()) return;
  const PictureLayout fitted = FitPicture(surface->w, surface->h);
  if (fitted.scale != layout_.scale || fitted.left != layout_.left || fitted.top != layout_.top) {
    layout_ = fitted;
    clearBorders = true;
  }
  if (clearBorders) area = Rect{0, 0, shown_.width(), shown_.height()};

  const int strength = notice_.Strength(nowMs);
  composed_ = shown_;
  TextRenderer* font = NoticeFont();
  if (font && (strength > 0 || noticeOnScreen_)) {
    area = Union(area, notice_.Area(shown_.width(), shown_.height(), *font));
    if (strength > 0) notice_.DrawOnto(composed_, *font, nowMs);
  }
  noticeOnScreen_ = strength > 0;
  drawnStrength_ = strength;

  const int s = layout_.scale;
  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
  if (clearBorders) SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
  const SDL_Rect target{layout_.left + area.left * s, layout_.top + area.top * s,
                        (area.right - area.left) * s, (area.bottom - area.top) * s};
  const Uint32 format = surface->format->format;
  if (format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888) {
    // The picture's own pixel layout: each pixel repeated s times across, each row s times down.
    auto* pixels = static_cast<uint8_t*>(surface->pixels);
    const size_t rowBytes = static_cast<size_t>(target.w) * 4;
    for (int y = area.top; y < area.bottom; ++y) {
      const uint32_t* src = composed_.data() + static_cast<size_t>(y) * composed_.width();
      auto* first = reinterpret_cast<uint32_t*>(pixels + static_cast<size_t>(layout_.top + y * s) *
                                                             surface->pitch) +
                    target.x;
      uint32_t* out = first;
      for (int x = area.left; x < area.right; ++x) out = std::fill_n(out, s, src[x] | 0xFF000000u);
      for (int k = 1; k < s; ++k)
        std::memcpy(reinterpret_cast<uint8_t*>(first) + static_cast<size_t>(k) * surface->pitch,
                    first, rowBytes);
    }
  } else {
    // Any other window format: SDL converts while it scales.
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    SDL_Surface* picture =
        SDL_CreateRGBSurfaceWithFormatFrom(composed_.data(), composed_.width(), composed_.height(),
                                           32, composed_.width() * 4, SDL_PIXELFORMAT_RGB888);
    if (picture) {
      SDL_Rect from{area.left, area.top, area.right - area.left, area.bottom - area.top};
      SDL_Rect to = target;
      SDL_BlitScaled(picture, &from, surface, &to);
      SDL_FreeSurface(picture);
    }
  }
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  if (clearBorders)
    SDL_UpdateWindowSurface(window_);
  else
    SDL_UpdateWindowSurfaceRects(window_, &target, 1);
}

Rect SdlWindow::NoticeArea() {
  TextRenderer* font = NoticeFont();
  return font ? notice_.Area(shown_.width(), shown_.height(), *font) : Rect{};
}

TextRenderer* SdlWindow::NoticeFont() {
  if (!noticeFont_ && !noticeFontFailed_) {
    try {
      noticeFont_ = std::make_unique<TextRenderer>();
    } catch (const std::exception&) {
      noticeFontFailed_ = true;  // the notice is then left out; its text went to stderr too
    }
  }
  return noticeFont_.get();
}

void SdlWindow::ToggleFullscreen(int64_t nowMs) {
  if (coveringScreen_) {
    SDL_SetWindowSize(window_, windowed_.w, windowed_.h);
    SDL_SetWindowPosition(window_, windowed_.x, windowed_.y);
    coveringScreen_ = false;
  } else if (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) {
    SDL_SetWindowFullscreen(window_, 0);
  } else if (HasWindowManager()) {
    if (SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
      ShowNotice({"全画面にできません", SDL_GetError()}, nowMs);
  } else {
    // No window manager would act on the request: the window covers the screen itself.
    SDL_Rect screen;
    if (SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(window_)), &screen) != 0) {
      ShowNotice({"全画面にできません", SDL_GetError()}, nowMs);
      return;
    }
    SDL_GetWindowPosition(window_, &windowed_.x, &windowed_.y);
    SDL_GetWindowSize(window_, &windowed_.w, &windowed_.h);
    SDL_SetWindowPosition(window_, screen.x, screen.y);
    SDL_SetWindowSize(window_, screen.w, screen.h);
    SDL_RaiseWindow(window_);
    coveringScreen_ = true;
  }
  Repaint(nowMs);
}

void SdlWindow::SetScale(int scale, int64_t nowMs) {
  scale_ = scale;
  const int s = scale > 0 ? scale : ComfortableScale();
  const int width = kPictureWidth * s, height = kPictureHeight * s;
  if (coveringScreen_) {
    windowed_.w = width;
    windowed_.h = height;
    return;
  }
  // A fullscreen window keeps the size for when it leaves fullscreen.
  SDL_SetWindowSize(window_, width, height);
  if (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) return;
  const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
  SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                        SDL_WINDOWPOS_CENTERED_DISPLAY(display));
  Repaint(nowMs);
}

bool SdlWindow::fullscreen() const {
  return coveringScreen_ || (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0;
}

void SdlWindow::SetTitle(const std::string& text) { SDL_SetWindowTitle(window_, text.c_str()); }

int SdlWindow::ComfortableScale() {
  SDL_Rect usable;
  int scale = 2;
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0) {
    // Leave room for the window frame and the desktop's panels.
    int fit = std::min(usable.w * 9 / 10 / kPictureWidth, usable.h * 85 / 100 / kPictureHeight);
    scale = std::max(2, fit);
  }
  return scale;
}

int SdlWindow::LargestScale() {
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return ComfortableScale();
  return std::max(1, std::min(usable.w / kPictureWidth, usable.h / kPictureHeight));
}

bool SdlWindow::HasWindowManager() const {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window_, &info) || info.subsystem != SDL_SYSWM_X11) return true;
  Display* display = info.info.x11.display;
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  // A window manager names its own window on the root and on that window; a stale name left
  // by one that has gone points at a window that no longer exists.
  XSync(display, False);
  auto previous = XSetErrorHandler(IgnoreXError);
  const ::Window named = SupportingWindow(display, DefaultRootWindow(display), check);
  const bool running = named != None && SupportingWindow(display, named, check) == named;
  XSync(display, False);
  XSetErrorHandler(previous);
  return running;
}

}  // namespace pp
