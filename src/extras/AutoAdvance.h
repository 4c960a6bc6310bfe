#pragma once
// Auto mode and fast-forward: additions that end the game's click waits for the player. Auto
// mode (key A) ends each wait after a reading time that grows with the lines shown since the
// last wait; fast-forward (Ctrl held) ends every wait at once while held. Neither ever presses a
// choice button, and both pause while the item panel is open or another addition holds the
// input (the message log). A small marker on the picture shows which one is on.

#include <cstdint>
#include <optional>

#include "extras/Extra.h"
#include "settings/Settings.h"

namespace pp {

// How long a wait lasts in auto mode: `baseMs` plus `perCharacterMs` for every character of the
// lines shown since the previous wait.
struct ReadingTime {
  int64_t baseMs = 1200;
  int64_t perCharacterMs = 50;

  int64_t For(int64_t characters) const { return baseMs + perCharacterMs * characters; }
};

// The reading time the settings file asks for (auto-reading-ms, auto-reading-ms-per-character).
ReadingTime ReadingTimeFrom(const Settings& settings);

class AutoAdvance final : public Extra {
 public:
  explicit AutoAdvance(ReadingTime readingTime = {}, bool autoOn = false)
      : readingTime_(readingTime), autoOn_(autoOn) {}

  void OnEvent(const GameEvent& event) override;
  // Takes A (auto mode on or off) and Ctrl down and up (fast-forward); notes the player's own
  // clicks, which end a wait at once.
  bool OnInput(const HostEvent& e) override;
  // A click on the picture when the open wait is due to end.
  std::optional<HostEvent> Due(int64_t nowMs) override;
  bool Visible() const override { return autoOn_ || fastForward_; }
  // One triangle in the top-right corner for auto mode, two for fast-forward.
  void DrawOver(Surface& picture) override;

  bool AutoOn() const { return autoOn_; }
  // Auto mode on or off and its reading time, as key A and the settings give them (the options
  // screen); a new reading time counts from the next wait.
  void SetAutoOn(bool on) { autoOn_ = on; }
  const ReadingTime& readingTime() const { return readingTime_; }
  void SetReadingTime(ReadingTime readingTime) { readingTime_ = readingTime; }

 private:
  ReadingTime readingTime_;
  bool autoOn_;
  bool fastForward_ = false;
  PanelWatch panel_;
  bool waitOpen_ = false;
  int64_t charactersSinceWait_ = 0;
  // The reading time of the open wait, and how much of it has passed.
  int64_t waitReadingMs_ = 0;
  int64_t readMs_ = 0;
  std::optional<int64_t> lastAskedMs_;
};

}  // namespace pp
