#pragma once
// Breaking text into lines that fit a width, as the item panel's details always broke and as the
// English messages break.

#include <string>
#include <string_view>
#include <vector>

#include "gfx/GlyphSource.h"

namespace pp {

class TextRenderer;

// `s` split at each CR and wrapped to `width` pixels at `pointSize` (bold or not) in `face`. A line
// breaks between runs of Latin letters and digits, at a blank (a line never starts with the blank
// it broke at), or between any two other characters; a run too wide for a line of its own is split
// into characters. An empty paragraph stays an empty line.
std::vector<std::string> WrapText(TextRenderer& text, std::string_view s, int pointSize, bool bold,
                                  int width, Face face = Face::Japanese);

}  // namespace pp
