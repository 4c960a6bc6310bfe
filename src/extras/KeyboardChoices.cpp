#include "extras/KeyboardChoices.h"

#include <string>

#include "gfx/Surface.h"
#include "gfx/Text.h"
#include "platform/InputLayout.h"

namespace pp {
namespace {

// The buttons slide in for about seven frames; their numbers come once they are in place.
constexpr int64_t kSlideInMs = 600;
// A key cap left of each button's rounded end (which a hovered button moves 10 pixels left).
constexpr int kCapLeft = 220, kCapWidth = 12, kCapHeight = 14;
constexpr Color kCapFace = Hex(0x101010);
constexpr Color kCapEdge = Hex(0x8A7A50);
constexpr Color kCapDigit = Hex(0xFFEE99);

bool IsButtonKey(int key) {
  switch (key) {
    case HostKey::kDigit1:
    case HostKey::kDigit2:
    case HostKey::kDigit3:
    case HostKey::kUp:
    case HostKey::kDown:
    case HostKey::kTab:
    case HostKey::kSpace:
    case HostKey::kEnter:
    case HostKey::kPadEnter:
      return true;
    default:
      return false;
  }
}

}  // namespace

void KeyboardChoices::OnEvent(const GameEvent& event) {
  panel_.See(event);
  if (const auto* choices = std::get_if<ChoicesEvent>(&event)) {
    labels_ = choices->labels;
    offered_ = true;
    highlight_ = 0;
    if (now_) offeredAtMs_ = now_();
  } else if (std::holds_alternative<ChosenEvent>(event)) {
    offered_ = false;
    highlight_ = 0;
  }
}

bool KeyboardChoices::Shown(int place) const {
  return offered_ && !labels_[static_cast<size_t>(place - 1)].empty();
}

int KeyboardChoices::ShownButton(int n) const {
  for (int place = 1; place <= 3; ++place)
    if (Shown(place) && --n == 0) return place;
  return 0;
}

int KeyboardChoices::NextShown(int from, int step) const {
  int n = from;
  for (int tries = 0; tries < 3; ++tries) {
    n = (n + step + 2) % 3 + 1;  // 1..3, wrapping both ways
    if (Shown(n)) return n;
  }
  return 0;
}

void KeyboardChoices::Press(int place) {
  HostEvent press;
  press.type = HostEvent::Type::Choose;
  press.value = place;
  due_ = press;
}

bool KeyboardChoices::OnInput(const HostEvent& e) {
  using T = HostEvent::Type;
  if (e.type == T::MouseMove || e.type == T::MouseDown) {
    keysInUse_ = false;
    if (e.type == T::MouseMove) {
      pointerOn_ = ChoiceButtonAt(e.x, e.y);
      highlight_ = 0;
    }
    return false;
  }
  if (e.type != T::Key || !IsButtonKey(e.value)) return false;
  keysInUse_ = true;
  if (e.value >= HostKey::kDigit1 && e.value <= HostKey::kDigit3) {
    // Always the addition's: the n-th shown button, or nothing when fewer are shown (or the
    // panel covers them).
    const int place = ShownButton(e.value - HostKey::kDigit1 + 1);
    if (place != 0 && !panel_.open()) Press(place);
    return true;
  }
  if (panel_.open()) return false;
  if (e.value == HostKey::kUp || e.value == HostKey::kDown || e.value == HostKey::kTab) {
    const int n = NextShown(pointerOn_ == 0 && e.value == HostKey::kUp ? 1 : pointerOn_,
                            e.value == HostKey::kUp ? -1 : 1);
    if (n == 0) return false;
    highlight_ = pointerOn_ = n;
    HostEvent move;
    move.type = T::MouseMove;
    move.x = kChoiceCentreX;
    move.y = ChoiceCentreY(n);
    due_ = move;
    return true;
  }
  // Space, Enter, the keypad's Enter: the highlighted button, else the only one shown.
  const int lone = ShownButton(2) == 0 ? ShownButton(1) : 0;
  const int place = highlight_ != 0 ? highlight_ : lone;
  if (place == 0) return false;
  Press(place);
  return true;
}

std::optional<HostEvent> KeyboardChoices::Due(int64_t /*nowMs*/) {
  std::optional<HostEvent> due = std::move(due_);
  due_.reset();
  return due;
}

bool KeyboardChoices::Visible() const {
  return text_ && keysInUse_ && ShownButton(1) != 0 && !panel_.open() &&
         now_() - offeredAtMs_ >= kSlideInMs;
}

void KeyboardChoices::DrawOver(Surface& picture) {
  for (int n = 1; n <= 3; ++n) {
    const int place = ShownButton(n);
    if (place == 0) break;
    const int top = kChoiceTop[place - 1] + (kChoiceHeight - kCapHeight) / 2;
    picture.SetPen(kCapEdge);
    picture.SetBrush(kCapFace);
    picture.Rectangle(kCapLeft, top, kCapLeft + kCapWidth, top + kCapHeight);
    const std::string digit(1, static_cast<char>('0' + n));
    const int x = kCapLeft + (kCapWidth - text_->Width(digit, 8, true)) / 2 + 1;
    text_->Draw(picture, x, top + 1, digit, TextStyle{8, true, kCapDigit, false, 0});
  }
}

}  // namespace pp
