#include "replay/CatchUpHost.h"

#include <cstdio>

namespace pp {

CatchUpHost::CatchUpHost(Host& inner, std::istream& recording, std::function<bool()> caughtUp)
    : ForwardingHost(inner),
      script_(recording,
              [](const std::string& text) {
                // A line the recording cannot play is said once and skipped, as in a replay.
                std::fprintf(stderr, "panipani: catching up: %s\n", text.c_str());
              }),
      caughtUp_(std::move(caughtUp)) {}

int64_t CatchUpHost::NowMs() { return catchingUp_ ? script_.NowMs() : inner().NowMs() + offsetMs_; }

HostEvent CatchUpHost::WaitEvent() {
  if (catchingUp_) {
    HostEvent e = script_.Next();
    if (e.type != HostEvent::Type::Close) return e;
    return GoLive();
  }
  if (closing_) {
    HostEvent close;
    close.type = HostEvent::Type::Close;
    return close;
  }
  return inner().WaitEvent();
}

HostEvent CatchUpHost::GoLive() {
  const int64_t recordedMs = script_.NowMs();
  catchingUp_ = false;
  closing_ = !caughtUp_();
  offsetMs_ = recordedMs - inner().NowMs();
  if (!closing_) {
    if (choices_) inner().Report(*choices_);
    if (panel_) inner().Report(*panel_);
  }
  return WaitEvent();
}

void CatchUpHost::Present(const Surface& frame) {
  if (!catchingUp_) inner().Present(frame);
}

bool CatchUpHost::ConfirmYesNo(const std::string& text) {
  return catchingUp_ ? script_.ReadConfirmation() : inner().ConfirmYesNo(text);
}

std::unique_ptr<AudioDevice> CatchUpHost::OpenAudioDevice(const AudioFormat& format) {
  return catchingUp_ ? nullptr : inner().OpenAudioDevice(format);
}

void CatchUpHost::Report(const GameEvent& event) {
  if (!catchingUp_) {
    inner().Report(event);
    return;
  }
  if (const auto* choices = std::get_if<ChoicesEvent>(&event)) choices_ = *choices;
  if (std::holds_alternative<PanelEvent>(event) || std::holds_alternative<PanelHiddenEvent>(event))
    panel_ = event;
}

}  // namespace pp
