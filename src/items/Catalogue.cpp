#include "items/Catalogue.h"

#include "game/Game.h"
#include "items/ItemData.h"

namespace pp {

void InitItemCatalogue(Game& g) {
  g.itemCatalogue.fill(Item{});
  for (const ItemRecord& r : ItemRecords())
    g.itemCatalogue[r.id] = Item{r.name, r.description, r.price, r.useKind, r.useAmount};
}

const Item& ItemInfo(const Game& g, int32_t id) {
  static const Item kNoItem{};
  if (id < 0 || id >= kItemSlots) return kNoItem;
  return g.itemCatalogue[id];
}

int32_t FindItemByName(const Game& g, std::string_view name) {
  if (name.empty()) return 0;  // empty entries never match
  for (int32_t id = kItemSlots - 1; id > 0; --id)
    if (g.itemCatalogue[id].name == name) return id;
  return 0;
}

}  // namespace pp
