#pragma once
// Plays a recorded run in the window: the recording's commands are the input and its clock is
// the game's clock, paced against the window host's real time (`speed` times faster). The
// window shows the pictures and plays the sound; its own input is ignored, but closing it ends
// the replay as a close would.

#include <cstdint>
#include <istream>
#include <string>

#include "automation/CommandScript.h"
#include "platform/Host.h"

namespace pp {

class PacedReplayHost final : public ForwardingHost {
 public:
  PacedReplayHost(Host& window, std::istream& recording, int speed);

  // The recording's clock.
  int64_t NowMs() override { return script_.NowMs(); }
  // The recording's next event, once the window's clock has caught up with it.
  HostEvent WaitEvent() override;
  // The answer the recording gives; no question is shown.
  bool ConfirmYesNo(const std::string& text) override;

 private:
  int speed_;
  int64_t startMs_;
  CommandScript script_;
};

}  // namespace pp
