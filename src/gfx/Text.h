#pragma once
// Japanese text drawn with FreeType from an installed Gothic font, without anti-aliasing, bold
// as the desktop of the time made it (each glyph struck twice one pixel apart, advance + 1).
// Sizes are in points at 96 dpi (7 pt = 9 px, 8 pt = 11 px, 10 pt = 13 px). The byte 0x5C
// draws as the yen sign.

#include <memory>
#include <string>
#include <string_view>

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
  // Opens the font file at `fontPath`; an empty path picks the first installed Japanese Gothic
  // font found. Throws std::runtime_error naming the file when no font can be opened.
  explicit TextRenderer(const std::string& fontPath = {});
  ~TextRenderer();
  TextRenderer(const TextRenderer&) = delete;
  TextRenderer& operator=(const TextRenderer&) = delete;

  // Draws UTF-8 `text` with its cell's top-left corner at (x, y); returns the x after the text.
  int Draw(Surface& dst, int x, int y, std::string_view text, const TextStyle& style);
  // Width in pixels of `text` as Draw would advance.
  int Width(std::string_view text, int pointSize, bool bold);
  // Height in pixels of a line of text (the cell height).
  int Height(int pointSize);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace pp
