#pragma once
// Glyphs rasterised by FreeType without anti-aliasing from a chain of fonts: a chosen font, then
// an installed Japanese Gothic outline font for what it lacks.
// The glyph file (tools/glyphbake) is baked from the default chain (no chosen font), so a
// change of the outline font made here reaches the builds without FreeType too.

#include <memory>
#include <string>

#include "gfx/GlyphSource.h"

namespace pp {

class FreeTypeGlyphSource : public GlyphSource {
 public:
  // Draws with the font file at `fontPath` (an outline font, or a bitmap font in any format
  // FreeType reads, with Unicode or JIS codes) and, for what it lacks or at sizes it has no
  // strike for, the first installed Japanese Gothic outline font; an empty path draws with that
  // outline font alone. Throws std::runtime_error naming the file when it cannot be drawn with,
  // or when no font at all is found.
  explicit FreeTypeGlyphSource(const std::string& fontPath = {});
  ~FreeTypeGlyphSource() override;
  FreeTypeGlyphSource(const FreeTypeGlyphSource&) = delete;
  FreeTypeGlyphSource& operator=(const FreeTypeGlyphSource&) = delete;

  Glyph Rasterise(int pixels, char32_t c) override;
  int Ascent(int pixels) override;
  // Which font of the chain draws `c` at an em of `pixels` (0 the first); -1 when none has it.
  int FaceOf(int pixels, char32_t c);

 private:
  struct Chain;
  std::unique_ptr<Chain> chain_;
};

}  // namespace pp
