// The glyph file against the FreeType glyphs it was baked from, and its reader against damage.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>

#include "core/Cp932.h"
#include "core/Utf8.h"
#include "gfx/BakedGlyphs.h"
#include "gfx/FreeTypeGlyphs.h"
#include "gfx/Text.h"

namespace pp {
namespace {

const std::string kShippedFile = PANIPANI_BINARY_DIR "/glyphs.bin";

// Every character the game's texts can hold: what CP932 decodes to, and the replacement
// character that broken text draws.
std::vector<char32_t> DrawableCharacters() {
  std::vector<char32_t> chars{kReplacementChar};
  for (int code = 0; code < 0x10000; ++code) {
    std::string bytes;
    if (code >= 0x100) bytes += static_cast<char>(code >> 8);
    bytes += static_cast<char>(code & 0xFF);
    if (const auto text = Cp932ToUtf8(bytes); text && !text->empty()) {
      size_t pos = 0;
      chars.push_back(NextCodePoint(*text, pos));
    }
  }
  return chars;
}

// Both faces: the Latin face bakes what its font draws itself and takes the rest from the
// Japanese face, as its FreeType chain does.
TEST(BakedGlyphs, TheShippedFileDrawsEveryCharacterAsFreeTypeDoes) {
  const auto start = std::chrono::steady_clock::now();
  BakedGlyphSource baked = BakedGlyphSource::FromFile(kShippedFile);
  const std::chrono::duration<double, std::milli> readTime =
      std::chrono::steady_clock::now() - start;
  std::cout << "glyph file read in " << readTime.count() << " ms\n";
  FreeTypeGlyphSource freeType;
  const std::vector<int> sizes = baked.pixelSizes();
  for (int points : {7, 8, 9, 10, 11})
    EXPECT_NE(std::find(sizes.begin(), sizes.end(), TextRenderer::PixelSize(points)), sizes.end())
        << points << " pt is not baked";
  const std::vector<char32_t> chars = DrawableCharacters();
  ASSERT_GT(chars.size(), 7000u);
  if (!LatinFontFiles().empty()) {
    const std::vector<char32_t>& latin = baked.characters(Face::Latin);
    for (char32_t c : {U'A', U'g', U'~', U'\\', U'¥', U'×'})
      EXPECT_TRUE(std::binary_search(latin.begin(), latin.end(), c))
          << "U+" << std::hex << static_cast<uint32_t>(c) << " is not in the Latin face";
  }
  for (Face face : {Face::Japanese, Face::Latin})
    for (int pixels : sizes) {
      EXPECT_EQ(baked.Ascent(pixels, face), freeType.Ascent(pixels, face)) << pixels;
      for (char32_t c : chars)
        ASSERT_EQ(baked.Rasterise(pixels, c, face), freeType.Rasterise(pixels, c, face))
            << "U+" << std::hex << static_cast<uint32_t>(c) << std::dec << " at " << pixels
            << " px, face " << static_cast<int>(face);
    }
  // Both weights and the yen sign through the renderer, in both faces.
  TextRenderer fromFile(std::make_unique<BakedGlyphSource>(std::move(baked)));
  TextRenderer fromFont(std::make_unique<FreeTypeGlyphSource>());
  const std::string line = "金:￥100円 \\50 ｶﾀｶﾅ ①Ⅹ㈱ 髙﨑 ♪● Gold ¥7 ×2 \xFF";
  for (Face face : {Face::Japanese, Face::Latin})
    for (int points : {7, 8, 9, 10, 11})
      for (bool bold : {false, true}) {
        Surface a(240, 20, 0), b(240, 20, 0);
        const TextStyle style{points, bold, 0xFFFFFF, true, 0x102030, face};
        EXPECT_EQ(fromFile.Draw(a, 1, 2, line, style), fromFont.Draw(b, 1, 2, line, style));
        ASSERT_EQ(0, std::memcmp(a.data(), b.data(), 240 * 20 * sizeof(uint32_t)))
            << points << " pt, bold " << bold << ", face " << static_cast<int>(face);
      }
}

// Every character above ASCII in the quoted texts of the game's sources and in the text tables'
// sources (data/text), with the file it was found in.
std::vector<std::pair<char32_t, std::filesystem::path>> GameTextCharacters() {
  std::vector<std::pair<char32_t, std::filesystem::path>> found;
  const auto collect = [&](std::string_view text, const std::filesystem::path& path) {
    for (size_t pos = 0; pos < text.size();)
      if (const char32_t c = NextCodePoint(text, pos); c >= 0x80) found.emplace_back(c, path);
  };
  const auto read = [](const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  };
  const std::regex quoted(R"re("([^"\\]|\\.)*")re");
  for (const auto& entry :
       std::filesystem::recursive_directory_iterator(PANIPANI_SOURCE_DIR "/src")) {
    if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h") continue;
    const std::string text = read(entry.path());
    for (auto it = std::sregex_iterator(text.begin(), text.end(), quoted);
         it != std::sregex_iterator(); ++it)
      collect(it->str(), entry.path());
  }
  for (const auto& entry : std::filesystem::directory_iterator(PANIPANI_SOURCE_DIR "/data/text"))
    collect(read(entry.path()), entry.path());
  return found;
}

// The characters in the game's quoted texts and data tables are all baked: a new symbol
// outside CP932 (a note, a heart) must be added to the bake.
TEST(BakedGlyphs, EveryCharacterOfTheGameTextsIsBaked) {
  const BakedGlyphSource baked = BakedGlyphSource::FromFile(kShippedFile);
  const std::vector<char32_t>& chars = baked.characters();
  const std::vector<char32_t> all = DrawableCharacters();
  const auto found = GameTextCharacters();
  EXPECT_GT(found.size(), 1000u);
  for (const auto& [c, path] : found)
    EXPECT_TRUE(std::binary_search(chars.begin(), chars.end(), c) ||
                std::find(all.begin(), all.end(), c) != all.end())
        << "U+" << std::hex << static_cast<uint32_t>(c) << " in " << path;
}

// The browser page plays only on its packaged data folder and ships the small glyph file: it
// must draw every character of the game's texts in both faces as the whole file does.
TEST(BakedGlyphs, ThePageFileDrawsTheGameTextsAsTheWholeFileDoes) {
  BakedGlyphSource whole = BakedGlyphSource::FromFile(kShippedFile);
  BakedGlyphSource page = BakedGlyphSource::FromFile(PANIPANI_BINARY_DIR "/glyphs-page.bin");
  ASSERT_EQ(page.pixelSizes(), whole.pixelSizes());
  EXPECT_LT(page.characters().size() * 3, whole.characters().size());
  std::vector<std::pair<char32_t, std::filesystem::path>> chars = GameTextCharacters();
  for (char32_t c = 0x20; c < 0x7F; ++c) chars.emplace_back(c, "ASCII");
  EXPECT_EQ(page.characters(Face::Latin).empty(), whole.characters(Face::Latin).empty());
  for (Face face : {Face::Japanese, Face::Latin})
    for (int pixels : whole.pixelSizes()) {
      EXPECT_EQ(page.Ascent(pixels, face), whole.Ascent(pixels, face));
      for (const auto& [c, path] : chars)
        ASSERT_EQ(page.Rasterise(pixels, c, face), whole.Rasterise(pixels, c, face))
            << "U+" << std::hex << static_cast<uint32_t>(c) << std::dec << " at " << pixels
            << " px in face " << static_cast<int>(face) << ", from " << path;
    }
}

// A small source with the awkward shapes: empty, wider than a byte, left of the pen, gaps.
class ShapesSource : public GlyphSource {
 public:
  Glyph Rasterise(int pixels, char32_t c, Face) override {
    Glyph g;
    g.advance = pixels / 2 + static_cast<int>(c % 7);
    if (c == ' ') return g;
    if (c == 0xFFFF) {
      g.runs = {{-3, 0, 4}, {-1, 0, 4}};
      return g;
    }
    if (c == 'w') g.runs = {{-9, -2, 1}, {-9, 3, 17}, {-5, 16, 18}, {2, 0, 1}};
    if (c == 'x') g.runs = {{static_cast<int16_t>(-pixels), 1, 2}};
    if (c == 0x2603) g.runs = {{-3, 0, 4}, {-1, 0, 4}};  // the same as the missing glyph
    return g;
  }
  int Ascent(int pixels, Face) override { return pixels - 2; }
};

TEST(BakedGlyphs, BakedShapesReadBackExactly) {
  ShapesSource shapes;
  const std::vector<char32_t> chars{' ', 'w', 'x', 0x2603, 0xFFFF, 0x10000};
  BakedGlyphSource baked(BakeGlyphs(shapes, {9, 30}, chars), "shapes");
  EXPECT_EQ(baked.pixelSizes(), (std::vector<int>{9, 30}));
  for (int pixels : {9, 30}) {
    EXPECT_EQ(baked.Ascent(pixels, Face::Japanese), pixels - 2);
    for (char32_t c : chars)
      EXPECT_EQ(baked.Rasterise(pixels, c, Face::Japanese), shapes.Rasterise(pixels, c, {}));
  }
  // What is drawn as the missing glyph is not stored; what was never baked draws as it too.
  EXPECT_EQ(baked.characters(), (std::vector<char32_t>{' ', 'w', 'x', 0xFFFF, 0x10000}));
  EXPECT_EQ(baked.Rasterise(9, 'q', Face::Japanese), shapes.Rasterise(9, 0xFFFF, {}));
  EXPECT_EQ(baked.Rasterise(10, 'w', Face::Japanese), Glyph{});  // a size not baked draws nothing
  class Huge : public ShapesSource {
    Glyph Rasterise(int, char32_t, Face) override { return {{{0, 0, 300}}, 5}; }
  } tooWide;
  EXPECT_THROW(BakeGlyphs(tooWide, {9}, {'a'}), std::runtime_error);
}

TEST(BakedGlyphs, DamagedFilesAreRefusedWithTheirName) {
  ShapesSource shapes;
  const std::string good = BakeGlyphs(shapes, {9, 12}, {' ', 'w', 'x', 0xFFFF});
  BakedGlyphSource(good, "good");
  const auto refused = [](const std::string& bytes) {
    try {
      BakedGlyphSource(bytes, "broken.bin");
    } catch (const std::runtime_error& e) {
      return std::string(e.what()).find("broken.bin") != std::string::npos;
    }
    return false;
  };
  for (size_t cut = 0; cut < good.size(); ++cut) EXPECT_TRUE(refused(good.substr(0, cut))) << cut;
  EXPECT_TRUE(refused(good + '\0'));
  std::string notGlyphs = good;
  notGlyphs[0] = 'Q';
  EXPECT_TRUE(refused(notGlyphs));
  std::string outOfOrder = good;
  outOfOrder[13 + 1] = 0;  // the second character's gap
  EXPECT_TRUE(refused(outOfOrder));
  try {
    BakedGlyphSource::FromFile("/nonexistent/glyphs.bin");
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent/glyphs.bin"), std::string::npos);
  }
}

}  // namespace
}  // namespace pp
