// glyphbake OUT: bakes the glyphs this build's text renderer draws with FreeType into a glyph file
// (gfx/BakedGlyphs.h) for the builds without FreeType: every character CP932 has, the
// replacement character drawn for broken text, and the glyph drawn for characters no font has,
// at every size the game and its additions draw; then the Latin face English is drawn with, for
// those characters and the letters and punctuation of European languages that its font draws.
// glyphbake --texts FOLDER... OUT: the same glyphs for the characters the browser page can draw,
// which plays only on its packaged data folder: every character of the text files under the
// FOLDERs (the game's sources and the data sources) and every CP932 character but the kanji.

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/Cp932.h"
#include "core/Utf8.h"
#include "gfx/BakedGlyphs.h"
#include "gfx/FreeTypeGlyphs.h"
#include "gfx/Text.h"

namespace {

// 7 pt: the TP figure; 8 pt: messages, the status lines, the log; 9 pt: the item panel;
// 10 pt: the choice buttons; 11 pt: the panel's gold.
constexpr int kPointSizes[] = {7, 8, 9, 10, 11};
constexpr char32_t kNotInAnyFont = 0xFFFF;
// Characters the additions around the game draw that CP932 has no code for: the message log's
// mark before a chosen label.
constexpr char32_t kAdditionsSymbols[] = {0x25B6};

// Every character a CP932 code decodes to, and every character of the first plane that
// encodes to one (some only one way, as U+00A5 to the backslash's byte).
std::vector<char32_t> Cp932Characters() {
  std::vector<char32_t> chars;
  for (int code = 0; code < 0x10000; ++code) {
    std::string bytes;
    if (code >= 0x100) bytes += static_cast<char>(code >> 8);
    bytes += static_cast<char>(code & 0xFF);
    if (const auto text = pp::Cp932ToUtf8(bytes)) {
      size_t pos = 0;
      chars.push_back(pp::NextCodePoint(*text, pos));
    }
  }
  for (char32_t c = 0; c <= 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    std::string utf8;
    pp::AppendUtf8(utf8, c);
    if (const auto code = pp::Utf8ToCp932(utf8); code && !code->empty()) chars.push_back(c);
  }
  return chars;
}

// The characters of `chars` and of the Latin-1, Latin Extended-A and General Punctuation blocks
// that the Latin face's own font draws at any of `pixelSizes`: what the Latin face draws
// differently from the Japanese face (none when no Latin font is installed).
std::vector<char32_t> LatinCharacters(pp::FreeTypeGlyphSource& source,
                                      const std::vector<int>& pixelSizes,
                                      std::vector<char32_t> chars) {
  for (char32_t c = 0xA0; c <= 0x17F; ++c) chars.push_back(c);
  for (char32_t c = 0x2000; c <= 0x206F; ++c) chars.push_back(c);
  const int ownFonts = source.OwnFonts(pp::Face::Latin);
  std::erase_if(chars, [&](char32_t c) {
    for (int pixels : pixelSizes) {
      const int font = source.FaceOf(pixels, c, pp::Face::Latin);
      if (font >= 0 && font < ownFonts) return false;
    }
    return true;
  });
  return chars;
}

bool IsKanji(char32_t c) {
  return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
         (c >= 0xF900 && c <= 0xFAFF);
}

// Every character of the UTF-8 files under `folders` (other files are passed over).
std::vector<char32_t> TextCharacters(const std::vector<std::filesystem::path>& folders) {
  std::vector<char32_t> chars;
  for (const auto& folder : folders)
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream file(entry.path(), std::ios::binary);
      std::stringstream text;
      text << file.rdbuf();
      if (!file) throw std::runtime_error("cannot read " + entry.path().string());
      const std::string bytes = text.str();
      if (!pp::IsUtf8(bytes)) continue;
      for (size_t pos = 0; pos < bytes.size();) chars.push_back(pp::NextCodePoint(bytes, pos));
    }
  return chars;
}

}  // namespace

int main(int argc, char** argv) {
  const bool pageTexts = argc >= 4 && std::string_view(argv[1]) == "--texts";
  if (argc != 2 && !pageTexts) {
    std::fprintf(stderr, "usage: glyphbake OUT\n       glyphbake --texts FOLDER... OUT\n");
    return 2;
  }
  const char* outPath = argv[argc - 1];
  try {
    const auto start = std::chrono::steady_clock::now();
    std::vector<char32_t> chars = Cp932Characters();
    if (pageTexts) {
      std::erase_if(chars, IsKanji);
      const auto texts = TextCharacters({argv + 2, argv + argc - 1});
      chars.insert(chars.end(), texts.begin(), texts.end());
    }
    chars.push_back(pp::kReplacementChar);
    chars.push_back(kNotInAnyFont);
    chars.insert(chars.end(), std::begin(kAdditionsSymbols), std::end(kAdditionsSymbols));
    std::vector<int> pixelSizes;
    for (int points : kPointSizes) pixelSizes.push_back(pp::TextRenderer::PixelSize(points));
    pp::FreeTypeGlyphSource source;
    std::string bytes = pp::BakeGlyphs(source, pixelSizes, chars);
    if (const auto latin = LatinCharacters(source, pixelSizes, chars); !latin.empty())
      bytes += pp::BakeGlyphs(source, pixelSizes, latin, pp::Face::Latin);
    std::ofstream out(outPath, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error(std::string("cannot write ") + outPath);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%s: %zu bytes, %zu sizes, baked in %.2f s\n", outPath, bytes.size(),
                pixelSizes.size(), took.count());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "glyphbake: %s\n", e.what());
    return 1;
  }
  return 0;
}
