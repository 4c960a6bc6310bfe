#include "extras/AutoAdvance.h"

#include "core/Utf8.h"
#include "gfx/Surface.h"
#include "platform/InputLayout.h"

namespace pp {
namespace {

// Longer gaps between two questions mean the input was held (an open log, a dialog): that
// time is not reading time.
constexpr int64_t kLongestCountedGapMs = 100;

constexpr int kMarkerRight = 386, kMarkerTop = 4, kMarkerHeight = 9;
constexpr Color kMarkerColour = Hex(0xFFFF88);

int64_t CountCharacters(std::string_view text) {
  int64_t count = 0;
  for (size_t pos = 0; pos < text.size(); ++count) NextCodePoint(text, pos);
  return count;
}

// A triangle pointing right with its tip at x = `right`.
void DrawTriangle(Surface& s, int right) {
  const int half = kMarkerHeight / 2;
  for (int row = 0; row < kMarkerHeight; ++row) {
    const int width = half - (row < half ? half - row : row - half) + 1;
    const int left = right - half - 1;
    s.FillRect(left, kMarkerTop + row, left + width, kMarkerTop + row + 1, kMarkerColour);
  }
}

}  // namespace

ReadingTime ReadingTimeFrom(const Settings& settings) {
  return {settings.Get(SettingKeys::kAutoReadingBaseMs),
          settings.Get(SettingKeys::kAutoReadingPerCharacterMs)};
}

void AutoAdvance::OnEvent(const GameEvent& event) {
  panel_.See(event);
  if (const auto* message = std::get_if<MessageEvent>(&event)) {
    charactersSinceWait_ += CountCharacters(message->text);
  } else if (std::holds_alternative<ClickWaitEvent>(event)) {
    waitOpen_ = true;
    waitReadingMs_ = readingTime_.For(charactersSinceWait_);
    readMs_ = 0;
    charactersSinceWait_ = 0;
  } else if (std::holds_alternative<ChosenEvent>(event)) {
    waitOpen_ = false;
  }
}

bool AutoAdvance::OnInput(const HostEvent& e) {
  using T = HostEvent::Type;
  if (e.type == T::Key && e.value == HostKey::kA) {
    autoOn_ = !autoOn_;
    return true;
  }
  if ((e.type == T::Key || e.type == T::KeyUp) && e.value == HostKey::kControl) {
    fastForward_ = e.type == T::Key;
    return true;
  }
  if (e.type == T::MouseDown || e.type == T::Choose ||
      (e.type == T::Key && e.value == HostKey::kSpace))
    waitOpen_ = false;
  return false;
}

std::optional<HostEvent> AutoAdvance::Due(int64_t nowMs) {
  const int64_t gap = lastAskedMs_ ? nowMs - *lastAskedMs_ : 0;
  lastAskedMs_ = nowMs;
  if (!waitOpen_ || panel_.open()) return std::nullopt;
  if (gap > 0 && gap <= kLongestCountedGapMs) readMs_ += gap;
  if (!fastForward_ && !(autoOn_ && readMs_ >= waitReadingMs_)) return std::nullopt;
  waitOpen_ = false;
  HostEvent click;
  click.type = HostEvent::Type::MouseDown;
  click.x = kPictureClickX;
  click.y = kPictureClickY;
  return click;
}

void AutoAdvance::DrawOver(Surface& picture) {
  DrawTriangle(picture, kMarkerRight);
  if (fastForward_) DrawTriangle(picture, kMarkerRight - kMarkerHeight / 2 - 2);
}

}  // namespace pp
