#include "platform/sdl/SdlHost.h"

#include <SDL.h>

#include <cstdio>
#include <ctime>
#include <system_error>

#include "gfx/Png.h"
#include "gfx/Surface.h"
#include "platform/AudioDevice.h"
#include "platform/TickPump.h"
#include "platform/sdl/SdlAudioDevice.h"
#include "platform/sdl/SdlGamepad.h"
#include "platform/sdl/SdlInput.h"
#include "platform/sdl/SdlMessageBox.h"
#include "platform/sdl/SdlWindow.h"
#include "platform/sdl/SdlWindowIcon.h"
#include "platform/window/ScreenshotName.h"

namespace pp {
namespace {

// The window's title; the frame-rate caption follows it.
constexpr const char* kGameName = "ぱにぱにらん";

// Shuts SDL down when the host goes, after every other member has closed its part.
struct SdlShutdown {
  ~SdlShutdown() { SDL_Quit(); }
};

class SdlHost final : public WindowHost {
 public:
  SdlHost() = default;
  ~SdlHost() override = default;

  bool Open(const SdlHostOptions& options, std::string& error) {
    screenshotDir_ = options.screenshotDir;
    noticeText_ = options.noticeText;
    onFullscreenChange_ = options.onFullscreenChange;
    outputLevel_ = options.outputLevel;
    if (!window_.Open(options.scale, options.fullscreen, error)) return false;
    SetWindowIconFrom(window_.handle(), options.iconFile);
    // Without controller support the keyboard and mouse still play.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0) {
      gamepads_ = std::make_unique<SdlGamepads>();
      if (!gamepads_->AttachTestPad(error)) return false;
    }
    start_ = SDL_GetTicks64();
    return true;
  }

  int64_t NowMs() override { return static_cast<int64_t>(SDL_GetTicks64() - start_); }

  HostEvent WaitEvent() override {
    for (;;) {
      const int64_t now = NowMs();
      if (gamepads_) gamepads_->Update(now, pump_.queue());
      int waitMs = 0;
      if (std::optional<HostEvent> e = pump_.Next(now, waitMs)) {
        if (e->type == HostEvent::Type::Tick) window_.UpdateNotice(now);
        return *e;
      }
      SDL_Event ev;
      // Sleeps until an event or the next tick: the idle game uses almost no processor.
      if (SDL_WaitEventTimeout(&ev, waitMs)) Handle(ev);
    }
  }

  void Present(const Surface& frame) override { window_.Show(frame, NowMs()); }

  bool ConfirmYesNo(const std::string& text) override { return AskYesNo(window_.handle(), text); }

  // The window shows the caption in its title and an error in a message box.
  void Report(const GameEvent& event) override {
    if (const auto* caption = std::get_if<CaptionEvent>(&event))
      window_.SetTitle(std::string(kGameName) + "  " + caption->text);
    else if (const auto* error = std::get_if<ErrorEvent>(&event))
      ShowErrorBox(window_.handle(), error->text);
  }

  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat& format) override {
    return OpenSdlAudioDevice(format, outputLevel_);
  }

  bool Fullscreen() const override { return window_.fullscreen(); }
  void SetFullscreen(bool on) override {
    if (on != window_.fullscreen()) ToggleFullscreen();
  }
  int Scale() const override { return window_.scale(); }
  int LargestScale() const override { return SdlWindow::LargestScale(); }
  void SetScale(int scale) override { window_.SetScale(scale, NowMs()); }

 private:
  void Handle(const SDL_Event& ev) {
    if (ev.type == SDL_WINDOWEVENT) {
      window_.HandleWindowEvent(ev.window, NowMs());
      return;
    }
    if (gamepads_ && gamepads_->Translate(ev, pump_.queue())) return;
    WindowInput input = TranslateInput(ev, window_.layout());
    if (input.event) pump_.Queue(std::move(*input.event));
    switch (input.command) {
      case WindowCommand::kToggleFullscreen:
        ToggleFullscreen();
        break;
      case WindowCommand::kScreenshot:
        SaveScreenshot();
        break;
      case WindowCommand::kNone:
        break;
    }
  }

  // Switches fullscreen and tells whoever asked to know.
  void ToggleFullscreen() {
    const bool before = window_.fullscreen();
    window_.ToggleFullscreen(NowMs());
    if (onFullscreenChange_ && window_.fullscreen() != before)
      onFullscreenChange_(window_.fullscreen());
  }

  // Writes the game's picture (without any notice on it) and says where, or why not.
  void SaveScreenshot() {
    const Surface& frame = window_.shownFrame();
    if (frame.empty()) return;
    std::error_code ec;
    std::filesystem::create_directories(screenshotDir_, ec);
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    const std::filesystem::path path =
        ChooseScreenshotPath(screenshotDir_, local, [](const std::filesystem::path& p) {
          std::error_code e;
          return std::filesystem::exists(p, e) || e;
        });
    if (!ec && SavePng(frame, path)) {
      ShowNotice({"スクリーンショット " + path.filename().string(),
                  "保存先: " + path.parent_path().string()});
      return;
    }
    std::fprintf(stderr, "panipani: cannot write the screenshot %s%s\n", path.string().c_str(),
                 ec ? (" (" + ec.message() + ")").c_str() : "");
    ShowNotice({"スクリーンショットを保存できません", "保存先: " + path.parent_path().string()});
  }

  void ShowNotice(std::vector<std::string> lines) {
    if (noticeText_)
      for (std::string& line : lines) line = noticeText_(line);
    window_.ShowNotice(std::move(lines), NowMs());
  }

  SdlShutdown shutdown_;  // first, so it runs last
  SdlWindow window_;
  uint64_t start_ = 0;
  TickPump pump_;
  std::unique_ptr<SdlGamepads> gamepads_;
  std::filesystem::path screenshotDir_;
  std::function<void(bool)> onFullscreenChange_;
  std::function<std::string(const std::string&)> noticeText_;
  const OutputLevel* outputLevel_ = nullptr;
};

}  // namespace

std::unique_ptr<WindowHost> CreateSdlHost(const SdlHostOptions& options, std::string& error) {
  auto host = std::make_unique<SdlHost>();
  if (!host->Open(options, error)) return nullptr;
  return host;
}

}  // namespace pp
