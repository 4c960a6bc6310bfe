#pragma once
// Choices from the keyboard and the gamepad. Keys 1, 2 and 3 press the first, second and third
// button shown, counted from the top whichever places they stand in; Space and Enter press the
// button when only one is shown. Up, Down and Tab move a highlight over the shown buttons
// (wrapping), by moving the pointer onto the button as the mouse would (the game plays its hover
// sound and slides the button); Space, Enter or the keypad's Enter then press the highlighted
// button. Otherwise, and while the item panel is open, the keys go on to the game (Space clicks,
// Enter asks the reset question, the arrows move the panel's list). What reaches the game is the
// press of a button by its place, so a recording holds the button that was pressed.
//
// While the player uses these keys (or the pad), each shown button carries its key's number
// beside it, drawn over the picture, until the mouse or a finger is used again.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "extras/Extra.h"

namespace pp {

class TextRenderer;

class KeyboardChoices final : public Extra {
 public:
  // Without `text` no numbers are drawn; with it, `now` is the host's clock (the numbers wait
  // for the buttons to slide in). `text` must outlive the addition.
  KeyboardChoices() = default;
  KeyboardChoices(TextRenderer& text, std::function<int64_t()> now)
      : text_(&text), now_(std::move(now)) {}

  void OnEvent(const GameEvent& event) override;
  bool OnInput(const HostEvent& e) override;
  // The pointer move onto the newly highlighted button, or the press of a button.
  std::optional<HostEvent> Due(int64_t nowMs) override;
  bool Visible() const override;
  // The key numbers beside the shown buttons.
  void DrawOver(Surface& picture) override;

  // The highlighted button (1..3), or 0.
  int Highlight() const { return highlight_; }
  // The place (1..3) of the n-th shown button from the top (n 1..3), or 0 when fewer are shown.
  int ShownButton(int n) const;

 private:
  // The next shown button after `from` going by `step` (+1 or -1), wrapping; 0 when none.
  int NextShown(int from, int step) const;
  bool Shown(int place) const;
  // Makes the press of button `place` the next input for the game.
  void Press(int place);

  std::array<std::string, 3> labels_;
  // Buttons are on offer: labels came and none was pressed since.
  bool offered_ = false;
  PanelWatch panel_;
  // The button the pointer is on (by mouse or highlight), and whether the keys put it there
  // since the buttons last changed: only then do Space and Enter press it.
  int pointerOn_ = 0;
  int highlight_ = 0;
  std::optional<HostEvent> due_;

  TextRenderer* text_ = nullptr;
  std::function<int64_t()> now_;
  bool keysInUse_ = false;
  int64_t offeredAtMs_ = 0;
};

}  // namespace pp
