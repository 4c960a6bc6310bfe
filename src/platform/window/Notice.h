#pragma once
// A short notice from the window itself (a screenshot written, a request refused), shown over
// the bottom of the picture for a few seconds and fading out. It is composed only into the copy
// the window shows: the game's own frame never holds it.

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/Surface.h"
#include "gfx/Text.h"

namespace pp {

class Notice {
 public:
  // Shows `lines` (UTF-8, at most a few) from `nowMs` on, in place of any earlier notice.
  void Show(std::vector<std::string> lines, int64_t nowMs);
  // The strength 0..256 the notice has at `nowMs`: full, then fading to 0 over its last part
  // (0: not on screen).
  int Strength(int64_t nowMs) const;
  // The band of a picture of `pictureHeight` rows that the notice covers.
  Rect Area(int pictureWidth, int pictureHeight) const;
  // Draws the notice as it looks at `nowMs` onto `picture`.
  void DrawOnto(Surface& picture, TextRenderer& text, int64_t nowMs) const;

 private:
  std::vector<std::string> lines_;
  int64_t shownAt_ = 0;
  bool shown_ = false;
};

// `text` shortened from its start with a leading "…" until it is at most `maxWidth` pixels wide.
std::string ElideFront(TextRenderer& text, const std::string& line, int pointSize, int maxWidth);

}  // namespace pp
