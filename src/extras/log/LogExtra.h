#pragma once
// The message log as an addition around the game: fed from the game's message and chosen
// reports, opened and scrolled by the player's input, drawn over the picture while open. While
// open it holds the input, so the game waits (its timer goes on drawing the scene behind).

#include "extras/Extra.h"
#include "extras/log/LogView.h"
#include "extras/log/MessageLog.h"

namespace pp {

class TextRenderer;

class LogExtra final : public Extra {
 public:
  // `text` measures and draws the rows; it must outlive the addition.
  explicit LogExtra(TextRenderer& text);

  void OnEvent(const GameEvent& event) override;
  bool OnInput(const HostEvent& e) override;
  bool HoldsInput() const override { return open_; }
  bool Visible() const override { return open_; }
  void DrawOver(Surface& picture) override;

  bool open() const { return open_; }
  const MessageLog& log() const { return log_; }
  const LogView& view() const { return view_; }

 private:
  TextRenderer& text_;
  MessageLog log_;
  LogView view_;
  bool open_ = false;
  PanelWatch panel_;  // the item panel is shown: the wheel is its list's
};

}  // namespace pp
