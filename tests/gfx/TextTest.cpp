#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "gfx/FreeTypeGlyphs.h"
#include "gfx/Text.h"
#include "support/Scratch.h"
#include "support/SeededRun.h"

namespace pp {
namespace {

constexpr Color kInk = 0xFFFFFF, kPaper = 0x000000, kCell = 0x202020;

class Text : public ::testing::Test {
 protected:
  TextRenderer text;

  // Lit pixels of `s` drawn alone at (2, 2) on a black surface.
  Surface Render(std::string_view s, int pointSize, bool bold) {
    Surface out(120, 30, kPaper);
    TextStyle style;
    style.pointSize = pointSize;
    style.bold = bold;
    style.color = kInk;
    text.Draw(out, 2, 2, s, style);
    return out;
  }
};

bool SamePixels(const Surface& a, const Surface& b) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

int CountInk(const Surface& s) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x) n += s.Pixel(x, y) == kInk;
  return n;
}

TEST_F(Text, PointsBecomePixelsAt96Dpi) {
  EXPECT_EQ(text.Height(7), 9);
  EXPECT_EQ(text.Height(8), 11);
  EXPECT_EQ(text.Height(10), 13);
}

TEST_F(Text, BoldWidensEachGlyphByOnePixel) {
  for (std::string s : {"LV:12 exp:30/220", "死ぬまで後 365日", "金:￥100円"}) {
    int glyphs = 0;
    for (unsigned char c : s) glyphs += (c & 0xC0) != 0x80;
    EXPECT_EQ(text.Width(s, 8, true), text.Width(s, 8, false) + glyphs) << s;
  }
  EXPECT_GT(text.Width("あ", 10, false), text.Width("あ", 8, false));
  EXPECT_EQ(text.Width("", 8, true), 0);
}

TEST_F(Text, BoldStrikesTheGlyphTwiceOnePixelApart) {
  const Surface plain = Render("冒険", 8, false);
  const Surface bold = Render("冒険", 8, true);
  // Within the first glyph (before the advance differs), bold = plain OR plain shifted right.
  const int firstAdvance = text.Width("冒", 8, false);
  for (int y = 0; y < 30; ++y)
    for (int x = 2; x < 2 + firstAdvance; ++x) {
      const bool expected = plain.Pixel(x, y) == kInk || plain.Pixel(x - 1, y) == kInk;
      ASSERT_EQ(bold.Pixel(x, y) == kInk, expected) << x << "," << y;
    }
}

TEST_F(Text, DrawsInsideTheCellBelowItsTopLeftCorner) {
  const Surface s = Render("H", 8, false);
  int top = 99, bottom = -1, left = 99;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 120; ++x)
      if (s.Pixel(x, y) == kInk) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        left = std::min(left, x);
      }
  ASSERT_GE(bottom, 0) << "nothing drawn";
  EXPECT_GE(top, 2);
  EXPECT_GE(left, 2);
  EXPECT_EQ(bottom, 2 + 9);  // sits on the baseline, ten pixels below the cell's top
  // No grey: the glyphs are drawn without anti-aliasing.
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 120; ++x) ASSERT_TRUE(s.Pixel(x, y) == kInk || s.Pixel(x, y) == kPaper);
}

// Whether some row of the drawing is lit across at least 3/5 of the ink's width: the bars of a
// yen sign, which a backslash never has.
bool HasCrossBar(const Surface& s) {
  int left = s.width(), right = -1;
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x)
      if (s.Pixel(x, y) == kInk) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  for (int y = 0; y < s.height(); ++y) {
    int lit = 0;
    for (int x = 0; x < s.width(); ++x) lit += s.Pixel(x, y) == kInk;
    if (right >= left && 5 * lit >= 3 * (right - left + 1)) return true;
  }
  return false;
}

TEST_F(Text, BackslashDrawsAsTheYenSign) {
  for (int points : {7, 8, 10}) EXPECT_TRUE(HasCrossBar(Render("\\", points, false))) << points;
  EXPECT_FALSE(HasCrossBar(Render("/", 10, false)));
}

TEST(TextFont, FacesWithABackslashDrawTheYenSignInstead) {
  const char* latin = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  if (!std::filesystem::exists(latin)) GTEST_SKIP() << "no DejaVu Sans here";
  TextRenderer text(latin);
  TextStyle style;
  style.color = kInk;
  Surface backslash(40, 20, kPaper), yen(40, 20, kPaper);
  text.Draw(backslash, 2, 2, "\\", style);
  text.Draw(yen, 2, 2, "¥", style);
  EXPECT_TRUE(SamePixels(backslash, yen));
}

TEST_F(Text, OpaqueFillsTheCellClearLeavesTheBackground) {
  Surface s(60, 20, kPaper);
  TextStyle style;
  style.color = kInk;
  style.opaque = true;
  style.background = kCell;
  const int end = text.Draw(s, 3, 4, "-CLICK", style);
  EXPECT_EQ(end, 3 + text.Width("-CLICK", 8, true));
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) {
      const bool inCell = x >= 3 && x < end && y >= 4 && y < 4 + 11;
      if (!inCell)
        ASSERT_EQ(s.Pixel(x, y), kPaper) << x << "," << y;
      else
        ASSERT_NE(s.Pixel(x, y), kPaper) << x << "," << y;
    }
  style.opaque = false;
  Surface clear(60, 20, kPaper);
  text.Draw(clear, 3, 4, "-CLICK", style);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) ASSERT_NE(clear.Pixel(x, y), kCell);
}

