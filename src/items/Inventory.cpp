#include "items/Inventory.h"

#include <string>

#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "items/Catalogue.h"
#include "ui/Messages.h"

namespace pp {

namespace {

constexpr int32_t kHairband = 52;  // 怪盗ｌｕｋａのヘアバンド: +25% budget
constexpr int32_t kGoggles = 53;   // 怪盗加奈のゴーグル: +50% budget
constexpr int32_t kDrawCandidates = 900;
constexpr int32_t kDrawRange = 999;  // candidates are ids 0..998

bool Held(const Game& g, int32_t id) { return g.state.itemCount[id] >= 1; }

// A finder that is held raises the budget by budget/divisor, then breaks one time in ten.
int32_t ApplyFinder(Game& g, int32_t id, int32_t budget, int32_t divisor) {
  if (!Held(g, id)) return budget;
  budget = Saturate32(int64_t{budget} + budget / divisor);
  if (Random(g, 10) == 0) {
    PlayWave(g, 0, "broke.wav");
    int32_t& count = g.state.itemCount[id];
    count -= 1;
    AddColorMessage(
        g,
        "【" + ItemInfo(g, id).name + "】が壊れてしまった....(残:" + std::to_string(count) + "個)",
        "red");
    WaitForClick(g);
  }
  return budget;
}

}  // namespace

void GainItem(Game& g, int32_t id) { GainItems(g, id, 1); }

void GainItems(Game& g, int32_t id, int32_t count) {
  const Item& item = ItemInfo(g, id);
  if (item.name.empty()) return;
  PlayWave(g, 3, "item.wav");
  int32_t& held = g.state.itemCount[id];
  held = Add32(held, count);
  AddColorMessage(g,
                  "Item【" + item.name + "】を " + std::to_string(count) +
                      "個入手した(所持:" + std::to_string(held) + "個)",
                  "green");
  WaitForClick(g);
}

void BreakItem(Game& g, int32_t id) {
  if (id < 0 || id >= kItemSlots) return;
  int32_t& held = g.state.itemCount[id];
  if (held <= 0) return;
  held -= 1;
  PlayWave(g, 3, "broke.wav");
  AddColorMessage(
      g, "【" + ItemInfo(g, id).name + "】が壊れてしまった....!(残:" + std::to_string(held) + "個)",
      "red");
  WaitForClick(g);
}

void GainRandomItem(Game& g, int32_t budget) {
  struct LuckRoll {
    int32_t chance;
    int32_t factor;
  };
  static constexpr LuckRoll kLuck[] = {{3, 2},   {5, 3},   {10, 5},   {20, 10},
                                       {40, 20}, {80, 50}, {160, 100}};
  // The budget never wraps: a run of lucky rolls on a large budget stops at the largest int.
  for (const LuckRoll& roll : kLuck)
    if (Random(g, roll.chance) == 0) budget = Saturate32(int64_t{budget} * roll.factor);
  if (g.state.statusPhantomThief >= 1) budget = Saturate32(int64_t{budget} * 2);
  budget = ApplyFinder(g, kHairband, budget, 4);
  budget = ApplyFinder(g, kGoggles, budget, 2);

  for (int32_t tries = 0; tries < kDrawCandidates; ++tries) {
    const int32_t id = Random(g, kDrawRange);
    const Item& item = ItemInfo(g, id);
    if (item.name.empty() || budget < item.price) continue;
    PlayWave(g, 3, "item.wav");
    int32_t& held = g.state.itemCount[id];
    held = Add32(held, 1);
    AddColorMessage(g, "Item【" + item.name + "】を1個入手(所持:" + std::to_string(held) + "個)",
                    "green");
    WaitForClick(g);
    return;
  }
}

}  // namespace pp
