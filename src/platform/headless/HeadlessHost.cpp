#include "platform/headless/HeadlessHost.h"

#include <charconv>

#include "core/Json.h"
#include "core/Utf8.h"
#include "platform/AudioDevice.h"
#include "platform/NullAudioDevice.h"

namespace pp {
namespace {

constexpr int64_t kTickMs = 20;
// Far beyond any script; keeps `tick N` from running for days by a typo.
constexpr int64_t kMaxTicks = 100'000'000;
// A click on the picture away from the buttons, and the button centres (133 x 25 each).
constexpr int kPictureX = 100, kPictureY = 100;
constexpr int kButtonCentreX = 256 + 133 / 2;
constexpr int kButtonCentreY[3] = {156 + 12, 188 + 12, 220 + 12};
constexpr std::string_view kWaitEvent = R"({"ev":"wait"})";

HostEvent Event(HostEvent::Type type) {
  HostEvent e;
  e.type = type;
  return e;
}

HostEvent Mouse(HostEvent::Type type, int x, int y) {
  HostEvent e = Event(type);
  e.x = x;
  e.y = y;
  return e;
}

// The whole of `text` as a number in [low, high].
std::optional<int64_t> Number(std::string_view text, int64_t low, int64_t high) {
  int64_t v = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, v);
  if (text.empty() || ec != std::errc() || ptr != end || v < low || v > high) return std::nullopt;
  return v;
}

// Whether every character of `text` is well-formed UTF-8 (U+FFFD itself included).
bool IsUtf8(std::string_view text) {
  for (size_t pos = 0; pos < text.size();) {
    const size_t start = pos;
    if (NextCodePoint(text, pos) == kReplacementChar &&
        text.substr(start, pos - start) != "\xEF\xBF\xBD")
      return false;
  }
  return true;
}

std::string_view Trim(std::string_view s) {
  const char* kSpace = " \t\r\n";
  size_t first = s.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kSpace) - first + 1);
}

}  // namespace

HeadlessHost::HeadlessHost(std::istream& in, std::ostream& out, bool autoClick)
    : in_(in), out_(out), autoClick_(autoClick) {}

std::optional<std::string> HeadlessHost::ReadLine() {
  std::string line;
  while (std::getline(in_, line)) {
    std::string_view t = Trim(line);
    if (!t.empty()) return std::string(t);
  }
  return std::nullopt;
}

HostEvent HeadlessHost::WaitEvent() {
  for (;;) {
    if (!pending_.empty()) {
      HostEvent e = std::move(pending_.front());
      pending_.pop_front();
      return e;
    }
    if (pendingTicks_ > 0) {
      --pendingTicks_;
      nowMs_ += kTickMs;
      return Event(HostEvent::Type::Tick);
    }
    std::optional<std::string> line = ReadLine();
    if (!line) return Event(HostEvent::Type::Close);
    Parse(*line);
  }
}

void HeadlessHost::Parse(const std::string& line) {
  // Events are UTF-8 JSON: a line that is not UTF-8 is neither run nor echoed.
  if (!IsUtf8(line)) {
    ShowError("command not understood: the line is not UTF-8");
    return;
  }
  const std::string_view text = line;
  const size_t space = text.find(' ');
  const std::string_view word = text.substr(0, space);
  const std::string_view arg = space == std::string_view::npos ? "" : Trim(text.substr(space));

  if (word == "click" && arg.empty()) {
    pending_.push_back(Mouse(HostEvent::Type::MouseDown, kPictureX, kPictureY));
  } else if (word == "choose" && Number(arg, 1, 3)) {
    HostEvent e = Event(HostEvent::Type::Choose);
    e.value = static_cast<int>(*Number(arg, 1, 3));
    pending_.push_back(e);
  } else if (word == "hover" && Number(arg, 0, 3)) {
    const int n = static_cast<int>(*Number(arg, 0, 3));
    pending_.push_back(
        n == 0 ? Mouse(HostEvent::Type::MouseMove, kPictureX, kPictureY)
               : Mouse(HostEvent::Type::MouseMove, kButtonCentreX, kButtonCentreY[n - 1]));
  } else if (word == "key" && arg == "enter") {
    HostEvent e = Event(HostEvent::Type::Key);
    e.value = HostKey::kEnter;
    pending_.push_back(e);
  } else if (word == "tick" && (arg.empty() || Number(arg, 0, kMaxTicks))) {
    pendingTicks_ += arg.empty() ? 1 : *Number(arg, 0, kMaxTicks);
  } else if ((word == "state" && arg.empty()) || (word == "screenshot" && !arg.empty()) ||
             (word == "set" && !arg.empty()) || (word == "panel" && !arg.empty())) {
    HostEvent e = Event(HostEvent::Type::Command);
    e.text = line;
    pending_.push_back(e);
  } else if (word == "close" && arg.empty()) {
    pending_.push_back(Event(HostEvent::Type::Close));
  } else if (word == "confirm") {
    ShowError("no confirmation is open: " + line);
  } else {
    ShowError("command not understood: " + line);
  }
}

void HeadlessHost::SetCaption(const std::string& text) {
  Trace(JsonObject("caption").Add("text", text).str());
}

bool HeadlessHost::ConfirmYesNo(const std::string& text) {
  Trace(JsonObject("confirm").Add("text", text).str());
  std::optional<std::string> answer = ReadLine();
  return answer && *answer == "confirm yes";
}

void HeadlessHost::ShowError(const std::string& text) {
  Trace(JsonObject("error").Add("text", text).str());
}

void HeadlessHost::Trace(std::string_view jsonObject) {
  out_ << jsonObject << '\n';
  out_.flush();
  // The wait is answered before any other input.
  if (autoClick_ && jsonObject == kWaitEvent)
    pending_.push_front(Mouse(HostEvent::Type::MouseDown, kPictureX, kPictureY));
}

// A silent device that plays by the virtual clock, so the mixer behaves as it does in a window.
std::unique_ptr<AudioDevice> HeadlessHost::OpenAudioDevice(const AudioFormat& format) {
  return std::make_unique<NullAudioDevice>(format, [this] { return NowMs(); });
}

}  // namespace pp
