#pragma once
// The headless host: no window, virtual time, input read as automation commands (one per line,
// see CommandScript.h) and every automation event written as one line of JSON.
// End of input closes the game as `close` does.

#include <cstdint>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/Host.h"
#include "platform/headless/CommandScript.h"

namespace pp {

class HeadlessHost final : public Host {
 public:
  // Receives every event as one JSON object.
  using EventSink = std::function<void(std::string_view)>;

  // Command lines from `in`, events to `out`. With `autoClick`, every click wait ends at once:
  // a wait event queues a click.
  HeadlessHost(CommandScript::LineSource in, EventSink out, bool autoClick = false);
  // Lines read from `in`, events written to `out` one per line; both must outlive the host.
  HeadlessHost(std::istream& in, std::ostream& out, bool autoClick = false);

  // Virtual time: 20 ms more for every tick handed out (or the time `at` set), nothing else.
  int64_t NowMs() override { return script_.NowMs(); }
  HostEvent WaitEvent() override { return script_.Next(); }
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
  EventSink out_;
  bool autoClick_;
  CommandScript script_;
};

}  // namespace pp
