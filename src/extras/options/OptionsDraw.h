#pragma once
// Draws the options screen over a copy of the picture: the picture dimmed, a box with the title,
// each entry's name and value (the chosen row lit, with arrows where its value steps), and the
// keys at the foot.

#include <vector>

#include "extras/options/OptionEntry.h"

namespace pp {

class DisplayLanguage;
class Surface;
class TextRenderer;

// `selected` is the chosen row (entries.size() for the closing row after them).
void DrawOptions(Surface& picture, TextRenderer& text, const DisplayLanguage* language,
                 const std::vector<OptionEntry>& entries, int selected);

}  // namespace pp
