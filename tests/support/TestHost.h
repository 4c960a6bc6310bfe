#pragma once
// A host for rule and scene tests: no window, no sound device, every click wait answered at
// once by a click on the picture, and every game event kept for inspection.

#include <cstdint>
#include <deque>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "automation/EventJson.h"
#include "gfx/Surface.h"
#include "platform/AudioDevice.h"
#include "platform/Host.h"

namespace pp {

// Failures show an event as the automation protocol writes it.
inline void PrintTo(const GameEvent& e, std::ostream* out) { *out << EventJson(e); }

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
  bool ConfirmYesNo(const std::string& text) override {
    confirms.push_back(text);
    return confirmAnswer;
  }
  // Errors, captions and questions are kept apart from what the game plays.
  void Report(const GameEvent& e) override {
    if (const auto* error = std::get_if<ErrorEvent>(&e))
      errors.push_back(error->text);
    else if (const auto* shown = std::get_if<CaptionEvent>(&e))
      caption = shown->text;
    else if (!std::holds_alternative<ConfirmEvent>(e))
      events.push_back(e);
  }
  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat&) override { return nullptr; }

  // The events of kind E, in order.
  template <class E>
  std::vector<E> All() const {
    std::vector<E> out;
    for (const GameEvent& e : events)
      if (const E* one = std::get_if<E>(&e)) out.push_back(*one);
    return out;
  }
  // How many times `file` was played (on `channel`, when it is not -1).
  int Played(std::string_view file, int channel = -1) const {
    int n = 0;
    for (const SoundEvent& s : All<SoundEvent>())
      n += s.file == file && (channel == -1 || s.channel == channel);
    return n;
  }
  // How many times the picture `file` was shown.
  int Showed(std::string_view file) const {
    int n = 0;
    for (const PictureEvent& p : All<PictureEvent>()) n += p.file == file;
    return n;
  }
  // The texts of the message lines, in order.
  std::vector<std::string> Messages() const {
    std::vector<std::string> out;
    for (const MessageEvent& m : All<MessageEvent>()) out.push_back(m.text);
    return out;
  }

  int64_t nowMs = 0;
  std::deque<HostEvent> script;
  std::vector<GameEvent> events;  // everything else the game reported, in order
  std::vector<std::string> confirms;
  std::vector<std::string> errors;
  std::string caption;
  bool confirmAnswer = false;
  Surface lastFrame;
  int presented = 0;
};

}  // namespace pp
