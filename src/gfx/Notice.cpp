#include "gfx/Notice.h"

#include <algorithm>

namespace pp {
namespace {

constexpr int kPointSize = 8;
constexpr int kLineHeight = 13;
constexpr int kMargin = 3;
// The top-right box keeps this far from the picture's edges.
constexpr int kCornerGap = 4;
// How far the notice darkens what lies under it, of 256.
constexpr int kShade = 180;

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
  if (age < 0 || age >= style_.steadyMs + style_.fadeMs) return 0;
  if (age < style_.steadyMs) return 256;
  return static_cast<int>((style_.steadyMs + style_.fadeMs - age) * 256 / style_.fadeMs);
}

std::string Notice::FittedLine(TextRenderer& text, const std::string& line, int width) const {
  return ElideFront(text, line, kPointSize, width - 2 * kMargin - 2 * kCornerGap);
}

Rect Notice::Area(int width, int height, TextRenderer& text) const {
  const int bandHeight = static_cast<int>(lines_.size()) * kLineHeight + 2 * kMargin;
  if (style_.place == Place::Bottom)
    return Rect{0, std::max(0, height - bandHeight), width, height};
  int widest = 0;
  for (const std::string& line : lines_)
    widest = std::max(widest, text.Width(FittedLine(text, line, width), kPointSize, false));
  const int right = width - kCornerGap;
  return Rect{std::max(0, right - widest - 2 * kMargin), kCornerGap, right,
              std::min(height, kCornerGap + bandHeight)};
}

void Notice::DrawOnto(Surface& picture, TextRenderer& text, int64_t nowMs) const {
  const int strength = Strength(nowMs);
  if (strength == 0) return;
  const Rect area = Area(picture.width(), picture.height(), text);
  // The notice as it looks at full strength: the picture darkened, the lines lettered on it.
  Surface band(area.right - area.left, area.bottom - area.top);
  for (int y = 0; y < band.height(); ++y)
    for (int x = 0; x < band.width(); ++x)
      band.SetPixel(x, y, Blend(picture.Pixel(area.left + x, area.top + y), 0, kShade));
  TextStyle style;
  style.bold = false;
  style.pointSize = kPointSize;
  style.color = style_.textColour;
  for (size_t i = 0; i < lines_.size(); ++i)
    text.Draw(band, kMargin, kMargin + static_cast<int>(i) * kLineHeight,
              FittedLine(text, lines_[i], picture.width()), style);
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
