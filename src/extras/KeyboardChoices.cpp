#include "extras/KeyboardChoices.h"

#include "platform/InputLayout.h"

namespace pp {

void KeyboardChoices::OnEvent(const GameEvent& event) {
  panel_.See(event);
  if (const auto* choices = std::get_if<ChoicesEvent>(&event)) {
    labels_ = choices->labels;
    highlight_ = 0;
  } else if (std::holds_alternative<ChosenEvent>(event)) {
    highlight_ = 0;
  }
}

int KeyboardChoices::NextVisible(int from, int step) const {
  int n = from;
  for (int tries = 0; tries < 3; ++tries) {
    n = (n + step + 2) % 3 + 1;  // 1..3, wrapping both ways
    if (!labels_[static_cast<size_t>(n - 1)].empty()) return n;
  }
  return 0;
}

bool KeyboardChoices::OnInput(const HostEvent& e) {
  using T = HostEvent::Type;
  if (e.type == T::MouseMove) {
    pointerOn_ = ChoiceButtonAt(e.x, e.y);
    highlight_ = 0;
    return false;
  }
  if (e.type != T::Key || panel_.open()) return false;
  if (e.value == HostKey::kUp || e.value == HostKey::kDown || e.value == HostKey::kTab) {
    const int n = NextVisible(pointerOn_ == 0 && e.value == HostKey::kUp ? 1 : pointerOn_,
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
  if ((e.value == HostKey::kSpace || e.value == HostKey::kPadEnter) && highlight_ != 0) {
    HostEvent press;
    press.type = T::Choose;
    press.value = highlight_;
    due_ = press;
    return true;
  }
  return false;
}

std::optional<HostEvent> KeyboardChoices::Due(int64_t /*nowMs*/) {
  std::optional<HostEvent> due = std::move(due_);
  due_.reset();
  return due;
}

}  // namespace pp
