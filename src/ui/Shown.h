#pragma once
// What the game draws for its own texts: the texts themselves, or their English while the player
// reads the game in English (GameConfig::language). Drawing only: the rules never see it.

#include <string>
#include <string_view>

#include "gfx/GlyphSource.h"

namespace pp {

class Game;

// Whether the texts are drawn in another language than the game's own now.
bool Translating(const Game& g);
// The text drawn for the game's `text` shown as `role` (lang/Roles.h).
std::string Shown(const Game& g, std::string_view text, std::string_view role);
// The face the shown texts are drawn with: the Latin face while they are drawn in English.
Face ShownFace(const Game& g);

}  // namespace pp
