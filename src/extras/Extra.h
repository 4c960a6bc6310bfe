#pragma once
// One addition around the game (the message log, the text hook, speech, auto mode, ...). It sees
// what the game reports and the input on its way to the game; it may take input for itself, make
// input of its own when it is due, and draw over the picture the player sees. It never reaches
// into the game: whatever it does, the game's rules and random draws stay where they are.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Host.h"

namespace pp {

class Surface;

class Extra {
 public:
  virtual ~Extra() = default;

  // The game reported something (in the order the game reports it).
  virtual void OnEvent(const GameEvent& event) { (void)event; }
  // Input on its way to the game; true takes it, so that the game and the later additions never
  // see it. While some addition holds the input, only the holders are shown the player's input.
  // Ticks, audio, automation commands and the close are shown to all but always go on.
  virtual bool OnInput(const HostEvent& e) {
    (void)e;
    return false;
  }
  // Input this addition makes now (an auto-advance click, say); asked before each host event
  // while no addition holds the input.
  virtual std::optional<HostEvent> Due(int64_t nowMs) {
    (void)nowMs;
    return std::nullopt;
  }
  // The host is about to ask the player `question` (the game's own words): an addition may put
  // it into the words the player reads.
  virtual void RewriteQuestion(std::string& question) { (void)question; }
  // While true, no player input reaches the game (an open log): the game waits, its timer runs.
  virtual bool HoldsInput() const { return false; }
  // Whether DrawOver draws anything now.
  virtual bool Visible() const { return false; }
  // Draws over a copy of the picture about to be shown (the game's own picture is not touched).
  virtual void DrawOver(Surface& picture) { (void)picture; }
};

}  // namespace pp
