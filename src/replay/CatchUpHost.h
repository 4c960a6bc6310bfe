#pragma once
// Catches a run up to where its player left it. The recording's input (the automation script a
// RecordingHost wrote) is handed to the game as fast as the game takes it, on the recording's own
// clock; nothing is shown or heard (the game gets no audio device), and the game's events are
// held back. When the recording is used up
// (its end, or a `close` in it), `caughtUp` decides: true, and the run goes on live on the inner
// host, its clock carrying on from the recording's, after the scene's choices and the item
// panel are told to the hosts and additions below; false, and the game is closed.

#include <cstdint>
#include <functional>
#include <istream>
#include <optional>

#include "automation/CommandScript.h"
#include "platform/Host.h"

namespace pp {

class CatchUpHost final : public ForwardingHost {
 public:
  // `recording` must outlive the host.
  CatchUpHost(Host& inner, std::istream& recording, std::function<bool()> caughtUp);

  bool catchingUp() const { return catchingUp_; }

  int64_t NowMs() override;
  HostEvent WaitEvent() override;
  // Nothing is shown while catching up.
  void Present(const Surface& frame) override;
  // While catching up, the recording's answer; then the player's.
  bool ConfirmYesNo(const std::string& text) override;
  // Held back while catching up (the latest choices and panel are kept to be told later).
  void Report(const GameEvent& event) override;
  // None while catching up: the game plays silent until it opens the device again, live.
  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat& format) override;

 private:
  HostEvent GoLive();

  CommandScript script_;
  std::function<bool()> caughtUp_;
  bool catchingUp_ = true;
  bool closing_ = false;
  int64_t offsetMs_ = 0;  // added to the inner clock once live
  std::optional<ChoicesEvent> choices_;
  std::optional<GameEvent> panel_;  // the latest PanelEvent or PanelHiddenEvent
};

}  // namespace pp
