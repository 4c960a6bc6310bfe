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

#include "platform/Host.h"
#include "replay/ReplayFile.h"

namespace pp {

class RecordingHost final : public ForwardingHost {
 public:
  // Writes the header line to `out` at once.
  RecordingHost(Host& inner, std::ostream& out, const ReplayHeader& header);
  ~RecordingHost() override;

  // The inner host's clock; the first reading after a tick is that tick's time.
  int64_t NowMs() override;
  HostEvent WaitEvent() override;
  // The inner host's answer, recorded as `confirm yes` or `confirm no`.
  bool ConfirmYesNo(const std::string& text) override;
  // Forwarded; the item panel's events say how pointer positions are written.
  void Report(const GameEvent& event) override;

 private:
  // The input as the game takes it, in the form it is written in; nullopt for input the game
  // does nothing with.
  std::optional<HostEvent> AsPlayed(const HostEvent& e) const;
  void Write(const std::string& line);
  void WriteTicks();

  std::ostream& out_;
  PanelWatch panel_;
  bool tickNeedsTime_ = false;
  // The clock of the last recorded tick, and the ticks 20 ms apart not yet written.
  int64_t lastTickMs_ = 0;
  int64_t unwrittenTicks_ = 0;
  // The last pointer line, while nothing else came after it (a repeat of it does nothing).
  std::string lastPointerLine_;
};

}  // namespace pp
