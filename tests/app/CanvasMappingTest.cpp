#include <gtest/gtest.h>

#include <limits>

#include "platform/web/CanvasMapping.h"

namespace pp {
namespace {

TEST(CanvasMapping, PointsOnTheShownCanvasLandOnThePixelUnderThem) {
  // Three times as large: each picture pixel covers three CSS pixels.
  EXPECT_EQ(ToPicture(0, 0, 1170, 780).x, 0);
  EXPECT_EQ(ToPicture(2.9, 2.9, 1170, 780).y, 0);
  EXPECT_EQ(ToPicture(3, 3, 1170, 780).x, 1);
  const PicturePoint button3 = ToPicture(342 * 3 + 1, 232 * 3 + 2, 1170, 780);
  EXPECT_EQ(button3.x, 342);
  EXPECT_EQ(button3.y, 232);
  // A touch screen with a fractional scale (fullscreen on a phone): 390 picture pixels on 731.25.
  const PicturePoint tap = ToPicture(731.0, 487.4, 731.25, 487.5);
  EXPECT_EQ(tap.x, 389);
  EXPECT_EQ(tap.y, 259);
  // A finger sliding off the canvas stays on its edge; nothing shown maps to the corner.
  EXPECT_EQ(ToPicture(-40, 900, 1170, 780).x, 0);
  EXPECT_EQ(ToPicture(-40, 900, 1170, 780).y, 259);
  EXPECT_EQ(ToPicture(5000, 10, 1170, 780).x, 389);
  EXPECT_EQ(ToPicture(10, 10, 0, 0).x, 0);
  EXPECT_EQ(ToPicture(std::numeric_limits<double>::infinity(), 10, 390, 260).x, 0);
}

}  // namespace
}  // namespace pp
