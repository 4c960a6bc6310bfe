#pragma once
// A host for rule and scene tests: no window, no sound device, every click wait answered at
// once by a click on the picture, and every automation event kept for inspection.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "gfx/Surface.h"
#include "platform/AudioDevice.h"
#include "platform/Host.h"

namespace pp {

class TestHost : public Host {
 public:
  int64_t NowMs() override { return nowMs; }
  // Scripted events first; then a click on the picture (answers any wait), time moving 20 ms.
  HostEvent WaitEvent() override {
    nowMs += 20;
    if (!script.empty()) {
      HostEvent e = script.front();
      script.pop_front();
      return e;
    }
    HostEvent click;
    click.type = HostEvent::Type::MouseDown;
    click.x = 100;
    click.y = 100;
    return click;
  }
  void Present(const Surface& frame) override {
    lastFrame = frame;
    ++presented;
  }
  void SetCaption(const std::string& text) override { caption = text; }
  bool ConfirmYesNo(const std::string& text) override {
    confirms.push_back(text);
    return confirmAnswer;
  }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  void Trace(std::string_view json) override { traces.emplace_back(json); }
  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat&) override { return nullptr; }

  // Traces whose text contains `needle`, in order.
  std::vector<std::string> TracesWith(std::string_view needle) const {
    std::vector<std::string> out;
    for (const auto& t : traces)
      if (t.find(needle) != std::string::npos) out.push_back(t);
    return out;
  }

  int64_t nowMs = 0;
  std::deque<HostEvent> script;
  std::vector<std::string> traces;
  std::vector<std::string> confirms;
  std::vector<std::string> errors;
  std::string caption;
  bool confirmAnswer = false;
  Surface lastFrame;
  int presented = 0;
};

}  // namespace pp
