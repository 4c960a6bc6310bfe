#pragma once
// Text drawn from a glyph source (FreeType from installed fonts, or a glyph file baked from
// them), without anti-aliasing, bold as the desktop of the time made it (each glyph struck twice
// one pixel apart, advance + 1): Japanese with a Gothic font, English the player reads with the
// Latin face (gfx/GlyphSource.h). Sizes are in points at 96 dpi (7 pt = 9 px, 8 pt = 11 px,
// 10 pt = 13 px). The byte 0x5C draws as the yen sign.

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
  Face face = Face::Japanese;  // Latin for the English the player reads
};

class TextRenderer {
 public:
  // When the font is opened: at construction, or on the first text drawn or measured.
  enum class Opening { Now, OnFirstUse };

  // Draws with the font file at `fontPath` (an outline font, or a bitmap font in any format
  // FreeType reads, with Unicode or JIS codes) and, for what it lacks or at sizes it has no
  // strike for, the first installed Japanese Gothic outline font; an empty path draws with that
  // outline font alone; English in the Latin face (FreeTypeGlyphs.h), which takes what it lacks
  // from those. When the environment variable PANIPANI_GLYPHS names a baked glyph file,
  // or in a build without FreeType (the glyph file PANIPANI_DEFAULT_GLYPHS), the text is drawn
  // from that file instead and `fontPath` must be empty. Opening throws std::runtime_error
  // naming the file when it cannot be drawn with, or when no font at all is found.
  explicit TextRenderer(const std::string& fontPath = {}, Opening opening = Opening::Now);
  explicit TextRenderer(std::unique_ptr<GlyphSource> source);
  ~TextRenderer();
  // Opens the font now if it is not open yet (throws as the constructor does).
  void Open();
  TextRenderer(const TextRenderer&) = delete;
  TextRenderer& operator=(const TextRenderer&) = delete;

  // Draws UTF-8 `text` with its cell's top-left corner at (x, y); returns the x after the text.
  int Draw(Surface& dst, int x, int y, std::string_view text, const TextStyle& style);
  // Width in pixels of `text` as Draw would advance.
  int Width(std::string_view text, int pointSize, bool bold, Face face = Face::Japanese);
  // Height in pixels of a line of text (the cell height).
  int Height(int pointSize);
  // Which font of the Japanese face's FreeType chain draws the first character of UTF-8
  // `character` at `pointSize` (0 the chosen font, or the outline font when none was chosen; 1 the
  // outline font behind a chosen one); -1 when none has it and a missing-character box is drawn,
  // and when the text is drawn from a glyph file.
  int FaceOf(std::string_view character, int pointSize);
  // The em in pixels that text of `pointSize` is drawn at.
  static int PixelSize(int pointSize);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace pp
