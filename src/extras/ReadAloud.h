#pragma once
// Speech: reads each message and the offered choices aloud, and key S switches it on and off.
// The lines that come between two moves of the player (a click that ends a wait, a choice) are
// queued behind each other; the first line after such a move cancels whatever is still being
// read, so a player who clicks on is never behind. Choice labels are read when they change.
// Lines are read in the language the player reads the game in, in that language's voice (both:
// the Japanese, then the English).

#include <memory>
#include <string>
#include <vector>

#include "extras/Extra.h"
#include "platform/Speaker.h"

namespace pp {

class DisplayLanguage;

class ReadAloud final : public Extra {
 public:
  // `language` (null: the game's own) must outlive it.
  ReadAloud(std::unique_ptr<Speaker> speaker, bool on, const DisplayLanguage* language = nullptr);

  void OnEvent(const GameEvent& event) override;
  // Takes key S: switching on reads what is on show now, switching off stops at once.
  bool OnInput(const HostEvent& e) override;

  bool on() const { return on_; }
  // Switches speech as key S does (the options screen).
  void SetOn(bool on);

 private:
  // Starts a new group of lines when the player has moved on since the last one.
  void BeginLine();
  // Says a message or the labels line, in the languages read.
  void Say(const std::string& text, std::string_view role);
  void SayNow(const std::string& text, std::string_view role);

  std::unique_ptr<Speaker> speaker_;
  const DisplayLanguage* language_;
  bool on_;
  bool movedOn_ = false;
  // The messages since the player last moved on and the choices on offer (empty: none), read
  // again when speech is switched on.
  std::vector<std::string> shown_;
  std::string labels_;
};

}  // namespace pp
