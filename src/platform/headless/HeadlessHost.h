#pragma once
// The headless host: no window, virtual time, input read as automation commands (one per line)
// and every automation event written as one line of JSON.
//
// Commands: click | choose N | hover N | pointer down|move|up X Y | key enter | confirm yes|no
// (answers an open confirmation) | tick [N] | state | screenshot PATH | set FIELD[[I]] VALUE |
// panel select ROW | panel use | panel close | close.
// End of input closes the game as `close` does. A command that is not understood prints an
// error event and changes nothing.

#include <cstdint>
#include <deque>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "platform/Host.h"

namespace pp {

class HeadlessHost final : public Host {
 public:
  // The next command line (any text; blank lines are skipped), nullopt at the end of input.
  using LineSource = std::function<std::optional<std::string>()>;
  // Receives every event as one JSON object.
  using EventSink = std::function<void(std::string_view)>;

  // With `autoClick`, every click wait ends at once: a wait event queues a click.
  HeadlessHost(LineSource in, EventSink out, bool autoClick = false);
  // Lines from `in`, events written to `out` one per line.
  HeadlessHost(std::istream& in, std::ostream& out, bool autoClick = false);

  // Virtual time: 20 ms more for every tick handed out, nothing else moves it.
  int64_t NowMs() override { return nowMs_; }
  HostEvent WaitEvent() override;
  // Nothing is shown; the picture stays in the game for screenshots.
  void Present(const Surface&) override {}
  // Writes {"ev":"caption","text":…}.
  void SetCaption(const std::string& text) override;
  // Writes {"ev":"confirm","text":…} and reads the next command line: only `confirm yes` is
  // Yes.
  bool ConfirmYesNo(const std::string& text) override;
  // Writes {"ev":"error","text":…}.
  void ShowError(const std::string& text) override;
  void Trace(std::string_view jsonObject) override;
  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat& format) override;

 private:
  // The next non-blank input line, trimmed; nullopt at the end of input.
  std::optional<std::string> ReadLine();
  // Turns one command line into queued events (or an error event).
  void Parse(const std::string& line);

  LineSource in_;
  EventSink out_;
  bool autoClick_;
  int64_t nowMs_ = 0;
  int64_t pendingTicks_ = 0;
  std::deque<HostEvent> pending_;
};

}  // namespace pp
