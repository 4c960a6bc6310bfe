#pragma once
// The open message log drawn over the picture, at the picture's own resolution with the game's
// font, so that every host shows the same pixels: the scene dimmed behind, a header with the
// keys, the rows, and a scroll bar at the right edge showing where the rows on screen lie.

#include "extras/log/LogView.h"

namespace pp {

class Surface;
class TextRenderer;

// Where the log's rows go on the 390 x 260 picture.
struct LogLayout {
  static constexpr int kPointSize = 8;  // 11 pixels, not bold: dense kanji stay open
  static constexpr int kRowHeight = 13;
  static constexpr int kLeft = 6;
  static constexpr int kTop = 16;
  static constexpr int kRowWidth = 370;
  static constexpr int kVisibleRows = 18;
};

void DrawLog(Surface& picture, const LogView& view, TextRenderer& text);

}  // namespace pp
