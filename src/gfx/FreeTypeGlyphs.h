#pragma once
// Glyphs rasterised by FreeType from an installed Japanese Gothic font, without anti-aliasing.
// The glyph file (tools/glyphbake) is baked from this source, so a change of font made here
// reaches the builds without FreeType too.

#include <memory>
#include <string>

#include "gfx/GlyphSource.h"

namespace pp {

class FreeTypeGlyphSource : public GlyphSource {
 public:
  // Opens the font file at `fontPath`; an empty path picks the first installed Japanese Gothic
  // font found. Throws std::runtime_error naming the file when no font can be opened.
  explicit FreeTypeGlyphSource(const std::string& fontPath = {});
  ~FreeTypeGlyphSource() override;
  FreeTypeGlyphSource(const FreeTypeGlyphSource&) = delete;
  FreeTypeGlyphSource& operator=(const FreeTypeGlyphSource&) = delete;

  Glyph Rasterise(int pixels, char32_t c) override;
  int Ascent(int pixels) override;

 private:
  struct Face;
  std::unique_ptr<Face> face_;
};

}  // namespace pp
