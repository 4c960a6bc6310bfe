#include "extras/ExtrasHost.h"

namespace pp {
namespace {

// Events that are not the player's: they reach the game whatever the additions do.
bool AlwaysPasses(HostEvent::Type type) {
  using T = HostEvent::Type;
  return type == T::Tick || type == T::AudioDone || type == T::Command || type == T::Close;
}

}  // namespace

bool ExtrasHost::Holding() const {
  for (const auto& extra : extras_)
    if (extra->HoldsInput()) return true;
  return false;
}

HostEvent ExtrasHost::WaitEvent() {
  for (;;) {
    if (!Holding()) {
      for (const auto& extra : extras_)
        if (std::optional<HostEvent> due = extra->Due(inner().NowMs())) return *due;
    }
    HostEvent e = inner().WaitEvent();
    if (AlwaysPasses(e.type)) {
      for (const auto& extra : extras_) extra->OnInput(e);
      return e;
    }
    bool taken = false;
    // While an addition holds the input (an open log, say) only the holders see it.
    const bool held = Holding();
    for (const auto& extra : extras_) {
      if (held && !extra->HoldsInput()) continue;
      if (extra->OnInput(e)) {
        taken = true;
        break;
      }
    }
    if (taken) {
      Repaint();
      continue;
    }
    if (!Holding()) return e;
  }
}

void ExtrasHost::Present(const Surface& frame) {
  lastFrame_ = frame;
  Repaint();
}

void ExtrasHost::Repaint() {
  if (lastFrame_.empty()) return;
  bool anyVisible = false;
  for (const auto& extra : extras_) anyVisible = anyVisible || extra->Visible();
  if (!anyVisible) {
    inner().Present(lastFrame_);
    return;
  }
  composed_ = lastFrame_;
  for (const auto& extra : extras_)
    if (extra->Visible()) extra->DrawOver(composed_);
  inner().Present(composed_);
}

bool ExtrasHost::ConfirmYesNo(const std::string& text) {
  std::string question = text;
  for (const auto& extra : extras_) extra->RewriteQuestion(question);
  return inner().ConfirmYesNo(question);
}

void ExtrasHost::Report(const GameEvent& event) {
  inner().Report(event);
  for (const auto& extra : extras_) extra->OnEvent(event);
}

}  // namespace pp
