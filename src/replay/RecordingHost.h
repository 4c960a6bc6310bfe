#pragma once
// Records a run as it is played: a host that wraps the one the game would run on and writes
// every input that reaches the game (after the additions took theirs), with the clock the game
// read at each tick, as an automation script. Each line is written and flushed as it happens,
// so a run that ends in a crash leaves a replay up to the crash. It changes nothing the game
// sees.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "platform/AudioDevice.h"
#include "platform/Host.h"
#include "replay/ReplayFile.h"

namespace pp {

class RecordingHost final : public Host {
 public:
  // Writes the header line to `out` at once.
  RecordingHost(Host& inner, std::ostream& out, const ReplayHeader& header);
  ~RecordingHost() override;

  // The inner host's clock; the first reading after a tick is that tick's time.
  int64_t NowMs() override;
  HostEvent WaitEvent() override;
  void Present(const Surface& frame) override { inner_.Present(frame); }
  void SetCaption(const std::string& text) override { inner_.SetCaption(text); }
  // The inner host's answer, recorded as `confirm yes` or `confirm no`.
  bool ConfirmYesNo(const std::string& text) override;
  void ShowError(const std::string& text) override { inner_.ShowError(text); }
  // Forwarded; the item panel's reports say how pointer positions are written.
  void Trace(std::string_view jsonObject) override;
  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat& format) override {
    return inner_.OpenAudioDevice(format);
  }

 private:
  // The line an input is written as; empty for input the game does nothing with.
  std::string LineFor(const HostEvent& e) const;
  void Write(const std::string& line);
  void WriteTicks();

  Host& inner_;
  std::ostream& out_;
  bool panelOpen_ = false;
  bool tickNeedsTime_ = false;
  // The clock of the last recorded tick, and the ticks 20 ms apart not yet written.
  int64_t lastTickMs_ = 0;
  int64_t unwrittenTicks_ = 0;
  // The last pointer line, while nothing else came after it (a repeat of it does nothing).
  std::string lastPointerLine_;
};

}  // namespace pp
