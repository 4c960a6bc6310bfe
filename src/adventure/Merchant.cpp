#include <algorithm>
#include <string>

#include "adventure/Encounters.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "items/Catalogue.h"
#include "ui/Choices.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

constexpr int32_t kMerchantDraws = 999;

// A random catalogue id with a name; id 1 when none of the draws found one.
int32_t DrawMerchantItem(Game& g) {
  for (int i = 0; i < kMerchantDraws; ++i) {
    const int32_t id = Random(g, kItemSlots - 1);
    if (!ItemInfo(g, id).name.empty()) return id;
  }
  return 1;
}

}  // namespace

void MeetMerchant(Game& g) {
  GameState& s = g.state;
  ShowPicture(g, "shounin.bmp");
  AddMessage(g, "商人だ!!");
  WaitForClick(g);
  const int32_t id = DrawMerchantItem(g);
  const int32_t count = std::clamp(Random(g, s.charmSkill / 2) + 1, 1, 9);
  const Item& item = ItemInfo(g, id);
  const int32_t unit = Add32(Random(g, Mul32(item.price, 2)), item.price / 4);
  const int32_t total = Add32(Random(g, Mul32(s.worldLevel, 20)), Mul32(unit, count));
  AddColorMessage(g,
                  "【" + item.name + "】、" + std::to_string(count) + "個を " +
                      std::to_string(total) + "円で売るけどどう？",
                  "blue");
  WaitForClick(g);
  s.merchantPrice = total;
  s.merchantItem = id;
  s.merchantCount = count;
  SetChoices(g, s.money >= total ? "買うfrom商人" : "", "買わないfrom商人", "奪うfrom商人");
}

}  // namespace pp
