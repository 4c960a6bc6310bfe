#include "platform/window/FrameChange.h"

#include <algorithm>
#include <cstring>

namespace pp {

std::optional<Rect> ChangedArea(const Surface& before, const Surface& after) {
  const int w = after.width(), h = after.height();
  if (before.width() != w || before.height() != h) return Rect{0, 0, w, h};
  const size_t rowBytes = static_cast<size_t>(w) * sizeof(uint32_t);
  auto rowDiffers = [&](int y) {
    return std::memcmp(before.data() + static_cast<size_t>(y) * w,
                       after.data() + static_cast<size_t>(y) * w, rowBytes) != 0;
  };
  int top = 0;
  while (top < h && !rowDiffers(top)) ++top;
  if (top == h) return std::nullopt;
  int bottom = h;
  while (!rowDiffers(bottom - 1)) --bottom;
  Rect area{w, top, 0, bottom};
  for (int y = top; y < bottom; ++y) {
    const uint32_t* a = before.data() + static_cast<size_t>(y) * w;
    const uint32_t* b = after.data() + static_cast<size_t>(y) * w;
    int left = 0;
    while (left < area.left && a[left] == b[left]) ++left;
    if (left == w) continue;  // an equal row between changed ones
    int right = w;
    while (right > area.right && a[right - 1] == b[right - 1]) --right;
    area.left = std::min(area.left, left);
    area.right = std::max(area.right, right);
  }
  return area;
}

}  // namespace pp
