#include "platform/web/WebHost.h"

#include <emscripten.h>

#include <algorithm>
#include <deque>
#include <vector>

#include "gfx/Surface.h"
#include "platform/AudioDevice.h"
#include "platform/headless/CommandScript.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/web/CanvasMapping.h"
#include "platform/web/WebAudioDevice.h"
#include "platform/web/WebPage.h"

namespace pp {
namespace {

constexpr int64_t kTickMs = 20;
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
      ReportGameStarted();
    }
    for (;;) {
      if (!queued_.empty()) {
        HostEvent e = std::move(queued_.front());
        queued_.pop_front();
        return e;
      }
      const int64_t now = NowMs();
      if (now >= nextTick_) {
        // A late tick is not made up for: the timer fires once and takes up the 20 ms grid.
        nextTick_ = std::max(nextTick_ + kTickMs, now + 1);
        return HostEvent{};
      }
      WaitForPageInput(static_cast<int>(nextTick_ - now));
      while (std::optional<PageInput> input = TakePageInput()) Translate(*input);
    }
  }

  void Present(const Surface& frame) override { ShowFrameOnPage(frame.data(), rgba_); }
  void SetCaption(const std::string& text) override { SetPageTitle(text); }

  // The page's dialog is modal as the window's message box is: the timer and the pointer wait
  // while it is open, finished sound blocks are kept for afterwards.
  bool ConfirmYesNo(const std::string& text) override {
    OpenPageQuestion(text);
    for (;;) {
      WaitForPageInput(kIdleWaitMs);
      while (std::optional<PageInput> input = TakePageInput()) {
        if (input->kind == PageInput::Kind::Answer) {
          nextTick_ = std::max(nextTick_, NowMs());
          return input->value == 1;
        }
        if (input->kind == PageInput::Kind::AudioDone)
          queued_.push_back(TypedEvent(HostEvent::Type::AudioDone));
      }
    }
  }

  void ShowError(const std::string& text) override { ShowPageError(text); }
  // The page's text panel reads the same events as automation does.
  void Trace(std::string_view jsonObject) override { SendPageEvent(jsonObject); }

  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat& format) override {
    return OpenWebAudioDevice(format);
  }

 private:
  void Translate(const PageInput& input) {
    switch (input.kind) {
      case PageInput::Kind::Pointer:
        queued_.push_back(PointerEvent(input));
        break;
      case PageInput::Kind::Key:
        queued_.push_back(TypedEvent(
            input.phase == PageInput::Phase::Up ? HostEvent::Type::KeyUp : HostEvent::Type::Key,
            input.value));
        break;
      case PageInput::Kind::Choose:
        queued_.push_back(TypedEvent(HostEvent::Type::Choose, input.value));
        break;
      case PageInput::Kind::AudioDone:
        queued_.push_back(TypedEvent(HostEvent::Type::AudioDone));
        break;
      case PageInput::Kind::Wheel:
        queued_.push_back(TypedEvent(HostEvent::Type::Wheel, input.value));
        break;
      case PageInput::Kind::Answer:  // no question is open
      case PageInput::Kind::Line:    // no automation on this page
        break;
    }
  }

  double start_;
  int64_t nextTick_ = kTickMs;
  bool started_ = false;
  std::deque<HostEvent> queued_;
  std::vector<uint32_t> rgba_;
};

// The page's input as automation command lines; nullopt never comes (the page does not end).
std::optional<std::string> NextCommandLine() {
  for (;;) {
    while (std::optional<PageInput> input = TakePageInput()) {
      switch (input->kind) {
        case PageInput::Kind::Line:
          return input->text;
        case PageInput::Kind::Pointer: {
          const HostEvent e = PointerEvent(*input);
          const char* phase = e.type == HostEvent::Type::MouseDown   ? "down"
                              : e.type == HostEvent::Type::MouseMove ? "move"
                                                                     : "up";
          return std::string("mouse ") + phase + " " + std::to_string(e.x) + " " +
                 std::to_string(e.y);
        }
        case PageInput::Kind::Choose:
          return "choose " + std::to_string(input->value);
        case PageInput::Kind::Wheel:
          return "wheel " + std::to_string(input->value);
        case PageInput::Kind::Key:
          return (input->phase == PageInput::Phase::Up ? "keyup " : "key ") + KeyName(input->value);
        case PageInput::Kind::AudioDone:  // the automation host plays no sound
        case PageInput::Kind::Answer:
          break;
      }
    }
    WaitForPageInput(kIdleWaitMs);
  }
}

// The headless host with the page as its terminal, and the canvas showing its frames.
class WebAutomationHost final : public Host {
 public:
  explicit WebAutomationHost(bool autoClick)
      : inner_(
            [this]() -> std::optional<std::string> {
              if (!started_) {
                started_ = true;
                ReportGameStarted();
              }
              return NextCommandLine();
            },
            [](std::string_view json) { SendPageEvent(json); }, autoClick) {}

  int64_t NowMs() override { return inner_.NowMs(); }
  HostEvent WaitEvent() override { return inner_.WaitEvent(); }
  void Present(const Surface& frame) override { ShowFrameOnPage(frame.data(), rgba_); }
  void SetCaption(const std::string& text) override { inner_.SetCaption(text); }
  bool ConfirmYesNo(const std::string& text) override { return inner_.ConfirmYesNo(text); }
  void ShowError(const std::string& text) override { inner_.ShowError(text); }
  void Trace(std::string_view jsonObject) override { inner_.Trace(jsonObject); }
  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat& format) override {
    return inner_.OpenAudioDevice(format);
  }

 private:
  bool started_ = false;
  HeadlessHost inner_;
  std::vector<uint32_t> rgba_;
};

}  // namespace

std::unique_ptr<Host> CreateWebHost() { return std::make_unique<WebHost>(); }

std::unique_ptr<Host> CreateWebAutomationHost(bool autoClick) {
  return std::make_unique<WebAutomationHost>(autoClick);
}

}  // namespace pp
