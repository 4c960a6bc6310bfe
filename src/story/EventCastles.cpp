// The castle of king ヴォマクト and the time castle.

#include <algorithm>
#include <string>

#include "adventure/Camp.h"
#include "adventure/Changes.h"
#include "adventure/Growth.h"
#include "adventure/Say.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "story/EventScenes.h"
#include "story/EventSteps.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

// Lost in the castle's maze for max(roll + wl − escapeSkill + base, 0) days.
void LostInCastle(Game& g, int32_t range, int32_t base) {
  GameState& s = g.state;
  Say(g, "城内の迷路で完全に迷子になってしまった!!");
  const int32_t roll = Random(g, range);
  const int32_t n = std::max(Add32(Sub32(Add32(roll, s.worldLevel), s.escapeSkill), base), 0);
  s.daysLeft = Sub32(s.daysLeft, n);
  s.hunger = Sub32(s.hunger, n);
  SayIn(g, Num(n) + "日後、ようやく脱出できた....", "red");
}

void TimeTurnsBack(Game& g, int32_t n) {
  g.state.daysLeft = Add32(g.state.daysLeft, n);
  PlayWave(g, 3, "time.wav");
  SayIn(g, "時間が" + Num(n) + "日さかのぼった!!", "aqua");
}

void Surprise(Game& g, std::string_view picture) {
  Say(g, "....!?");
  ShowPicture(g, picture);
}

void KillKing(Game& g) {
  const int32_t wl = g.state.worldLevel;
  Say(g, "ヴォマクト王は襲い掛かってきた!");
  GameState& s = SetUpEnemy(g, "ヴォマクト王", Add32(Random(g, 10), Add32(Mul32(wl, 6), 15)));
  s.enemyStrength = Add32(wl, 3);
  s.enemyWisdom = Add32(Mul32(wl, 2), 3);
  s.enemySpirit = Add32(Mul32(wl, 2), 2);
  s.enemyDropItem = 9;
  s.enemyMoneyFactor = 10;
  OpenBattle(g);
}

void GreetKing(Game& g) {
  const GameState& s = g.state;
  Say(g, "ヴォマクト王は微笑し褒美をくれた!");
  GainMoney(g, Add32(Add32(Mul32(s.worldLevel, 20), Mul32(s.charmSkill, 10)), 100));
  if (OneIn(g, 3)) RaiseCharmSkill(g, 1);
  ShowCampMenu(g);
}

void EnterVomactCastle(Game& g) {
  const GameState& s = g.state;
  const int32_t wl = s.worldLevel;
  switch (Random(g, 5)) {
    case 0:
      TreasureTrio(g);
      break;
    case 1:
      LostInCastle(g, 2, 2);
      break;
    case 2: {
      Surprise(g, "goldsolder.bmp");
      GameState& e = SetUpEnemy(g, "黄金兵", Add32(Random(g, 10), Add32(Mul32(wl, 4), 4)));
      e.enemyDefence = Add32(Mul32(wl, 2), 2);
      e.enemyDropItem = 11;
      e.enemyMoneyFactor = 5;
      return OpenBattle(g);
    }
    case 3:
      Surprise(g, "vo2.bmp");
      Say(g, "城主、ヴォマクト王に出会ってしまった!!");
      GainMoney(g, Add32(Mul32(Add32(Mul32(wl, 10), 10), s.charmSkill), 1));
      RaiseCharmSkill(g, 1);
      break;
    default:
      ShowPicture(g, "rea.bmp");
      Say(g, "金塊を発見した!!");
      GainMoney(g, s.money);
      break;
  }
  EscapeRoll(g);
  ShowCampMenu(g);
}

void SneakIntoTimeCastle(Game& g) {
  const GameState& s = g.state;
  const int32_t wl = s.worldLevel;
  switch (Random(g, 4)) {
    case 0:
      TreasureTrio(g);
      break;
    case 1:
      LostInCastle(g, 3, 3);
      break;
    case 2: {
      Surprise(g, "hae.bmp");
      GameState& e = SetUpEnemy(g, "時間蝿", Add32(Random(g, 10), Add32(Mul32(wl, 3), 4)));
      e.enemyStrength = wl;
      e.enemyDropItem = 10;
      e.enemyExpFactor = 1;
      return OpenBattle(g);
    }
    default: {
      Surprise(g, "timemaster.bmp");
      Say(g, "城主、時間王タイムマスターに出会ってしまった!!");
      const int32_t roll = Random(g, 5);
      TimeTurnsBack(g, Add32(Add32(roll, Mul32(wl, s.charmSkill)), 1));
      RaiseCharmSkill(g, 1);
      break;
    }
  }
  EscapeRoll(g);
  ShowCampMenu(g);
}

}  // namespace

void CastleScene(Game& g, std::string_view label) {
  GameState& s = g.state;
  if (label == "ヴォマクト王を殺す") return KillKing(g);
  if (label == "ヴォマクト王に挨拶") return GreetKing(g);
  if (label == "ヴォマクト城を拝む") {
    GainMoney(g, Add32(s.money / 2, 1));
    return ShowCampMenu(g);
  }
  if (label == "ヴォマクト城侵入") return EnterVomactCastle(g);
  if (label == "城内に忍び込む") return SneakIntoTimeCastle(g);
  if (label == "城壁に触れる") {
    const int32_t roll = Random(g, 10);
    TimeTurnsBack(g, Add32(roll, Add32(Mul32(s.worldLevel, 2), 10)));
    return ShowCampMenu(g);
  }
}

}  // namespace pp
