#pragma once
// The first run's hint: one line over the picture that says how to begin and where the keys help
// and the options are, in the player's words: at the top of the title how to go on, at the foot
// of the login screen how to press a button. It goes once the player has pressed the first button.
// The program adds it only on a save folder's first run.

#include "extras/Extra.h"

namespace pp {

class DisplayLanguage;
class TextRenderer;

class WelcomeHint final : public Extra {
 public:
  // `text` and `language` (null: Japanese) must outlive it.
  WelcomeHint(TextRenderer& text, const DisplayLanguage* language)
      : text_(text), language_(language) {}

  void OnEvent(const GameEvent& event) override;
  bool Visible() const override { return !begun_; }
  void DrawOver(Surface& picture) override;

 private:
  TextRenderer& text_;
  const DisplayLanguage* language_;
  bool buttonsShown_ = false;
  bool begun_ = false;
};

}  // namespace pp
