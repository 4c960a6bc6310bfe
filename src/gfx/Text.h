#pragma once
// Japanese text drawn from a glyph source (FreeType from an installed Gothic font, or a glyph
// file baked from it), without anti-aliasing, bold as the desktop of the time made it (each
// glyph struck twice one pixel apart, advance + 1). Sizes are in points at 96 dpi (7 pt = 9 px,
// 8 pt = 11 px, 10 pt = 13 px). The byte 0x5C draws as the yen sign.

#include <memory>
#include <string>
#include <string_view>

#include "gfx/GlyphSource.h"
#include "gfx/Surface.h"

namespace pp {

struct TextStyle {
  int pointSize = 8;
  bool bold = true;
  Color color = 0xFFFFFF;
  bool opaque = false;  // false: clear background; true: cell filled with `background`
  Color background = 0;
};

class TextRenderer {
 public:
  // The build's own glyphs: the baked glyph file named by the environment variable
  // PANIPANI_GLYPHS when it is set, otherwise FreeType's first installed Japanese Gothic font
  // (or, in a build without FreeType, the glyph file PANIPANI_DEFAULT_GLYPHS). Throws
  // std::runtime_error naming the file when it cannot be opened.
  TextRenderer();
  explicit TextRenderer(std::unique_ptr<GlyphSource> source);
  ~TextRenderer();
  TextRenderer(const TextRenderer&) = delete;
  TextRenderer& operator=(const TextRenderer&) = delete;

  // Draws UTF-8 `text` with its cell's top-left corner at (x, y); returns the x after the text.
  int Draw(Surface& dst, int x, int y, std::string_view text, const TextStyle& style);
  // Width in pixels of `text` as Draw would advance.
  int Width(std::string_view text, int pointSize, bool bold);
  // Height in pixels of a line of text (the cell height).
  int Height(int pointSize);
  // The em in pixels that text of `pointSize` is drawn at.
  static int PixelSize(int pointSize);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace pp
