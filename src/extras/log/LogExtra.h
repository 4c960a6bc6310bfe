#pragma once
// The message log as an addition around the game: fed from the game's message and chosen
// reports, opened and scrolled by the player's input, drawn over the picture while open. While
// open it holds the input, so the game waits (its timer goes on drawing the scene behind). Its
// lines show in the language the player reads, switched whenever the player switches it.

#include "extras/Extra.h"
#include "extras/log/LogView.h"
#include "extras/log/MessageLog.h"

namespace pp {

class DisplayLanguage;
class TextRenderer;

class LogExtra final : public Extra {
 public:
  // `text` measures and draws the rows; `language` (null: the game's own) is what the lines are
  // read in. Both must outlive the addition.
  explicit LogExtra(TextRenderer& text, const DisplayLanguage* language = nullptr);

  void OnEvent(const GameEvent& event) override;
  bool OnInput(const HostEvent& e) override;
  bool HoldsInput() const override { return open_; }
  bool Visible() const override { return open_; }
  void DrawOver(Surface& picture) override;

  bool open() const { return open_; }
  const MessageLog& log() const { return log_; }
  const LogView& view() const { return view_; }

 private:
  // A view of the log in the language read now (made again when the player switched it).
  LogView& View();
  LogView MakeView() const;

  TextRenderer& text_;
  const DisplayLanguage* language_;
  int viewMode_;  // the language mode the view was made in
  MessageLog log_;
  LogView view_;
  bool open_ = false;
  PanelWatch panel_;  // the item panel is shown: the wheel is its list's
};

}  // namespace pp
