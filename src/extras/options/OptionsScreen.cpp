#include "extras/options/OptionsScreen.h"

#include <algorithm>

#include "extras/options/OptionsDraw.h"
#include "extras/options/OptionsLayout.h"

namespace pp {

void OptionsScreen::OnEvent(const GameEvent& event) { panel_.See(event); }

void OptionsScreen::Open() {
  open_ = true;
  selected_ = 0;
}

bool OptionsScreen::OnInput(const HostEvent& e) {
  using T = HostEvent::Type;
  if (!open_) {
    if (e.type != T::Key) return false;
    if (e.value != HostKey::kF2 && (e.value != HostKey::kEscape || panel_.open())) return false;
    Open();
    return true;
  }
  switch (e.type) {
    case T::Key:
      switch (e.value) {
        case HostKey::kEscape:
        case HostKey::kF2:
          open_ = false;
          break;
        case HostKey::kUp:
          selected_ = (selected_ + rows() - 1) % rows();
          break;
        case HostKey::kDown:
        case HostKey::kTab:
          selected_ = (selected_ + 1) % rows();
          break;
        case HostKey::kLeft:
          Step(-1, false);
          break;
        case HostKey::kRight:
          Step(1, false);
          break;
        case HostKey::kSpace:
        case HostKey::kEnter:
        case HostKey::kPadEnter:
          Activate();
          break;
        default:
          break;
      }
      break;
    case T::MouseMove:
      if (const int row = options::RowAt(rows(), e.x, e.y); row >= 0) selected_ = row;
      break;
    case T::MouseDown:
      Click(e.x, e.y);
      break;
    default:
      break;
  }
  return true;
}

void OptionsScreen::Set(const OptionEntry& entry, int value) {
  if (value == entry.get()) return;
  if (std::optional<HostEvent> e = entry.set(value)) forGame_ = std::move(e);
}

void OptionsScreen::Step(int step, bool wrap) {
  if (selected_ >= static_cast<int>(entries_.size())) return;
  const OptionEntry& entry = entries_[static_cast<size_t>(selected_)];
  if (entry.kind == OptionEntry::Kind::Action) return;
  const int value = entry.get() + step;
  if (entry.kind == OptionEntry::Kind::Level && !wrap)
    Set(entry, std::clamp(value, 0, entry.count - 1));
  else
    Set(entry, (value + entry.count) % entry.count);
}

void OptionsScreen::Activate() {
  if (selected_ >= static_cast<int>(entries_.size())) {
    open_ = false;
    return;
  }
  const OptionEntry& entry = entries_[static_cast<size_t>(selected_)];
  if (entry.kind == OptionEntry::Kind::Action)
    entry.run();
  else
    Step(1, true);
}

void OptionsScreen::Click(int x, int y) {
  if (!options::InBox(rows(), x, y)) {
    open_ = false;
    return;
  }
  const int row = options::RowAt(rows(), x, y);
  if (row < 0) return;
  selected_ = row;
  if (row >= static_cast<int>(entries_.size())) {
    open_ = false;
    return;
  }
  const OptionEntry& entry = entries_[static_cast<size_t>(row)];
  using Kind = OptionEntry::Kind;
  if (entry.kind == Kind::Action) {
    entry.run();
  } else if (x >= options::kValueX && x < options::kValueX + options::kStepBackWidth) {
    Step(-1, entry.kind != Kind::Level);
  } else if (entry.kind == Kind::Level && x >= options::kBarX) {
    // The cell under the pointer and those before it light up.
    const int cell = (x - options::kBarX) / (options::kCellWidth + options::kCellGap);
    Set(entry, std::clamp(cell + 1, 0, entry.count - 1));
  } else {
    Step(1, true);
  }
}

std::optional<HostEvent> OptionsScreen::Due(int64_t /*nowMs*/) {
  std::optional<HostEvent> due = std::move(forGame_);
  forGame_.reset();
  return due;
}

bool OptionsScreen::Visible() const { return open_ && !(over_ && over_->Visible()); }

void OptionsScreen::DrawOver(Surface& picture) {
  DrawOptions(picture, text_, language_, entries_, selected_);
}

}  // namespace pp
