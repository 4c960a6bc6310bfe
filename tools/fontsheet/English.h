#pragma once
// The English review sheet: the game's English (from its catalogue) drawn with each candidate for
// the Latin face, and per candidate how wide the widest item rows and labels come out against
// their places, the letters' proportions, and whether the font has every character the English
// uses.

#include <utility>

#include "gfx/Surface.h"

namespace fontsheet {

// Rows of `s` between `top` and `bottom` (exclusive) that have any pixel of `colour`: the first
// and the last (bottom and top - 1 when none has).
std::pair<int, int> InkRows(const pp::Surface& s, int top, int bottom, pp::Color colour);

// fontsheet --english [--catalogue FILE] [--picture FILE.bmp] OUT.png [FONT[,FONT...] ...]
// (arguments after --english); returns the exit status.
int EnglishSheet(int argc, char** argv);

}  // namespace fontsheet
