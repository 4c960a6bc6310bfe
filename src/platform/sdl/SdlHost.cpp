#include "platform/sdl/SdlHost.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <deque>

#include "gfx/Png.h"
#include "gfx/Surface.h"
#include "platform/AudioDevice.h"
#include "platform/sdl/SdlAudioDevice.h"

namespace pp {
namespace {

constexpr int kPictureWidth = 390;
constexpr int kPictureHeight = 260;
constexpr int64_t kTickMs = 20;

// Where Space clicks: on the picture, away from the buttons.
constexpr int kPictureClickX = 100, kPictureClickY = 100;

HostEvent MouseEvent(HostEvent::Type type, int x, int y) {
  HostEvent e;
  e.type = type;
  e.x = x;
  e.y = y;
  return e;
}

HostEvent TypedEvent(HostEvent::Type type) {
  HostEvent e;
  e.type = type;
  return e;
}

HostEvent KeyEvent(int code) {
  HostEvent e;
  e.type = HostEvent::Type::Key;
  e.value = code;
  return e;
}

class SdlHost final : public Host {
 public:
  SdlHost() = default;
  ~SdlHost() override {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    SDL_Quit();
  }

  bool Open(const SdlHostOptions& options, std::string& error) {
    screenshotDir_ = options.screenshotDir;
    onFullscreenChange_ = options.onFullscreenChange;
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
      error = std::string("cannot open a window (") + SDL_GetError() +
              "); run with --headless for the headless mode";
      return false;
    }
    int scale = options.scale > 0 ? options.scale : ComfortableScale();
    window_ =
        SDL_CreateWindow("ぱにぱにらん", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                         kPictureWidth * scale, kPictureHeight * scale, SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) {
      error = std::string("cannot open a window (") + SDL_GetError() +
              "); run with --headless for the headless mode";
      return false;
    }
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
      error = std::string("cannot draw in the window: ") + SDL_GetError();
      return false;
    }
    SDL_RenderSetLogicalSize(renderer_, kPictureWidth, kPictureHeight);
    SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                 kPictureWidth, kPictureHeight);
    if (!texture_) {
      error = std::string("cannot draw in the window: ") + SDL_GetError();
      return false;
    }
    if (options.fullscreen) ToggleFullscreen();
    start_ = SDL_GetTicks64();
    nextTick_ = kTickMs;
    return true;
  }

  int64_t NowMs() override { return static_cast<int64_t>(SDL_GetTicks64() - start_); }

  HostEvent WaitEvent() override {
    for (;;) {
      if (!queued_.empty()) {
        HostEvent e = std::move(queued_.front());
        queued_.pop_front();
        return e;
      }
      int64_t now = NowMs();
      if (now >= nextTick_) {
        // A late tick is not made up for: the timer fires once and takes up the 20 ms grid.
        nextTick_ = std::max(nextTick_ + kTickMs, now + 1);
        return HostEvent{};
      }
      SDL_Event ev;
      // Sleeps until an event or the next tick: the idle game uses almost no processor.
      if (SDL_WaitEventTimeout(&ev, static_cast<int>(nextTick_ - now))) Translate(ev);
    }
  }

  void Present(const Surface& frame) override {
    lastFrame_ = frame;
    SDL_UpdateTexture(texture_, nullptr, frame.data(), frame.width() * 4);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
  }

  void SetCaption(const std::string& text) override { SDL_SetWindowTitle(window_, text.c_str()); }

  bool ConfirmYesNo(const std::string& text) override {
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0,
         "いいえ(N)"},
        {0, 1, "はい(Y)"},
    };
    SDL_MessageBoxData box{};
    box.flags = SDL_MESSAGEBOX_WARNING;
    box.window = window_;
    box.title = "ぱにぱにらん";
    box.message = text.c_str();
    box.numbuttons = 2;
    box.buttons = buttons;
    int pressed = -1;
    // Closing the box reports -1: that, Escape and Enter all count as No.
    if (SDL_ShowMessageBox(&box, &pressed) != 0) return false;
    return pressed == 1;
  }

  void ShowError(const std::string& text) override {
    std::fprintf(stderr, "panipani: %s\n", text.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "ぱにぱにらん", text.c_str(), window_);
  }

  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat& format) override {
    return OpenSdlAudioDevice(format);
  }

 private:
  static int ComfortableScale() {
    SDL_Rect usable;
    int scale = 2;
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0) {
      // Leave room for the window frame and the desktop's panels.
      int fit = std::min(usable.w * 9 / 10 / kPictureWidth, usable.h * 85 / 100 / kPictureHeight);
      scale = std::max(2, fit);
    }
    return scale;
  }

  void ToggleFullscreen() {
    bool full = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
    if (SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) == 0 &&
        onFullscreenChange_)
      onFullscreenChange_(!full);
  }

  void SaveScreenshot() {
    if (lastFrame_.empty()) return;
    char name[64];
    std::time_t t = std::time(nullptr);
    std::strftime(name, sizeof name, "panipani-%Y%m%d-%H%M%S.png", std::localtime(&t));
    std::filesystem::path path = screenshotDir_ / name;
    std::error_code ec;
    std::filesystem::create_directories(screenshotDir_, ec);
    if (!SavePng(lastFrame_, path))
      std::fprintf(stderr, "panipani: cannot write the screenshot %s\n", path.string().c_str());
  }

  void Translate(const SDL_Event& ev) {
    switch (ev.type) {
      case SDL_QUIT:
        queued_.push_back(TypedEvent(HostEvent::Type::Close));
        break;
      case SDL_MOUSEBUTTONDOWN:
        queued_.push_back(MouseEvent(HostEvent::Type::MouseDown, ev.button.x, ev.button.y));
        break;
      case SDL_MOUSEBUTTONUP:
        queued_.push_back(MouseEvent(HostEvent::Type::MouseUp, ev.button.x, ev.button.y));
        break;
      case SDL_MOUSEMOTION:
        queued_.push_back(MouseEvent(HostEvent::Type::MouseMove, ev.motion.x, ev.motion.y));
        break;
      case SDL_MOUSEWHEEL: {
        HostEvent e;
        e.type = HostEvent::Type::Wheel;
        e.value = ev.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -ev.wheel.y : ev.wheel.y;
        queued_.push_back(e);
        break;
      }
      case SDL_KEYDOWN:
        TranslateKey(ev.key);
        break;
      default:
        if (ev.type == SdlAudioDoneEventType())
          queued_.push_back(TypedEvent(HostEvent::Type::AudioDone));
        break;
    }
  }

  void TranslateKey(const SDL_KeyboardEvent& key) {
    const SDL_Keycode sym = key.keysym.sym;
    const bool alt = (key.keysym.mod & KMOD_ALT) != 0;
    if (sym == SDLK_F11 || (alt && (sym == SDLK_RETURN || sym == SDLK_KP_ENTER))) {
      if (!key.repeat) ToggleFullscreen();
      return;
    }
    if (sym == SDLK_F12) {
      if (!key.repeat) SaveScreenshot();
      return;
    }
    switch (sym) {
      case SDLK_1:
      case SDLK_2:
      case SDLK_3: {
        if (key.repeat) return;
        // The button itself is pressed; the pointer stays where it is.
        HostEvent e = TypedEvent(HostEvent::Type::Choose);
        e.value = 1 + (sym - SDLK_1);
        queued_.push_back(e);
        return;
      }
      case SDLK_SPACE:
        if (!key.repeat)
          queued_.push_back(MouseEvent(HostEvent::Type::MouseDown, kPictureClickX, kPictureClickY));
        return;
      case SDLK_RETURN:
      case SDLK_KP_ENTER:
        if (!key.repeat) queued_.push_back(KeyEvent(HostKey::kEnter));
        return;
      case SDLK_m:
        if (!key.repeat) queued_.push_back(KeyEvent(kMuteKey));
        return;
      case SDLK_UP:
        queued_.push_back(KeyEvent(HostKey::kUp));
        return;
      case SDLK_DOWN:
        queued_.push_back(KeyEvent(HostKey::kDown));
        return;
      default:
        return;
    }
  }

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  uint64_t start_ = 0;
  int64_t nextTick_ = 0;
  std::deque<HostEvent> queued_;
  Surface lastFrame_;
  std::filesystem::path screenshotDir_;
  std::function<void(bool)> onFullscreenChange_;
};

}  // namespace

std::unique_ptr<Host> CreateSdlHost(const SdlHostOptions& options, std::string& error) {
  auto host = std::make_unique<SdlHost>();
  if (!host->Open(options, error)) return nullptr;
  return host;
}

}  // namespace pp
