#pragma once
// A short notice of a line or two shown over the picture the player sees and then faded out: the
// window's word on a screenshot (a band over the bottom) or what a key did (a box at the top
// right). It is drawn only into the copy that is shown: the game's own frame never holds it.

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/Surface.h"
#include "gfx/Text.h"

namespace pp {

class Notice {
 public:
  enum class Place {
    Bottom,    // a band the width of the picture over its bottom
    TopRight,  // a box around the lines at the top right corner
  };
  struct Style {
    Place place = Place::Bottom;
    Color textColour = 0xFFFFFF;
    int64_t steadyMs = 2500;  // shown whole this long,
    int64_t fadeMs = 500;     // then faded out over this long
  };

  explicit Notice(Style style) : style_(style) {}

  // Shows `lines` (UTF-8, at most a few) from `nowMs` on, in place of any earlier notice.
  void Show(std::vector<std::string> lines, int64_t nowMs);
  // The strength 0..256 the notice has at `nowMs`: full, then fading to 0 (0: not on screen).
  int Strength(int64_t nowMs) const;
  // The part of a picture of `width` x `height` that the notice covers.
  Rect Area(int width, int height, TextRenderer& text) const;
  // Draws the notice as it looks at `nowMs` onto `picture`.
  void DrawOnto(Surface& picture, TextRenderer& text, int64_t nowMs) const;

 private:
  std::string FittedLine(TextRenderer& text, const std::string& line, int width) const;

  Style style_;
  std::vector<std::string> lines_;
  int64_t shownAt_ = 0;
  bool shown_ = false;
};

// `text` shortened from its start with a leading "…" until it is at most `maxWidth` pixels wide.
std::string ElideFront(TextRenderer& text, const std::string& line, int pointSize, int maxWidth);

}  // namespace pp
