#include "automation/CommandScript.h"

#include <charconv>
#include <utility>

#include "automation/KeyNames.h"
#include "core/Strings.h"
#include "core/Utf8.h"
#include "platform/InputLayout.h"

namespace pp {
namespace {

// Far beyond any script; keeps `tick N` from running for days by a typo.
constexpr int64_t kMaxTicks = 100'000'000;
// Far beyond any session; `at` may not jump further.
constexpr int64_t kMaxTimeMs = int64_t{1} << 50;
// Pointer positions are picture coordinates; a window may report some beyond its edges.
constexpr int64_t kMaxCoordinate = 100'000;
constexpr int64_t kMaxNotches = 10'000;

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

// Splits off the first word of `text`; `text` keeps the trimmed rest.
std::string_view TakeWord(std::string_view& text) {
  const size_t space = text.find(' ');
  const std::string_view word = text.substr(0, space);
  text = space == std::string_view::npos ? std::string_view{} : Trim(text.substr(space));
  return word;
}

// `mouse down|up|move X Y` as an event.
std::optional<HostEvent> MouseCommand(std::string_view args) {
  const std::string_view action = TakeWord(args);
  const auto x = Number(TakeWord(args), -kMaxCoordinate, kMaxCoordinate);
  const auto y = Number(TakeWord(args), -kMaxCoordinate, kMaxCoordinate);
  if (!x || !y || !args.empty()) return std::nullopt;
  using T = HostEvent::Type;
  const T type = action == "down" ? T::MouseDown : action == "up" ? T::MouseUp : T::MouseMove;
  if (type == T::MouseMove && action != "move") return std::nullopt;
  return Mouse(type, static_cast<int>(*x), static_cast<int>(*y));
}

}  // namespace

CommandScript::LineSource LinesOf(std::istream& in) {
  return [&in]() -> std::optional<std::string> {
    std::string line;
    if (!std::getline(in, line)) return std::nullopt;
    return line;
  };
}

CommandScript::CommandScript(LineSource in, ErrorSink onError)
    : in_(std::move(in)), onError_(std::move(onError)) {}

CommandScript::CommandScript(std::istream& in, ErrorSink onError)
    : CommandScript(LinesOf(in), std::move(onError)) {}

std::optional<std::string> CommandScript::ReadLine() {
  while (std::optional<std::string> line = in_()) {
    std::string_view t = Trim(*line);
    if (!t.empty() && t.front() != '#') return std::string(t);
  }
  return std::nullopt;
}

void CommandScript::Fill() {
  while (pending_.empty() && pendingTicks_ == 0 && !ended_) {
    std::optional<std::string> line = ReadLine();
    if (!line) {
      ended_ = true;
      pending_.push_back(Event(HostEvent::Type::Close));
    } else {
      Parse(*line);
    }
  }
}

HostEvent CommandScript::Next() {
  Fill();
  if (!pending_.empty()) {
    HostEvent e = std::move(pending_.front());
    pending_.pop_front();
    return e;
  }
  if (pendingTicks_ > 0) {
    --pendingTicks_;
    nowMs_ = nextTickAt_ ? *nextTickAt_ : nowMs_ + kTickMs;
    nextTickAt_.reset();
    return Event(HostEvent::Type::Tick);
  }
  return Event(HostEvent::Type::Close);
}

std::optional<int64_t> CommandScript::NextTickMs() {
  Fill();
  if (!pending_.empty() || pendingTicks_ == 0) return std::nullopt;
  return nextTickAt_ ? *nextTickAt_ : nowMs_ + kTickMs;
}

bool CommandScript::ReadConfirmation() {
  std::optional<std::string> answer = ReadLine();
  return answer && *answer == "confirm yes";
}

void CommandScript::Parse(const std::string& line) {
  // Events are UTF-8 JSON: a line that is not UTF-8 is neither run nor echoed.
  if (!IsUtf8(line)) {
    onError_("command not understood: the line is not UTF-8");
    return;
  }
  std::string_view arg = line;
  const std::string_view word = TakeWord(arg);
  using T = HostEvent::Type;

  if (word == "click" && arg.empty()) {
    pending_.push_back(Mouse(T::MouseDown, kPictureClickX, kPictureClickY));
  } else if (word == "choose" && Number(arg, 1, 3)) {
    HostEvent e = Event(T::Choose);
    e.value = static_cast<int>(*Number(arg, 1, 3));
    pending_.push_back(e);
  } else if (word == "hover" && Number(arg, 0, 3)) {
    const int n = static_cast<int>(*Number(arg, 0, 3));
    pending_.push_back(n == 0 ? Mouse(T::MouseMove, kPictureClickX, kPictureClickY)
                              : Mouse(T::MouseMove, kChoiceCentreX, ChoiceCentreY(n)));
  } else if ((word == "key" || word == "keyup") && KeyCode(arg)) {
    HostEvent e = Event(word == "key" ? T::Key : T::KeyUp);
    e.value = *KeyCode(arg);
    pending_.push_back(e);
  } else if (word == "mouse" && MouseCommand(arg)) {
    pending_.push_back(*MouseCommand(arg));
  } else if (word == "wheel" && Number(arg, -kMaxNotches, kMaxNotches)) {
    HostEvent e = Event(T::Wheel);
    e.value = static_cast<int>(*Number(arg, -kMaxNotches, kMaxNotches));
    pending_.push_back(e);
  } else if (word == "tick" && (arg.empty() || Number(arg, 0, kMaxTicks))) {
    pendingTicks_ += arg.empty() ? 1 : *Number(arg, 0, kMaxTicks);
  } else if (word == "at" && Number(arg, 0, kMaxTimeMs)) {
    const int64_t at = *Number(arg, 0, kMaxTimeMs);
    if (at < nowMs_)
      onError_("at: the clock already reads " + std::to_string(nowMs_) + ": " + line);
    else
      nextTickAt_ = at;
  } else if ((word == "state" && arg.empty()) || (word == "screenshot" && !arg.empty()) ||
             (word == "set" && !arg.empty()) || (word == "panel" && !arg.empty())) {
    HostEvent e = Event(T::Command);
    e.text = line;
    pending_.push_back(e);
  } else if (word == "close" && arg.empty()) {
    pending_.push_back(Event(T::Close));
  } else if (word == "confirm") {
    onError_("no confirmation is open: " + line);
  } else {
    onError_("command not understood: " + line);
  }
}

}  // namespace pp
