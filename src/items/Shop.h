#pragma once
// The rows of the item panel: the inventory, the ordinary shop's stock and the secret shop's.

#include <cstdint>
#include <string_view>

namespace pp {

class Game;

// Rebuilds the list for the panel's caption, with no row selected: every held item in id order
// ("使う"); the ordinary stock with its three Random(2) draws in stock order ("買う"); the secret
// stock, turning the caption into "買う" ("秘密").
void FillItemList(Game& g);
// Appends the row `name` when the money covers that item's price.
void AddShopItem(Game& g, std::string_view name);
// The sold flag of a one-off shop item (ハガネのよろい, ピルカ王剣, 修道院の聖水,
// 本『ファウストラブストーリー』, レッドソードの刻印), or null for any other name.
int32_t* OneOffSoldFlag(Game& g, std::string_view name);

}  // namespace pp
