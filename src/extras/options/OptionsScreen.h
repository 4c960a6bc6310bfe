#pragma once
// The options screen, over a dimmed picture. F2 (the pad's Start arrives as F2) opens it, and so
// does Escape while the item panel is closed (the log and the keys help take their Escape
// first). Up, Down and Tab choose an entry, Left and Right step its value, Space and Enter step
// it on or run it; the mouse or a finger chooses an entry by pointing and steps it by a click (a
// click at the value's left end steps back, one on a level's bar takes the value under it).
// Escape, F2, the closing entry or a click outside the box close it. Each change applies at once.
// While open it holds the input: the game waits and its timer runs on.

#include <optional>
#include <vector>

#include "extras/Extra.h"
#include "extras/options/OptionEntry.h"

namespace pp {

class DisplayLanguage;
class TextRenderer;

class OptionsScreen final : public Extra {
 public:
  // `text` draws it and `language` (null: Japanese) picks its words. `over`, when given, is an
  // overlay one of the entries opens (the keys help): the screen stays open under it but is not
  // drawn while it shows. All must outlive the screen.
  OptionsScreen(TextRenderer& text, const DisplayLanguage* language, const Extra* over = nullptr)
      : text_(text), language_(language), over_(over) {}

  // The entries, in their order on the screen (the closing row follows them).
  void SetEntries(std::vector<OptionEntry> entries) { entries_ = std::move(entries); }

  void OnEvent(const GameEvent& event) override;
  bool OnInput(const HostEvent& e) override;
  // The input a change hands to the game (the mute key), at once: the hold lets it through.
  std::optional<HostEvent> Due(int64_t nowMs) override;
  bool HoldsInput() const override { return open_ && !forGame_; }
  bool Visible() const override;
  void DrawOver(Surface& picture) override;

  bool open() const { return open_; }
  // The chosen row: an entry's index, or the number of entries for the closing row.
  int selected() const { return selected_; }
  int rows() const { return static_cast<int>(entries_.size()) + 1; }

 private:
  void Open();
  // Steps the chosen entry by `step` (+1 or -1); `wrap` goes round a Level's ends too.
  void Step(int step, bool wrap);
  void Set(const OptionEntry& entry, int value);
  // Runs the chosen row (an action, or the closing row) or steps it on.
  void Activate();
  void Click(int x, int y);

  TextRenderer& text_;
  const DisplayLanguage* language_;
  std::vector<OptionEntry> entries_;
  const Extra* over_;
  bool open_ = false;
  int selected_ = 0;
  PanelWatch panel_;
  std::optional<HostEvent> forGame_;
};

}  // namespace pp
