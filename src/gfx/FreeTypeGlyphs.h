#pragma once
// Glyphs rasterised by FreeType without anti-aliasing, each face from a chain of fonts: the
// Japanese face from a chosen font, then an installed Japanese Gothic outline font for what it
// lacks; the Latin face from the Latin font's files, then the same outline font.
// The glyph file (tools/glyphbake) is baked from the default chains (no chosen font), so a
// change of the fonts made here reaches the builds without FreeType too.

#include <memory>
#include <string>
#include <vector>

#include "gfx/GlyphSource.h"

namespace pp {

class FreeTypeGlyphSource : public GlyphSource {
 public:
  // The Japanese face draws with the font file at `fontPath` (an outline font, or a bitmap font
  // in any format FreeType reads, with Unicode or JIS codes) and, for what it lacks or at sizes it
  // has no strike for, the first installed Japanese Gothic outline font; an empty path draws with
  // that outline font alone. The Latin face draws with the installed files of the Latin font
  // (LatinFontFiles), each at the sizes it has a strike for, and the Japanese face's fonts behind
  // them; when none is installed or can be drawn with, it is the Japanese face. Throws
  // std::runtime_error naming the file when the chosen font cannot be drawn with, or when no font
  // at all is found.
  explicit FreeTypeGlyphSource(const std::string& fontPath = {});
  // The same with `latinFiles` for the Latin font's files (the font review sheet's candidates).
  FreeTypeGlyphSource(const std::string& fontPath, const std::vector<std::string>& latinFiles);
  ~FreeTypeGlyphSource() override;
  FreeTypeGlyphSource(const FreeTypeGlyphSource&) = delete;
  FreeTypeGlyphSource& operator=(const FreeTypeGlyphSource&) = delete;

  Glyph Rasterise(int pixels, char32_t c, Face face) override;
  int Ascent(int pixels, Face face) override;
  // Which font of `face`'s chain draws `c` at an em of `pixels` (0 the first); -1 when none has
  // it.
  int FaceOf(int pixels, char32_t c, Face face);
  // How many fonts of `face`'s chain come before the fonts behind them (the chosen font, or the
  // Latin font's files); 0 for a Latin face that is the Japanese face.
  int OwnFonts(Face face) const;

 private:
  struct Library;
  struct Chain;
  Chain& ChainOf(Face face);
  std::unique_ptr<Library> library_;
  std::unique_ptr<Chain> japanese_;
  std::unique_ptr<Chain> latin_;  // null: the Latin face is the Japanese face
};

// The Latin font's files that are installed, in the order its chain tries them.
std::vector<std::string> LatinFontFiles();

}  // namespace pp
