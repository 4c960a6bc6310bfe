#pragma once
// The game's 20 ms timer and the queue of input for a host that runs in real time (the window,
// the browser page): queued input first, then a tick once the clock has reached it.

#include <cstdint>
#include <deque>
#include <optional>

#include "platform/Host.h"

namespace pp {

class TickPump {
 public:
  // The next queued input, else a tick when `nowMs` has reached the next one (a late tick is not
  // made up for: the timer fires once and takes up the 20 ms grid). Otherwise nullopt, with
  // `waitMs` set to how long the host may sleep for input before the next tick.
  std::optional<HostEvent> Next(int64_t nowMs, int& waitMs);
  // Queues input the host translated.
  void Queue(HostEvent e) { queued_.push_back(std::move(e)); }
  std::deque<HostEvent>& queue() { return queued_; }
  // After a modal dialog: the timer starts again from `nowMs` instead of catching up.
  void ResumeAt(int64_t nowMs);

 private:
  int64_t nextTickMs_ = kTickMs;
  std::deque<HostEvent> queued_;
};

}  // namespace pp
