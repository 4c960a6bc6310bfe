#pragma once
// The status overlay drawn over the picture every frame, and the once-a-frame clamp of the
// game variables.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "gfx/Surface.h"

namespace pp {

class Game;
struct GameState;

// Colour of a number by its share of the maximum: p = value * 100 div maximum; 10% or less
// dark red, then red, orange, gold, pale yellow, paler yellow, and white above 75%.
Color PercentColour(int32_t value, int32_t maximum);
// How a tag is shown (its English, say); empty: as the game writes it.
using TagShown = std::function<std::string(std::string_view)>;
// First status line: tags of the active ailments and trainings, no separators.
std::string AilmentTags(const GameState& s, const TagShown& shown = {});
// Second status line: tags of the active blessings.
std::string BlessingTags(const GameState& s, const TagShown& shown = {});
// Moves a shown value one step toward the real one (a tenth of the gap, plus one).
void Ease(int32_t& shown, int32_t real);

// Slides the overlay in, draws the bars, eases the shown values, draws the enemy bar, the
// texts and, on the login screen, the deepest record. Last step of every frame's drawing.
void DrawStatus(Game& g);
// Pulls every clamped variable back into its range; run right after DrawStatus.
void ClampState(Game& g);

}  // namespace pp
