#pragma once
// What using an item does.

#include <cstdint>

namespace pp {

class Game;

// Uses one of item `id` from the panel (which has checked that one is held): hides the panel,
// takes one from the count (not for items without a use, which only say so), carries out the
// item's effect with its sounds and messages, then refreshes the details and the selected row
// and shows the panel again. Nothing for an id without an item.
void UseItem(Game& g, int32_t id);

}  // namespace pp
