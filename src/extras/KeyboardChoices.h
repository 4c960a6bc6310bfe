#pragma once
// Choices from the keyboard and the gamepad: Up, Down and Tab move a highlight over the visible
// choice buttons (wrapping), by moving the pointer onto the button as the mouse would (the game
// plays its hover sound and slides the button); Space or the keypad's Enter then press the
// highlighted button. Without a highlight, and while the item panel is open, the keys go on to
// the game (Space clicks, the arrows move the panel's list).

#include <array>
#include <optional>
#include <string>

#include "extras/Extra.h"

namespace pp {

class KeyboardChoices final : public Extra {
 public:
  void OnEvent(const GameEvent& event) override;
  bool OnInput(const HostEvent& e) override;
  // The pointer move onto the newly highlighted button, or the press of it.
  std::optional<HostEvent> Due(int64_t nowMs) override;

  // The highlighted button (1..3), or 0.
  int Highlight() const { return highlight_; }

 private:
  // The next visible button after `from` going by `step` (+1 or -1), wrapping; 0 when none.
  int NextVisible(int from, int step) const;

  std::array<std::string, 3> labels_;
  PanelWatch panel_;
  // The button the pointer is on (by mouse or highlight), and whether the keys put it there
  // since the buttons last changed: only then do Space and Enter press it.
  int pointerOn_ = 0;
  int highlight_ = 0;
  std::optional<HostEvent> due_;
};

}  // namespace pp
