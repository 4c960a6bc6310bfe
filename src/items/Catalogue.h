#pragma once
// The item catalogue: one fixed entry per item id 0..999, built in code at start-up and never
// saved. Ids 1..214 are real items; id 0 and 215..999 have an empty name.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "state/GameState.h"

namespace pp {

class Game;

// One catalogue entry (`titem`).
struct Item {
  std::string name;         // display name; empty = no item at this id
  std::string description;  // text of the item panel
  int32_t price = 0;        // shop price in yen; also the rarity measure
  int32_t useKind = 0;      // use effect 0..44, or kNoUseEffect
  int32_t useAmount = 0;    // the effect's parameter
};

inline constexpr int32_t kNoUseEffect = 99;
inline constexpr int32_t kLastItemId = 214;

using ItemCatalogue = std::array<Item, kItemSlots>;

// Fills g.itemCatalogue with the 214 items. Called by LoadGame once at start-up.
void InitItemCatalogue(Game& g);

// The entry of `id`; ids outside 0..999 give an empty entry.
const Item& ItemInfo(const Game& g, int32_t id);

// Rarity shown in the item panel: the price in tens of yen, rounded down.
inline int32_t ItemRarity(const Item& item) { return item.price / 10; }

// Exact whole-name lookup over all 1000 entries; the highest matching id wins, 0 when none
// matches or the name is empty (the shop and the panel find items this way).
int32_t FindItemByName(const Game& g, std::string_view name);

}  // namespace pp
