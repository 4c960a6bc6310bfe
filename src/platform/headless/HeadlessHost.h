#pragma once
// The headless host: no window, virtual time, input read as automation commands (one per line,
// see automation/CommandScript.h) and every game event written as one line of JSON
// (automation/EventJson.h). End of input closes the game as `close` does.

#include <cstdint>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "automation/CommandScript.h"
#include "platform/Host.h"

namespace pp {

class HeadlessHost final : public Host {
 public:
  // Receives every event as one JSON object.
  using EventSink = std::function<void(std::string_view)>;
  // Receives every finished frame (the browser's automation page shows them).
  using FrameSink = std::function<void(const Surface&)>;

  // Command lines from `in`, events to `out`. With `autoClick`, every click wait ends at once:
  // a wait event queues a click.
  HeadlessHost(CommandScript::LineSource in, EventSink out, bool autoClick = false,
               FrameSink frames = {});
  // Lines read from `in`, events written to `out` one per line; both must outlive the host.
  HeadlessHost(std::istream& in, std::ostream& out, bool autoClick = false);

  // Virtual time: 20 ms more for every tick handed out (or the time `at` set), nothing else.
  int64_t NowMs() override { return script_.NowMs(); }
  HostEvent WaitEvent() override { return script_.Next(); }
  // Handed to the frame sink, if any; the picture stays in the game for screenshots.
  void Present(const Surface& frame) override;
  // Reads the next command line: only `confirm yes` is Yes.
  bool ConfirmYesNo(const std::string& text) override;
  // Writes the event; a wait with `autoClick` queues the click.
  void Report(const GameEvent& event) override;
  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat& format) override;

 private:
  EventSink out_;
  bool autoClick_;
  FrameSink frames_;
  CommandScript script_;
};

}  // namespace pp
