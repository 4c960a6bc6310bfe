#include "extras/KeyNotice.h"

namespace pp {

KeyNotice::KeyNotice(TextRenderer& text, std::function<int64_t()> now, bool muted)
    : text_(text),
      now_(std::move(now)),
      muted_(muted),
      notice_({Notice::Place::TopRight, Hex(0xFFDD66), kShownMs, kFadeMs}) {}

bool KeyNotice::OnInput(const HostEvent& e) {
  if (e.type == HostEvent::Type::Key && e.value == kMuteKey) {
    muted_ = !muted_;
    notice_.Show({muted_ ? "Sound off (M)" : "Sound on (M)"}, now_());
  }
  return false;
}

bool KeyNotice::Visible() const { return notice_.Strength(now_()) > 0; }

void KeyNotice::DrawOver(Surface& picture) { notice_.DrawOnto(picture, text_, now_()); }

}  // namespace pp
