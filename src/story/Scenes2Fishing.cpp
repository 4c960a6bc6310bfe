// Fishing at the pond.

#include <string>

#include "adventure/Battle.h"
#include "adventure/Camp.h"
#include "adventure/Say.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "items/Inventory.h"
#include "story/Dispatch2Scenes.h"
#include "story/EventSteps.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

constexpr int32_t kRod = 101;
constexpr int32_t kFiveEyeScale = 103;
constexpr int32_t kLegendFish = 104;
constexpr int32_t kFirstOtherFish = 105;  // 105..114 are results 12..21

// Every five-eyed scale and legendary fish held brings one more catch.
int32_t LuckyCharms(const GameState& s) {
  return Add32(s.itemCount[kFiveEyeScale], s.itemCount[kLegendFish]);
}

void Catch(Game& g, int32_t times) {
  const int32_t budget = Add32(Mul32(g.state.worldLevel, 10), 10);
  for (int32_t i = 0; i < times; ++i) GainRandomItem(g, budget);
}

// 五眼 rises from the water; its scale is what it leaves behind.
void FiveEyes(Game& g) {
  const int32_t wl = g.state.worldLevel;
  ShowPicture(g, "gogan.bmp");
  const int32_t roll = Random(g, 10);
  GameState& s = SetUpEnemy(g, "五眼", Add32(roll, Add32(Mul32(wl, 5), 15)));
  s.enemyDefence = Add32(wl, 2);
  s.enemyDropItem = kFiveEyeScale;
  s.enemyDropCount = 1;
  PlayWave(g, 3, "enemy.wav");
  AddMessage(g, s.enemyName + "が現れた");
  ShowBattleMenu(g);
}

}  // namespace

void FishingScene(Game& g, std::string_view) {
  GameState& s = g.state;
  s.itemCount[kWorm] = Sub32(s.itemCount[kWorm], 1);
  AddMessage(g, "イズミミズ 残:" + Num(s.itemCount[kWorm]) + "個");
  if (OneIn(g, 30)) BreakItem(g, kRod);
  PlayWave(g, 1, "neji.wav");
  Say(g, "釣り糸をたらした....");
  PlayWave(g, 2, "hit.wav");
  AddMessage(g, "ヒット!!");
  const int32_t f = Random(g, 22);
  if (f == 0) {
    Say(g, "..と思ったが何も釣れなかった....");
  } else if (f <= 4) {
    Catch(g, 1);
    Catch(g, LuckyCharms(s));
  } else if (f <= 7) {
    Catch(g, 1);
    Catch(g, Add32(LuckyCharms(s), 1));
  } else if (f == 8) {
    const int32_t n = Random(g, s.worldLevel);
    Catch(g, Add32(Add32(n, LuckyCharms(s)), 3));
  } else if (f == 9) {
    return FiveEyes(g);
  } else if (f <= 11) {
    if (f == 10) PlayWave(g, 3, "fishgood.wav");
    GainItem(g, kLegendFish);
  } else {
    GainItem(g, kFirstOtherFish + (f - 12));
  }
  ShowCampMenu(g);
}

}  // namespace pp
