// The program's icon: each size drawn from the largest canvas that divides it, corners rounded.

#include <gtest/gtest.h>

#include <stdexcept>

#include "datagen/Icons.h"

namespace pp::datagen {
namespace {

Sources TestSources() {
  Sources src;
  src.palette = Palette::Parse("0 #000000 black\n1 #FF0000 red\n2 #00FF00 green\n");
  return src;
}

SceneTable Canvases(const std::string& text) { return ParseScenes(text); }

TEST(Icons, EverySizeComesFromTheLargestCanvasThatDividesItWithRoundedCorners) {
  const Sources src = TestSources();
  const auto icons =
      RenderIcons(Canvases("scene small 16 16\n fill 1\nend\nscene large 32 32\n fill 2\nend\n"
                           "scene medium 24 24\n fill 1\n rect 0 0 1 24 2\nend\n"),
                  src);
  ASSERT_EQ(icons.size(), kIconSizes.size());
  const uint8_t red = src.palette.Index('1'), green = src.palette.Index('2');
  for (const auto& [size, img] : icons) {
    ASSERT_EQ(img.width, size);
    ASSERT_EQ(img.height, size);
    const int canvas = size % 32 == 0 ? 32 : size % 24 == 0 ? 24 : 16;
    const int factor = size / canvas;
    EXPECT_EQ(img.At(size / 2, size / 2), canvas == 32 ? green : red) << size;
    if (canvas == 24) {  // the green column is `factor` pixels wide
      EXPECT_EQ(img.At(factor - 1, size / 2), green) << size;
      EXPECT_EQ(img.At(factor, size / 2), red) << size;
    }
    // The corner pixel is cut at every size; the one inside the curve stays.
    for (auto [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}})
      EXPECT_EQ(img.At(x, y), kTransparent) << size << " at " << x << "," << y;
    EXPECT_NE(img.At(factor * (canvas / 16 + 1), factor * (canvas / 16 + 1)), kTransparent);
  }
}

TEST(Icons, TheMaskableIconKeepsItsCorners) {
  const Sources src = TestSources();
  const auto icons =
      RenderIcons(Canvases("scene m 32 32\n fill 1\nend\n"), src, kMaskableIconSizes, false);
  for (const auto& [size, img] : icons)
    for (auto [x, y] : {std::pair{0, 0}, {size - 1, size - 1}})
      EXPECT_EQ(img.At(x, y), src.palette.Index('1')) << size << ": the corner stays";
}

TEST(Icons, CanvasesThatCannotMakeTheSizesAreRefused) {
  const Sources src = TestSources();
  auto error = [&](const std::string& text) {
    try {
      RenderIcons(Canvases(text), src);
    } catch (const std::runtime_error& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  EXPECT_NE(error("scene wide 32 16\n fill 1\nend\n").find("square"), std::string::npos);
  EXPECT_NE(error("scene a 16 16\nend\nscene b 16 16\nend\n").find("second canvas"),
            std::string::npos);
  EXPECT_NE(error("scene a 32 32\nend\n").find("divides 16"), std::string::npos);
}

}  // namespace
}  // namespace pp::datagen