TEST_F(Text, ClipsAtTheEdgesAndSurvivesBrokenText) {
  Surface s(10, 10, kPaper);
  TextStyle style;
  style.color = kInk;
  text.Draw(s, -5, -6, "境界まで後", style);
  text.Draw(s, 8, 8, "境界まで後", style);
  text.Draw(s, 2147483000, -2147483000, "AU", style);
  EXPECT_GT(CountInk(s), 0);
  // Every byte of a cut or invalid sequence reads as one replacement character.
  const std::string replacement = "\xEF\xBF\xBD";
  EXPECT_EQ(
      text.Width("A\xE3\x81"
                 "B\xFF\xC0\xAF",
                 8, false),
      text.Width("A" + replacement + replacement + "B" + replacement + replacement + replacement, 8,
                 false));
  EXPECT_EQ(text.Width("\xE3\x81", 8, false), text.Width(replacement + replacement, 8, false));
}

TEST(TextFont, ABitmapFontDrawsWhatItHasAndTheOutlineFontTheRest) {
  // A JIS X 0208 strike of 12 dots: full-width characters only, no ASCII, no half-width kana.
  const char* bitmap = "/usr/share/fonts/X11/misc/shnmk12.pcf.gz";
  if (!std::filesystem::exists(bitmap)) GTEST_SKIP() << "xfonts-shinonome is not installed";
  TextRenderer chain(bitmap);
  TextRenderer outline;
  for (const char* own : {"腹", "麻", "痺", "獄", "あ", "ア", "￥", "★"})
    EXPECT_EQ(chain.FaceOf(own, 8), 0) << own;
  for (const char* lacking : {"A", "0", "ｽ", "ﾟ", "\\"}) {
    EXPECT_EQ(chain.FaceOf(lacking, 8), 1) << lacking;
    EXPECT_EQ(chain.Width(lacking, 8, true), outline.Width(lacking, 8, true)) << lacking;
  }
  EXPECT_EQ(chain.FaceOf("腹", 7), 1) << "no strike near 9 pixels: the outline draws it";
  EXPECT_EQ(chain.FaceOf("\xEE\x80\x80", 8), -1) << "a character no font has";
  EXPECT_EQ(chain.Width("腹", 8, false), 12);

  TextStyle style;
  style.color = kInk;
  Surface bitmapInk(40, 20, kPaper), outlineInk(40, 20, kPaper);
  chain.Draw(bitmapInk, 2, 2, "腹", style);
  outline.Draw(outlineInk, 2, 2, "腹", style);
  EXPECT_GT(CountInk(bitmapInk), 0);
  EXPECT_FALSE(SamePixels(bitmapInk, outlineInk));
}

// English is drawn with the Latin face: its font's own pixels, not the outline font's, at every
// size the game draws; what that font lacks comes from the Japanese face.
TEST(TextFont, TheLatinFaceDrawsWithTheLatinFont) {
  const std::vector<std::string> latinFiles = LatinFontFiles();
  if (latinFiles.empty()) GTEST_SKIP() << "xfonts-75dpi is not installed";
  TextRenderer text;
  TextRenderer latinFont(latinFiles.front());  // its 8, 9 and 10 points' strike, chosen alone
  const auto drawn = [](TextRenderer& r, int points, Face face) {
    Surface out(120, 20, kPaper);
    r.Draw(out, 2, 2, "Adventure ¥50", TextStyle{points, true, kInk, false, 0, face});
    return out;
  };
  for (int points : {8, 9, 10}) {
    const Surface english = drawn(text, points, Face::Latin);
    EXPECT_GT(CountInk(english), 60);
    EXPECT_TRUE(SamePixels(english, drawn(latinFont, points, Face::Japanese))) << points;
    EXPECT_FALSE(SamePixels(english, drawn(text, points, Face::Japanese))) << points;
  }
  EXPECT_EQ(text.Width("腹", 8, true, Face::Latin), text.Width("腹", 8, true, Face::Japanese));
}

TEST(TextFont, ASeededRunGivesTheSameEventsWithABitmapFont) {
  const char* bitmap = "/usr/share/fonts/X11/misc/shnmk12.pcf.gz";
  if (!std::filesystem::exists(bitmap)) GTEST_SKIP() << "xfonts-shinonome is not installed";
  const std::string script = test::LongScript();
  test::SeededRunOptions chosen;
  chosen.fontPath = bitmap;
  const std::vector<std::string> plain = test::PlaySeeded(script, 13);
  ASSERT_GT(plain.size(), 500u);
  EXPECT_EQ(plain, test::PlaySeeded(script, 13, chosen));
}

TEST(TextFont, AFileThatIsNoFontIsRefusedByName) {
  const auto path = test::ScratchPath("not-a-font.ttf");
  { std::ofstream(path) << "not a font"; }
  try {
    TextRenderer text(path.string());
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find(path.string()), std::string::npos) << e.what();
  }
  std::filesystem::remove(path);
}

TEST(TextFont, MissingFontNamesTheFile) {
  try {
    TextRenderer missing("/nonexistent/font.ttf");
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent/font.ttf"), std::string::npos);
  }
}

}  // namespace
}  // namespace pp
