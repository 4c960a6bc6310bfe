#pragma once
// Gaining and breaking items outside the item panel. Each operation that changes a count tells
// the player in one coloured message, plays one sound and waits for a click.

#include <cstdint>

namespace pp {

class Game;

// +1 of `id` with "item.wav" and a green message; nothing for an id without an item.
void GainItem(Game& g, int32_t id);
// +count of `id` (callers pass 1 or more) with "item.wav" and a green message; nothing for an
// id without an item.
void GainItems(Game& g, int32_t id, int32_t count);
// -1 of `id` with "broke.wav" and a red message; nothing at all when none is held.
void BreakItem(Game& g, int32_t id);
// Rolls the rarity budget (yen) up by luck, the <怪盗> status and the two finders (52, 53,
// which may break), then gives one random item priced within the budget, if one of 900
// candidates fits.
void GainRandomItem(Game& g, int32_t budget);

}  // namespace pp
