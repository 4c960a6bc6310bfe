#include "extras/Notice.h"

#include <algorithm>

#include "gfx/Surface.h"
#include "gfx/Text.h"

namespace pp {
namespace {

constexpr int kPoints = 8;
constexpr int kRight = 384, kTop = 4, kPad = 3;
constexpr Color kTextColour = Hex(0xFFDD66);

// `c` moved toward `target` by `weight` (0..256).
Color Blend(Color c, Color target, int weight) {
  Color out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int a = static_cast<int>((c >> shift) & 0xFF);
    const int b = static_cast<int>((target >> shift) & 0xFF);
    out |= static_cast<Color>(a + (b - a) * weight / 256) << shift;
  }
  return out;
}

}  // namespace

void Notice::Show(std::string line) {
  line_ = std::move(line);
  shownAt_ = now_();
}

bool Notice::OnInput(const HostEvent& e) {
  if (e.type == HostEvent::Type::Key && e.value == kMuteKey) {
    muted_ = !muted_;
    Show(muted_ ? "Sound off (M)" : "Sound on (M)");
  }
  return false;
}

bool Notice::Visible() const { return !line_.empty() && now_() - shownAt_ < kShownMs + kFadeMs; }

void Notice::DrawOver(Surface& picture) {
  const int64_t age = now_() - shownAt_;
  const int64_t fading = std::clamp<int64_t>(age - kShownMs, 0, kFadeMs);
  const int weight = static_cast<int>(256 - fading * 256 / kFadeMs);
  const int width = text_.Width(line_, kPoints, false);
  const int left = kRight - width - 2 * kPad;
  const int bottom = kTop + text_.Height(kPoints) + 2 * kPad;
  // The box darkens the scene and the text lightens it, both by the weight that is left.
  for (int y = kTop; y < bottom; ++y)
    for (int x = left; x < kRight; ++x)
      picture.SetPixel(x, y, Blend(picture.Pixel(x, y), 0, weight * 3 / 4));
  Surface glyphs(width, text_.Height(kPoints));
  text_.Draw(glyphs, 0, 0, line_, TextStyle{kPoints, false, kTextColour, false, 0});
  for (int y = 0; y < glyphs.height(); ++y)
    for (int x = 0; x < glyphs.width(); ++x) {
      if (glyphs.Pixel(x, y) == 0) continue;
      const int px = left + kPad + x, py = kTop + kPad + y;
      picture.SetPixel(px, py, Blend(picture.Pixel(px, py), kTextColour, weight));
    }
}

}  // namespace pp
