#pragma once
// Sprites written as text: "sprite NAME", then one row of palette characters per line ('.' is
// transparent), then "end". Rows may differ in length; short rows are transparent at the right.

#include <map>
#include <string>
#include <string_view>

#include "datagen/IndexedImage.h"
#include "datagen/Palette.h"

namespace pp::datagen {

using SpriteSet = std::map<std::string, IndexedImage, std::less<>>;

// Adds the sprites of `text` (from the file `source`, named in errors) to `set`. Throws
// std::runtime_error naming the file and line for an unknown colour, a repeated name or a
// missing "end".
void ParseSprites(std::string_view text, std::string_view source, const Palette& palette,
                  SpriteSet& set);

}  // namespace pp::datagen
