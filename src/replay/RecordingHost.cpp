#include "replay/RecordingHost.h"

#include "automation/CommandEncoder.h"
#include "platform/InputLayout.h"

namespace pp {
namespace {

// Runs of ticks are written at least this often, so that a crash loses little of the clock.
constexpr int64_t kMostUnwrittenTicks = 50;

HostEvent At(HostEvent e, int x, int y) {
  e.x = x;
  e.y = y;
  return e;
}

}  // namespace

RecordingHost::RecordingHost(Host& inner, std::ostream& out, const ReplayHeader& header)
    : ForwardingHost(inner), out_(out) {
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
  const int64_t now = inner().NowMs();
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
  HostEvent e = inner().WaitEvent();
  if (e.type == HostEvent::Type::Tick) {
    tickNeedsTime_ = true;
    return e;
  }
  const std::optional<HostEvent> played = AsPlayed(e);
  if (!played) return e;
  const std::optional<std::string> line = CommandLineFor(*played);
  if (!line) return e;
  const bool pointer = e.type == HostEvent::Type::MouseMove;
  if (pointer && *line == lastPointerLine_) return e;
  WriteTicks();
  Write(*line);
  lastPointerLine_ = pointer ? *line : std::string();
  return e;
}

std::optional<HostEvent> RecordingHost::AsPlayed(const HostEvent& e) const {
  using T = HostEvent::Type;
  switch (e.type) {
    case T::MouseDown:
      // Away from the panel's area a press is a click on the picture, wherever it lands.
      return InPanelArea(e.x, e.y) ? e : At(e, kPictureClickX, kPictureClickY);
    case T::MouseMove:
      if (!InPanelArea(e.x, e.y)) return At(e, kPictureClickX, kPictureClickY);
      // Over a shown panel a move does nothing; one on a button hovers it otherwise.
      if (panel_.open()) return std::nullopt;
      if (const int n = ChoiceButtonAt(e.x, e.y)) return At(e, kChoiceCentreX, ChoiceCentreY(n));
      return e;
    case T::KeyUp:
    case T::MouseUp:
      // The game takes no action on a key or button going up.
      return std::nullopt;
    default:
      return e;
  }
}

bool RecordingHost::ConfirmYesNo(const std::string& text) {
  const bool yes = inner().ConfirmYesNo(text);
  Write(yes ? "confirm yes" : "confirm no");
  return yes;
}

void RecordingHost::Report(const GameEvent& event) {
  inner().Report(event);
  panel_.See(event);
}

}  // namespace pp
