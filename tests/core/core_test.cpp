#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>

#include "core/Cp932.h"
#include "core/FileLookup.h"
#include "core/Int32.h"
#include "core/Json.h"
#include "core/Random.h"
#include "support/Scratch.h"

namespace pp {
namespace {

TEST(RandomTest, MatchesHandComputedSequence) {
  // seed' = seed * 134775813 + 1 (mod 2^32); result = high half of seed' * n.
  RandomGenerator r(12345);
  EXPECT_EQ(r.Next(100), 38);  // seed 1655067934
  EXPECT_EQ(r.seed(), 1655067934u);
  EXPECT_EQ(r.Next(6), 1);      // seed 1242767767
  EXPECT_EQ(r.Next(1000), 79);  // seed 342459380
  r.Next(0);
  r.Next(-5);
  EXPECT_EQ(r.Next(INT32_MAX), 733578529);
}

TEST(RandomTest, NonPositiveRangeStillStepsTheGenerator) {
  RandomGenerator a(7), b(7);
  EXPECT_EQ(a.Next(0), 0);
  EXPECT_EQ(a.Next(-5), 0);
  b.Next(1);
  b.Next(1);
  EXPECT_EQ(a.seed(), b.seed());
}

TEST(Int32Test, WrapsInsteadOfOverflowing) {
  EXPECT_EQ(Add32(INT32_MAX, 1), INT32_MIN);
  EXPECT_EQ(Sub32(INT32_MIN, 1), INT32_MAX);
  EXPECT_EQ(Mul32(65536, 65536), 0);
  EXPECT_EQ(Mul32(999999999, 10), static_cast<int32_t>(9999999990LL - 2 * 4294967296LL));
  EXPECT_EQ(Div32(-7, 2), -3);
  EXPECT_EQ(Div32(INT32_MIN, -1), INT32_MIN);
  EXPECT_EQ(Div32(5, 0), 0);
  EXPECT_EQ(Abs32(INT32_MIN), INT32_MIN);
}

TEST(Cp932Test, RoundTripsJapaneseAndHalfWidthKana) {
  const std::string text = "最深到達レベル: ｽﾃｯﾊﾟｰｽﾞ･ﾉﾝｽﾄｯﾌﾟ ＜３番目＞ ★ ￥";
  auto bytes = Utf8ToCp932(text);
  ASSERT_TRUE(bytes);
  auto back = Cp932ToUtf8(*bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, text);
  // Half-width katakana take one byte, kanji two.
  EXPECT_EQ(Utf8ToCp932("ｽ")->size(), 1u);
  EXPECT_EQ(Utf8ToCp932("界")->size(), 2u);
  EXPECT_EQ(Cp932Length("界:NLv"), 6u);
}

TEST(Cp932Test, BackslashStaysOneByte) {
  auto bytes = Utf8ToCp932("修行 \\-50");
  ASSERT_TRUE(bytes);
  EXPECT_NE(bytes->find('\x5C'), std::string::npos);
  EXPECT_EQ(*Cp932ToUtf8(*bytes), "修行 \\-50");
}

TEST(Cp932Test, RejectsInvalidBytesAndUnmappableText) {
  EXPECT_FALSE(Cp932ToUtf8(std::string("\x81", 1)));  // lead byte cut off
  EXPECT_FALSE(Utf8ToCp932("\xF0\x9F\x98\x80"));      // an emoji has no code
}

TEST(FileLookupTest, FindsNamesWhateverTheirCase) {
  namespace fs = std::filesystem;
  fs::path dir = test::ScratchPath("lookup");
  fs::remove_all(dir);
  fs::create_directories(dir / "CG");
  std::ofstream(dir / "CG" / "Title.BMP") << "x";
  auto found = FindDataFile(dir, "cg", "title.bmp");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->filename(), "Title.BMP");
  EXPECT_FALSE(FindDataFile(dir, "cg", "login.bmp"));
  EXPECT_FALSE(FindDataFile(dir, "dat", "title.bmp"));
  fs::remove_all(dir);
}

TEST(JsonTest, EscapesAndOrdersFields) {
  std::string line = JsonObject("message").Add("kind", 4).Add("text", "a\"b\\c\n\x01").str();
  EXPECT_EQ(line, R"({"ev":"message","kind":4,"text":"a\"b\\c\n\u0001"})");
  EXPECT_EQ(JsonObject("x").Add("ok", true).AddRaw("labels", R"(["",""])").str(),
            R"({"ev":"x","ok":true,"labels":["",""]})");
}

}  // namespace
}  // namespace pp

namespace pp {
namespace {

TEST(Int32Test, SaturatesAtTheRangeEnds) {
  EXPECT_EQ(Saturate32(int64_t{INT32_MAX} + 5), INT32_MAX);
  EXPECT_EQ(Saturate32(int64_t{INT32_MIN} - 5), INT32_MIN);
  EXPECT_EQ(Saturate32(-12), -12);
}

}  // namespace
}  // namespace pp
