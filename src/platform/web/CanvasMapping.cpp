#include "platform/web/CanvasMapping.h"

#include <algorithm>
#include <cmath>

namespace pp {
namespace {

// One axis: `at` of `shown` CSS pixels onto `pixels` picture pixels.
int ToPixel(double at, double shown, int pixels) {
  if (!(shown > 0) || !std::isfinite(at)) return 0;
  const double scaled = std::floor(at * pixels / shown);
  return static_cast<int>(std::clamp(scaled, 0.0, static_cast<double>(pixels - 1)));
}

}  // namespace

PicturePoint ToPicture(double x, double y, double shownWidth, double shownHeight) {
  return {ToPixel(x, shownWidth, kPictureWidth), ToPixel(y, shownHeight, kPictureHeight)};
}

}  // namespace pp
