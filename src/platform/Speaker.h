#pragma once
// A voice that reads texts aloud. Both calls return at once: the game never waits for speech.

#include <string_view>

namespace pp {

class Speaker {
 public:
  virtual ~Speaker() = default;

  // Queues UTF-8 `text` in `language` ("ja" or "en") behind whatever is being read.
  virtual void Say(std::string_view text, std::string_view language = "ja") = 0;
  // Stops what is being read and drops everything queued.
  virtual void Cancel() = 0;
};

}  // namespace pp
