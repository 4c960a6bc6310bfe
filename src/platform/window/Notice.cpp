#include "platform/window/Notice.h"

#include <algorithm>

namespace pp {
namespace {

constexpr int64_t kSteadyMs = 2500;
constexpr int64_t kFadeMs = 500;
constexpr int kPointSize = 8;
constexpr int kLineHeight = 13;
constexpr int kMargin = 3;

Color Blend(Color a, Color b, int strength) {
  auto channel = [&](int shift) {
    const int ca = static_cast<int>((a >> shift) & 0xFF),
              cb = static_cast<int>((b >> shift) & 0xFF);
    return static_cast<Color>((ca * (256 - strength) + cb * strength) >> 8) << shift;
  };
  return channel(16) | channel(8) | channel(0);
}

// Leaves `s` starting at a UTF-8 character boundary after dropping its first character.
void DropFirstCharacter(std::string& s) {
  size_t n = 1;
  while (n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) ++n;
  s.erase(0, n);
}

}  // namespace

void Notice::Show(std::vector<std::string> lines, int64_t nowMs) {
  lines_ = std::move(lines);
  shownAt_ = nowMs;
  shown_ = !lines_.empty();
}

int Notice::Strength(int64_t nowMs) const {
  if (!shown_) return 0;
  const int64_t age = nowMs - shownAt_;
  if (age < 0 || age >= kSteadyMs + kFadeMs) return 0;
  if (age < kSteadyMs) return 256;
  return static_cast<int>((kSteadyMs + kFadeMs - age) * 256 / kFadeMs);
}

Rect Notice::Area(int pictureWidth, int pictureHeight) const {
  const int height = static_cast<int>(lines_.size()) * kLineHeight + 2 * kMargin;
  return Rect{0, std::max(0, pictureHeight - height), pictureWidth, pictureHeight};
}

void Notice::DrawOnto(Surface& picture, TextRenderer& text, int64_t nowMs) const {
  const int strength = Strength(nowMs);
  if (strength == 0) return;
  const Rect area = Area(picture.width(), picture.height());
  // The band as it looks at full strength: the picture darkened, the lines in white on it.
  Surface band(area.right - area.left, area.bottom - area.top);
  for (int y = 0; y < band.height(); ++y)
    for (int x = 0; x < band.width(); ++x)
      band.SetPixel(x, y, Blend(picture.Pixel(area.left + x, area.top + y), 0, 180));
  TextStyle style;
  style.bold = false;
  style.pointSize = kPointSize;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const std::string line = ElideFront(text, lines_[i], kPointSize, picture.width() - 2 * kMargin);
    text.Draw(band, kMargin, kMargin + static_cast<int>(i) * kLineHeight, line, style);
  }
  for (int y = 0; y < band.height(); ++y)
    for (int x = 0; x < band.width(); ++x) {
      const Color under = picture.Pixel(area.left + x, area.top + y);
      picture.SetPixel(area.left + x, area.top + y, Blend(under, band.Pixel(x, y), strength));
    }
}

std::string ElideFront(TextRenderer& text, const std::string& line, int pointSize, int maxWidth) {
  if (text.Width(line, pointSize, false) <= maxWidth) return line;
  const std::string ellipsis = "…";
  std::string rest = line;
  while (!rest.empty() && text.Width(ellipsis + rest, pointSize, false) > maxWidth)
    DropFirstCharacter(rest);
  return ellipsis + rest;
}

}  // namespace pp
