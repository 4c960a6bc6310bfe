#include "platform/window/PictureLayout.h"

#include <algorithm>

namespace pp {

PictureLayout FitPicture(int windowWidth, int windowHeight) {
  PictureLayout layout;
  layout.scale = std::max(1, std::min(windowWidth / kPictureWidth, windowHeight / kPictureHeight));
  layout.left = std::max(0, (windowWidth - kPictureWidth * layout.scale) / 2);
  layout.top = std::max(0, (windowHeight - kPictureHeight * layout.scale) / 2);
  return layout;
}

PicturePoint WindowToPicture(const PictureLayout& layout, int x, int y) {
  const int px = (std::max(0, x - layout.left)) / layout.scale;
  const int py = (std::max(0, y - layout.top)) / layout.scale;
  return PicturePoint{std::min(px, kPictureWidth - 1), std::min(py, kPictureHeight - 1)};
}

}  // namespace pp
