#pragma once
// A voice that reads texts aloud. Both calls return at once: the game never waits for speech.

#include <string_view>

namespace pp {

class Speaker {
 public:
  virtual ~Speaker() = default;

  // Queues UTF-8 `text` behind whatever is being read.
  virtual void Say(std::string_view text) = 0;
  // Stops what is being read and drops everything queued.
  virtual void Cancel() = 0;
};

}  // namespace pp
