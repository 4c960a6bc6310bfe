#include "replay/RecordingHost.h"

#include "extras/Report.h"
#include "items/PanelLayout.h"
#include "platform/InputLayout.h"
#include "platform/headless/CommandScript.h"

namespace pp {
namespace {

constexpr int64_t kTickMs = 20;
// Runs of ticks are written at least this often, so that a crash loses little of the clock.
constexpr int64_t kMostUnwrittenTicks = 50;

bool InPanelArea(int x, int y) {
  return PanelPart{kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight}.Contains(x, y);
}

std::string Point(std::string_view action, const HostEvent& e) {
  return "mouse " + std::string(action) + " " + std::to_string(e.x) + " " + std::to_string(e.y);
}

}  // namespace

RecordingHost::RecordingHost(Host& inner, std::ostream& out, const ReplayHeader& header)
    : inner_(inner), out_(out) {
  Write(FormatReplayHeader(header));
}

RecordingHost::~RecordingHost() { WriteTicks(); }

void RecordingHost::Write(const std::string& line) {
  out_ << line << '\n';
  out_.flush();
}

void RecordingHost::WriteTicks() {
  if (unwrittenTicks_ == 0) return;
  Write(unwrittenTicks_ == 1 ? "tick" : "tick " + std::to_string(unwrittenTicks_));
  unwrittenTicks_ = 0;
}

int64_t RecordingHost::NowMs() {
  const int64_t now = inner_.NowMs();
  if (tickNeedsTime_) {
    tickNeedsTime_ = false;
    lastPointerLine_.clear();
    if (now != lastTickMs_ + kTickMs) {
      WriteTicks();
      Write("at " + std::to_string(now));
    }
    lastTickMs_ = now;
    if (++unwrittenTicks_ >= kMostUnwrittenTicks) WriteTicks();
  }
  return now;
}

HostEvent RecordingHost::WaitEvent() {
  HostEvent e = inner_.WaitEvent();
  if (e.type == HostEvent::Type::Tick) {
    tickNeedsTime_ = true;
    return e;
  }
  const std::string line = LineFor(e);
  if (line.empty()) return e;
  const bool pointer = e.type == HostEvent::Type::MouseMove;
  if (pointer && line == lastPointerLine_) return e;
  WriteTicks();
  Write(line);
  lastPointerLine_ = pointer ? line : std::string();
  return e;
}

std::string RecordingHost::LineFor(const HostEvent& e) const {
  using T = HostEvent::Type;
  switch (e.type) {
    case T::MouseDown:
      // Away from the panel's area a press is a click on the picture, wherever it lands.
      return InPanelArea(e.x, e.y) ? Point("down", e) : "click";
    case T::MouseMove:
      if (!InPanelArea(e.x, e.y)) return "hover 0";
      // Over a shown panel a move does nothing; one on a button hovers it otherwise.
      if (panelOpen_) return "";
      if (int n = ChoiceButtonAt(e.x, e.y)) return "hover " + std::to_string(n);
      return Point("move", e);
    case T::Choose:
      return "choose " + std::to_string(e.value);
    case T::Key:
      return "key " + KeyName(e.value);
    case T::KeyUp:
    case T::MouseUp:
      // The game takes no action on a key or button going up.
      return "";
    case T::Wheel:
      return "wheel " + std::to_string(e.value);
    case T::Command:
      return e.text;
    case T::Close:
      return "close";
    case T::Tick:
    case T::AudioDone:
      return "";
  }
  return "";
}

bool RecordingHost::ConfirmYesNo(const std::string& text) {
  const bool yes = inner_.ConfirmYesNo(text);
  Write(yes ? "confirm yes" : "confirm no");
  return yes;
}

void RecordingHost::Trace(std::string_view jsonObject) {
  inner_.Trace(jsonObject);
  if (std::optional<Report> report = ReadReport(jsonObject)) {
    if (report->kind == Report::Kind::Panel) panelOpen_ = true;
    if (report->kind == Report::Kind::PanelHidden) panelOpen_ = false;
  }
}

}  // namespace pp
