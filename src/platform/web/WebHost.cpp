#include "platform/web/WebHost.h"

#include <emscripten.h>

#include <functional>
#include <vector>

#include "automation/CommandEncoder.h"
#include "gfx/Surface.h"
#include "platform/AudioDevice.h"
#include "platform/TickPump.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/web/CanvasMapping.h"
#include "platform/web/WebAudioDevice.h"
#include "platform/web/WebPage.h"

namespace pp {
namespace {

// How long an automation page waits for its next command before looking again.
constexpr int kIdleWaitMs = 1000;

HostEvent TypedEvent(HostEvent::Type type, int value = 0) {
  HostEvent e;
  e.type = type;
  e.value = value;
  return e;
}

HostEvent PointerEvent(const PageInput& input) {
  HostEvent e;
  e.type = input.phase == PageInput::Phase::Down   ? HostEvent::Type::MouseDown
           : input.phase == PageInput::Phase::Move ? HostEvent::Type::MouseMove
                                                   : HostEvent::Type::MouseUp;
  const PicturePoint p = ToPicture(input.x, input.y, input.w, input.h);
  e.x = p.x;
  e.y = p.y;
  return e;
}

class WebHost final : public Host {
 public:
  WebHost() : start_(emscripten_get_now()) {}

  int64_t NowMs() override { return static_cast<int64_t>(emscripten_get_now() - start_); }

  HostEvent WaitEvent() override {
    if (!started_) {
      started_ = true;
      // The page's turn between the start-up's last piece (the title and the save) and the
      // first frame, which the first event draws.
      LetThePageRun();
      ReportGameStarted();
    }
    for (;;) {
      int waitMs = 0;
      if (std::optional<HostEvent> e = pump_.Next(NowMs(), waitMs)) return *e;
      WaitForPageInput(waitMs);
      while (std::optional<PageInput> input = TakePageInput()) Translate(*input);
    }
  }

  void Present(const Surface& frame) override { ShowFrameOnPage(frame.data(), rgba_); }

  // The page's dialog is modal as the window's message box is: the timer and the pointer wait
  // while it is open, finished sound blocks are kept for afterwards.
  bool ConfirmYesNo(const std::string& text) override {
    OpenPageQuestion(text);
    for (;;) {
      WaitForPageInput(kIdleWaitMs);
      while (std::optional<PageInput> input = TakePageInput()) {
        if (input->kind == PageInput::Kind::Answer) {
          pump_.ResumeAt(NowMs());
          return input->value == 1;
        }
        if (input->kind == PageInput::Kind::AudioDone)
          pump_.Queue(TypedEvent(HostEvent::Type::AudioDone));
      }
    }
  }

  // The page shows the caption as its title and an error in its notes; its text panel hears of
  // the game's other events from the additions (PageTextFeed), in the language the player reads.
  void Report(const GameEvent& event) override {
    if (const auto* caption = std::get_if<CaptionEvent>(&event))
      SetPageTitle(caption->text);
    else if (const auto* error = std::get_if<ErrorEvent>(&event))
      ShowPageError(error->text);
  }

  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat& format) override {
    return OpenWebAudioDevice(format);
  }

 private:
  void Translate(const PageInput& input) {
    switch (input.kind) {
      case PageInput::Kind::Pointer:
        pump_.Queue(PointerEvent(input));
        break;
      case PageInput::Kind::Key:
        pump_.Queue(TypedEvent(
            input.phase == PageInput::Phase::Up ? HostEvent::Type::KeyUp : HostEvent::Type::Key,
            input.value));
        break;
      case PageInput::Kind::Choose:
        pump_.Queue(TypedEvent(HostEvent::Type::Choose, input.value));
        break;
      case PageInput::Kind::AudioDone:
        pump_.Queue(TypedEvent(HostEvent::Type::AudioDone));
        break;
      case PageInput::Kind::Wheel:
        pump_.Queue(TypedEvent(HostEvent::Type::Wheel, input.value));
        break;
      case PageInput::Kind::Answer:  // no question is open
      case PageInput::Kind::Line:    // no automation on this page
        break;
    }
  }

  double start_;
  bool started_ = false;
  TickPump pump_;
  std::vector<uint32_t> rgba_;
};

// The page's input as automation command lines; nullopt never comes (the page does not end).
std::optional<std::string> NextCommandLine() {
  for (;;) {
    while (std::optional<PageInput> input = TakePageInput()) {
      std::optional<std::string> line;
      switch (input->kind) {
        case PageInput::Kind::Line:
          return input->text;
        case PageInput::Kind::Pointer:
          line = CommandLineFor(PointerEvent(*input));
          break;
        case PageInput::Kind::Choose:
          line = CommandLineFor(TypedEvent(HostEvent::Type::Choose, input->value));
          break;
        case PageInput::Kind::Wheel:
          line = CommandLineFor(TypedEvent(HostEvent::Type::Wheel, input->value));
          break;
        case PageInput::Kind::Key:
          line = CommandLineFor(TypedEvent(
              input->phase == PageInput::Phase::Up ? HostEvent::Type::KeyUp : HostEvent::Type::Key,
              input->value));
          break;
        case PageInput::Kind::AudioDone:  // the automation host plays no sound
        case PageInput::Kind::Answer:
          break;
      }
      if (line) return line;
    }
    WaitForPageInput(kIdleWaitMs);
  }
}

// The automation page's host: the headless host, whose every report `observe` sees as well.
class ObservedAutomationHost final : public Host {
 public:
  ObservedAutomationHost(std::unique_ptr<HeadlessHost> inner,
                         std::function<void(const GameEvent&)> observe)
      : inner_(std::move(inner)), observe_(std::move(observe)) {}

  int64_t NowMs() override { return inner_->NowMs(); }
  HostEvent WaitEvent() override { return inner_->WaitEvent(); }
  void Present(const Surface& frame) override { inner_->Present(frame); }
  bool ConfirmYesNo(const std::string& text) override { return inner_->ConfirmYesNo(text); }
  void Report(const GameEvent& event) override {
    inner_->Report(event);
    observe_(event);
  }
  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat& format) override {
    return inner_->OpenAudioDevice(format);
  }

 private:
  std::unique_ptr<HeadlessHost> inner_;
  std::function<void(const GameEvent&)> observe_;
};

}  // namespace

std::unique_ptr<Host> CreateWebHost() { return std::make_unique<WebHost>(); }

// The headless host with the page as its terminal, and the canvas showing its frames.
std::unique_ptr<Host> CreateWebAutomationHost(bool autoClick,
                                              std::function<void(const GameEvent&)> observe) {
  auto started = std::make_shared<bool>(false);
  auto rgba = std::make_shared<std::vector<uint32_t>>();
  auto headless = std::make_unique<HeadlessHost>(
      [started]() -> std::optional<std::string> {
        if (!*started) {
          *started = true;
          ReportGameStarted();
        }
        return NextCommandLine();
      },
      [](std::string_view json) { SendPageEvent(json); }, autoClick,
      [rgba](const Surface& frame) { ShowFrameOnPage(frame.data(), *rgba); });
  return std::make_unique<ObservedAutomationHost>(std::move(headless), std::move(observe));
}

}  // namespace pp
