#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/BmpBuilder.h"
#include "support/Scratch.h"

namespace pp {
namespace {

using testing::BmpLayout;
using testing::BuildBmp;
using testing::Raw;

constexpr Color kP0 = 0x102030, kP1 = 0xA0B0C0, kP2 = 0xFF8800, kP3 = 0x00FF44;

// Pixels row by row from the top.
std::vector<std::vector<Color>> Pixels(const Surface& s) {
  std::vector<std::vector<Color>> rows(s.height());
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x) rows[y].push_back(s.Pixel(x, y));
  return rows;
}

std::vector<std::vector<Color>> Decoded(const BmpLayout& layout) {
  const BitmapResult r = DecodeBmp(BuildBmp(layout));
  EXPECT_TRUE(r.surface) << r.error;
  return r.surface ? Pixels(*r.surface) : std::vector<std::vector<Color>>{};
}

using Rows = std::vector<std::vector<Color>>;

TEST(Bitmap, PalettedDepthsReadTheirIndices) {
  BmpLayout one{.width = 3, .height = 2, .bits = 1};
  one.palette = {kP0, kP1};
  one.pixels = Raw({0xA0, 0, 0, 0, 0x60, 0, 0, 0});  // stored bottom row first
  EXPECT_EQ(Decoded(one), (Rows{{kP0, kP1, kP1}, {kP1, kP0, kP1}}));

  BmpLayout four{.width = 3, .height = 2, .bits = 4, .colorsUsed = 3};
  four.palette = {kP0, kP1, kP2};
  four.pixels = Raw({0x12, 0xF0, 0, 0, 0x20, 0x10, 0, 0});  // index 15 lies past the table
  EXPECT_EQ(Decoded(four), (Rows{{kP2, kP0, kP1}, {kP1, kP2, 0}}));

  BmpLayout eight{.width = 3, .height = 1, .bits = 8};
  eight.palette = {kP0, kP1, kP2, kP3};
  eight.colorsUsed = 4;
  eight.pixels = Raw({3, 0, 2, 0});
  EXPECT_EQ(Decoded(eight), (Rows{{kP3, kP0, kP2}}));

  BmpLayout core{.width = 2, .height = 1, .bits = 8, .infoSize = 12};
  core.palette.assign(256, 0);
  core.palette[7] = kP2;
  core.pixels = Raw({7, 0, 0, 0});
  EXPECT_EQ(Decoded(core), (Rows{{kP2, 0}}));
}

TEST(Bitmap, TrueColourDepthsAndBitFields) {
  BmpLayout rgb555{.width = 2, .height = 2, .bits = 16};
  rgb555.pixels = Raw({0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0x10, 0x42});
  EXPECT_EQ(Decoded(rgb555), (Rows{{0x0000FF, 0x848484}, {0xFF0000, 0x00FF00}}));

  BmpLayout rgb565{.width = 2, .height = 1, .bits = 16, .compression = 3};
  rgb565.masks = {0xF800, 0x07E0, 0x001F};
  rgb565.pixels = Raw({0xE0, 0x07, 0x00, 0x04});
  EXPECT_EQ(Decoded(rgb565), (Rows{{0x00FF00, 0x008200}}));

  BmpLayout bgr{.width = 2, .height = -2, .bits = 24};  // top-down
  bgr.pixels = Raw({0x30, 0x20, 0x10, 1, 2, 3, 0, 0, 0xC0, 0xB0, 0xA0, 0, 0, 0xFF, 0, 0});
  EXPECT_EQ(Decoded(bgr), (Rows{{kP0, 0x030201}, {kP1, 0xFF0000}}));

  BmpLayout coreBgr{.width = 1, .height = 1, .bits = 24, .infoSize = 12};
  coreBgr.pixels = Raw({0x00, 0x88, 0xFF, 0});
  EXPECT_EQ(Decoded(coreBgr), (Rows{{kP2}}));

  BmpLayout bgrx{.width = 1, .height = 1, .bits = 32};
  bgrx.pixels = Raw({0x44, 0xFF, 0x00, 0x99});  // the fourth byte is ignored
  EXPECT_EQ(Decoded(bgrx), (Rows{{kP3}}));

  BmpLayout rgba{.width = 1, .height = 1, .bits = 32, .compression = 3, .infoSize = 124};
  rgba.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
  rgba.pixels = Raw({0xA0, 0xB0, 0xC0, 0xFF});
  EXPECT_EQ(Decoded(rgba), (Rows{{kP1}}));
}

TEST(Bitmap, RunLengthCodesWithSkipsAndLiterals) {
  BmpLayout rle8{.width = 4, .height = 3, .bits = 8, .compression = 1};
  rle8.palette = {kP0, kP1, kP2, kP3};
  rle8.colorsUsed = 4;
  rle8.pixels = Raw({3, 1, 0, 0,                // bottom row: three of index 1
                     0, 3, 2, 3, 1, 0, 0, 0,    // literal 2 3 1, padded to a word
                     0, 2, 2, 0, 1, 3, 0, 1});  // skip two, one of index 3, end
  EXPECT_EQ(Decoded(rle8), (Rows{{0, 0, kP3, 0}, {kP2, kP3, kP1, 0}, {kP1, kP1, kP1, 0}}));

  BmpLayout rle4{.width = 5, .height = 2, .bits = 4, .compression = 2};
  rle4.palette = {kP0, kP1, kP2, kP3};
  rle4.colorsUsed = 4;
  rle4.pixels = Raw({5, 0x12, 0, 0, 0, 3, 0x31, 0x20, 0, 1});
  EXPECT_EQ(Decoded(rle4), (Rows{{kP3, kP1, kP2, 0, 0}, {kP1, kP2, kP1, kP2, kP1}}));

  // Runs past the right edge are dropped, and the code may stop without its end mark.
  BmpLayout wide{.width = 2, .height = 1, .bits = 8, .compression = 1};
  wide.palette = {kP0, kP1};
  wide.colorsUsed = 2;
  wide.pixels = Raw({200, 1});
  EXPECT_EQ(Decoded(wide), (Rows{{kP1, kP1}}));
}

TEST(Bitmap, SaveAndLoadRoundTrip) {
  Surface s(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      s.SetPixel(x, y, static_cast<Color>(0x0F1E2D * (x + 1) + y * 0x40) & 0xFFFFFF);
  const auto path = test::ScratchPath("roundtrip.bmp");
  ASSERT_TRUE(SaveBmp(s, path));
  EXPECT_EQ(std::filesystem::file_size(path), 54u + 3 * 16);  // rows padded to 16 bytes
  const BitmapResult loaded = LoadBmp(path);
  std::filesystem::remove(path);
  ASSERT_TRUE(loaded.surface) << loaded.error;
  EXPECT_EQ(Pixels(*loaded.surface), Pixels(s));
  EXPECT_FALSE(SaveBmp(s, "/nonexistent-folder/x.bmp"));
  EXPECT_FALSE(SaveBmp(Surface(), path));
}

void ExpectRejected(const std::string& bytes, const std::string& message) {
  const BitmapResult r = DecodeBmp(bytes);
  EXPECT_FALSE(r.surface) << message;
  EXPECT_NE(r.error.find(message), std::string::npos) << r.error;
}

TEST(Bitmap, MalformedFilesAreRejectedWithAReason) {
  ExpectRejected("", "not a BMP file");
  ExpectRejected("GIF89a............................", "not a BMP file");
  ExpectRejected(BuildBmp({.infoSize = 20}), "unsupported header size 20");
  ExpectRejected(BuildBmp({.width = 0}), "out of range");
  ExpectRejected(BuildBmp({.width = 16385}), "out of range");
  ExpectRejected(BuildBmp({.height = std::numeric_limits<int32_t>::min()}), "out of range");
  ExpectRejected(BuildBmp({.bits = 2}), "unsupported bit depth 2");
  ExpectRejected(BuildBmp({.bits = 16, .infoSize = 12}), "unsupported bit depth 16");
  ExpectRejected(BuildBmp({.compression = 4}), "compression 4 not supported");
  ExpectRejected(BuildBmp({.bits = 24, .compression = 3, .masks = {1, 2, 4}}), "bit fields need");
  ExpectRejected(BuildBmp({.bits = 16, .compression = 3, .masks = {0x0F0F, 0xF0, 0}}),
                 "not contiguous");
  ExpectRejected(BuildBmp({.bits = 16, .compression = 3, .masks = {0x1F0000, 0, 0}}),
                 "not contiguous");
  ExpectRejected(BuildBmp({.bits = 8, .compression = 2}), "RLE4 with 8 bits");
  ExpectRejected(
      BuildBmp({.height = -1, .bits = 8, .compression = 1, .palette = {0}, .colorsUsed = 1}),
      "cannot be top-down");
  ExpectRejected(BuildBmp({.bits = 8, .palette = {0, 0}}), "colour table truncated");
  ExpectRejected(BuildBmp({.width = 100, .height = 100, .pixels = std::string(10, 'x')}),
                 "pixel data truncated");
  ExpectRejected(BuildBmp({.pixels = "abcd", .offBitsDelta = 4}), "offset out of file");
  // A header that claims a huge compressed picture with almost no data behind it.
  ExpectRejected(BuildBmp({.width = 16384,
                           .height = 16384,
                           .bits = 8,
                           .compression = 1,
                           .palette = {0},
                           .colorsUsed = 1,
                           .pixels = Raw({0, 1})}),
                 "compressed data too short");
  ExpectRejected(BuildBmp({.width = 4,
                           .bits = 8,
                           .compression = 1,
                           .palette = {0},
                           .colorsUsed = 1,
                           .pixels = Raw({0, 4, 1})}),
                 "compressed data truncated");
  const BitmapResult missing = LoadBmp("/nonexistent-folder/title.bmp");
  EXPECT_FALSE(missing.surface);
  EXPECT_NE(missing.error.find("/nonexistent-folder/title.bmp"), std::string::npos);
}

TEST(Bitmap, EveryCutOfAGoodFileFailsCleanlyOrDecodes) {
  BmpLayout rle{
      .width = 4, .height = 2, .bits = 8, .compression = 1, .palette = {kP0, kP1}, .colorsUsed = 2};
  rle.pixels = Raw({0, 3, 1, 0, 1, 0, 0, 0, 2, 1, 0, 1});
  BmpLayout bits{.width = 3, .height = 2, .bits = 16, .compression = 3, .infoSize = 56};
  bits.masks = {0xF800, 0x07E0, 0x001F};
  bits.pixels = std::string(16, '\x5A');
  for (const BmpLayout& layout : {rle, bits}) {
    const std::string whole = BuildBmp(layout);
    ASSERT_TRUE(DecodeBmp(whole).surface);
    for (size_t n = 0; n < whole.size(); ++n) {
      const BitmapResult r = DecodeBmp(std::string_view(whole).substr(0, n));
      if (!r.surface) {
        EXPECT_FALSE(r.error.empty()) << n;
      }
      if (n < 54) {
        EXPECT_FALSE(r.surface) << n;
      }
    }
  }
}

}  // namespace
}  // namespace pp
