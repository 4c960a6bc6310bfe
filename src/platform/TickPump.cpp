#include "platform/TickPump.h"

#include <algorithm>

namespace pp {

std::optional<HostEvent> TickPump::Next(int64_t nowMs, int& waitMs) {
  if (!queued_.empty()) {
    HostEvent e = std::move(queued_.front());
    queued_.pop_front();
    return e;
  }
  if (nowMs >= nextTickMs_) {
    nextTickMs_ = std::max(nextTickMs_ + kTickMs, nowMs + 1);
    return HostEvent{};
  }
  waitMs = static_cast<int>(nextTickMs_ - nowMs);
  return std::nullopt;
}

void TickPump::ResumeAt(int64_t nowMs) { nextTickMs_ = std::max(nextTickMs_, nowMs); }

}  // namespace pp
