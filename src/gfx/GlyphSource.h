#pragma once
// Where the text renderer's glyphs come from: fonts through FreeType (FreeTypeGlyphs.h), or a
// glyph file baked from them (BakedGlyphs.h) for builds without FreeType.

#include <cstdint>
#include <vector>

namespace pp {

// One row run of lit pixels, relative to the pen position on the baseline.
struct GlyphRun {
  int16_t y, x0, x1;  // columns [x0, x1) of row y (negative y above the baseline)
  bool operator==(const GlyphRun&) const = default;
};

// A glyph as row runs, in order of rows from the top and left to right within a row.
struct Glyph {
  std::vector<GlyphRun> runs;
  int advance = 0;  // whole pixels
  bool operator==(const Glyph&) const = default;
};

// The two faces text is drawn with: the Japanese face draws the game's own texts (and everything
// while the game is read in Japanese); the Latin face, a font made for small Latin letters, draws
// the English the player reads instead, and takes what it lacks from the Japanese face.
enum class Face : uint8_t { Japanese, Latin };

class GlyphSource {
 public:
  virtual ~GlyphSource() = default;
  // The plain (not bold) glyph `face` draws for character `c` at an em of `pixels`; the
  // backslash comes as the yen sign.
  virtual Glyph Rasterise(int pixels, char32_t c, Face face) = 0;
  // Pixels from the top of a line's cell down to its baseline in `face` at an em of `pixels`.
  virtual int Ascent(int pixels, Face face) = 0;
};

}  // namespace pp
