#include "replay/PacedReplayHost.h"

#include <cstdio>

namespace pp {

PacedReplayHost::PacedReplayHost(Host& window, std::istream& recording, int speed)
    : ForwardingHost(window),
      speed_(speed < 1 ? 1 : speed),
      startMs_(window.NowMs()),
      script_(recording, [](const std::string& text) {
        // A line the replay cannot play is said once and skipped; the replay goes on.
        std::fprintf(stderr, "panipani: replay: %s\n", text.c_str());
      }) {}

HostEvent PacedReplayHost::WaitEvent() {
  for (;;) {
    const std::optional<int64_t> tickMs = script_.NextTickMs();
    if (!tickMs || (inner().NowMs() - startMs_) * speed_ >= *tickMs) return script_.Next();
    // Wait for the window's next event: its ticks pace the replay, its sound device reports
    // finished blocks, and its close ends the replay. The player's input is not played.
    HostEvent e = inner().WaitEvent();
    if (e.type == HostEvent::Type::Close || e.type == HostEvent::Type::AudioDone) return e;
  }
}

bool PacedReplayHost::ConfirmYesNo(const std::string& /*text*/) {
  return script_.ReadConfirmation();
}

}  // namespace pp
