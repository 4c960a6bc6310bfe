#pragma once
// A glyph file: the plain glyphs of a glyph source baked at chosen pixel sizes for a chosen set
// of characters, so a build without FreeType draws exactly what the FreeType build draws.
//
// Layout (integers little-endian): "PPGLYPH1"; u32 character count, u8 size count; the
// characters as ascending gaps (LEB128); per size its em and ascent (u8 each); then per size and
// character the metrics (advance u8, left i8, top i8, width u8, rows u8); then the bitmaps, each
// `rows` rows of ceil(width / 8) bytes, most significant bit leftmost, stored as byte columns:
// first byte 0 of every row of every glyph (in the metrics' order), then byte 1 of the rows
// that have one, and so on (text compresses better so). `left` and `top` place a bitmap's first
// column and row relative to the pen on the baseline.
// The Japanese face is such a block; the Latin face, where it is baked, follows as a second block
// of the same layout with the characters the Latin font draws itself, and takes every other
// character from the Japanese face, as its FreeType chain does.

#include <memory>
#include <string>
#include <vector>

#include "gfx/GlyphSource.h"

namespace pp {

// A glyph file's block: `face` of `source` for `chars` at every em in `pixelSizes`. When U+FFFF
// is among `chars`, characters drawn exactly as it is at every size are left out (the reader
// draws them so). Throws std::runtime_error when a glyph does not fit the file's fields.
std::string BakeGlyphs(GlyphSource& source, const std::vector<int>& pixelSizes,
                       std::vector<char32_t> chars, Face face = Face::Japanese);

class BakedGlyphSource : public GlyphSource {
 public:
  // Reads a glyph file; throws std::runtime_error naming `name` when it is damaged.
  BakedGlyphSource(const std::string& bytes, const std::string& name);
  // Reads the glyph file at `path`; throws std::runtime_error naming it when it cannot be read.
  static BakedGlyphSource FromFile(const std::string& path);

  // A character the file lacks is drawn as U+FFFF (which no font has) when that was baked; a size
  // the file lacks draws nothing. A file without a Latin face draws it with the Japanese face.
  Glyph Rasterise(int pixels, char32_t c, Face face) override;
  int Ascent(int pixels, Face face) override;

  // The characters baked for `face` (none for a Latin face the file lacks).
  const std::vector<char32_t>& characters(Face face = Face::Japanese) const;
  std::vector<int> pixelSizes() const;

 private:
  struct Metrics {
    uint8_t advance, width, rows;
    int8_t left, top;
    uint32_t bitmap;  // offset of the row-major bitmap in bitmaps_
  };
  struct Strike {
    int pixels, ascent;
    std::vector<Metrics> glyphs;  // in the order of chars_
  };
  // Reads the block that starts at byte `offset` of the file.
  BakedGlyphSource(const std::string& bytes, const std::string& name, size_t offset);
  const Strike* Find(int pixels) const;

  std::string bitmaps_;
  std::vector<char32_t> chars_;
  std::vector<Strike> strikes_;
  size_t end_ = 0;                           // the byte after the block in the file
  std::unique_ptr<BakedGlyphSource> latin_;  // null when the file has no Latin face
};

}  // namespace pp
