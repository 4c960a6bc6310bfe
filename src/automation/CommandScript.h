#pragma once
// The input side of the automation protocol: command lines read one at a time and turned into
// host events on a virtual clock. The headless host, the browser's automation page and the
// window's replay play it.
//
// Commands: click | choose N | hover N | key NAME | keyup NAME | mouse down|up|move X Y |
// wheel N | tick [N] | at MS | confirm yes|no (answers an open confirmation) | state |
// screenshot PATH | set FIELD[[I]] VALUE | panel select ROW | panel use | panel close | close.
// Lines beginning with `#` are comments. A command that is not understood is reported through
// the error callback and changes nothing.

#include <cstdint>
#include <deque>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Host.h"

namespace pp {

class CommandScript {
 public:
  // The next line of input (any text), nullopt at its end.
  using LineSource = std::function<std::optional<std::string>()>;
  using ErrorSink = std::function<void(const std::string&)>;

  CommandScript(LineSource in, ErrorSink onError);
  // Lines read from `in`, which must outlive the script.
  CommandScript(std::istream& in, ErrorSink onError);

  // Virtual time in milliseconds: 20 more for every tick handed out, or the time `at` set.
  int64_t NowMs() const { return nowMs_; }
  // The next event; Close once the input has ended.
  HostEvent Next();
  // Puts `e` before every other event (the headless automatic click).
  void PushFront(HostEvent e) { pending_.push_front(std::move(e)); }
  // The virtual time the next event will bring when it is a tick; nullopt when it is not.
  std::optional<int64_t> NextTickMs();
  // The answer to an open confirmation, from the next command line: only `confirm yes` is Yes.
  bool ReadConfirmation();

 private:
  // The next line that holds a command, trimmed; nullopt at the end of input.
  std::optional<std::string> ReadLine();
  // Turns one command line into queued events (or an error).
  void Parse(const std::string& line);
  // Reads lines until an event is queued or the input ends.
  void Fill();

  LineSource in_;
  ErrorSink onError_;
  int64_t nowMs_ = 0;
  int64_t pendingTicks_ = 0;
  std::optional<int64_t> nextTickAt_;
  bool ended_ = false;
  std::deque<HostEvent> pending_;
};

// The lines of `in`, which must outlive the source.
CommandScript::LineSource LinesOf(std::istream& in);

}  // namespace pp
