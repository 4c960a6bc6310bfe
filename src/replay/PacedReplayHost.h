#pragma once
// Plays a recorded run in the window: the recording's commands are the input and its clock is
// the game's clock, paced against the window host's real time (`speed` times faster). The
// window shows the pictures and plays the sound; its own input is ignored, but closing it ends
// the replay as a close would.

#include <cstdint>
#include <istream>
#include <string>

#include "platform/AudioDevice.h"
#include "platform/Host.h"
#include "platform/headless/CommandScript.h"

namespace pp {

class PacedReplayHost final : public Host {
 public:
  PacedReplayHost(Host& window, std::istream& recording, int speed);

  // The recording's clock.
  int64_t NowMs() override { return script_.NowMs(); }
  // The recording's next event, once the window's clock has caught up with it.
  HostEvent WaitEvent() override;
  void Present(const Surface& frame) override { window_.Present(frame); }
  void SetCaption(const std::string& text) override { window_.SetCaption(text); }
  // The answer the recording gives; no question is shown.
  bool ConfirmYesNo(const std::string& text) override;
  void ShowError(const std::string& text) override { window_.ShowError(text); }
  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat& format) override {
    return window_.OpenAudioDevice(format);
  }

 private:
  Host& window_;
  int speed_;
  int64_t startMs_;
  CommandScript script_;
};

}  // namespace pp
