// Three short meetings on the road: the northerner's guess, the wish, what lives in the hole.

#include <string>

#include "adventure/Battle.h"
#include "adventure/Changes.h"
#include "adventure/Growth.h"
#include "adventure/Say.h"
#include "adventure/Step.h"
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

// Random(2) + 1: the wish's gift to each skill.
int32_t OneOrTwo(Game& g) { return Random(g, 2) + 1; }

void WishForSkills(Game& g) {
  ChangeCowardice(g, -OneOrTwo(g));
  RaiseTrapSkill(g, OneOrTwo(g));
  RaiseDefenceSkill(g, OneOrTwo(g));
  RaiseMachineSkill(g, OneOrTwo(g));
  RaiseCharmSkill(g, OneOrTwo(g));
}

void WishForSpirit(Game& g) {
  PlayWave(g, 0, "bp.wav");
  const int32_t n = OneOrTwo(g);
  g.state.spirit = Add32(g.state.spirit, n);
  AddColorMessage(g, "精神が " + Num(n) + "上昇", "pink");
}

void Dragon(Game& g) {
  GameState& s = g.state;
  const int32_t wl = s.worldLevel;
  Say(g, "....!!ドラゴンがでたぞおおおおお!!");
  s.enemyName = "ドラゴン";
  ShowPicture(g, "dragon.bmp");
  PlayWave(g, 1, "dragon.wav");
  AddMessage(g, s.enemyName + "が現れた");
  s.enemyDropItem = Random(g, 149) + 1;
  s.enemyExpFactor = 10;
  s.enemyMoneyFactor = 10;
  s.enemyMaxHp = Add32(Mul32(wl, 20), 500);
  s.enemyHp = s.enemyMaxHp;
  const int32_t stat = Add32(Mul32(wl, 2), 10);
  s.enemyStrength = stat;
  s.enemyDefence = stat;
  s.enemyWisdom = stat;
  s.enemySpirit = stat;
  ShowBattleMenu(g);
}

}  // namespace

void NorthernerScene(Game& g, std::string_view) {
  const int32_t wl = g.state.worldLevel;
  if (OneIn(g, 2)) {
    SayIn(g, "はずれだよ!!", "blue");
    SayIn(g, "残念無念また来てごめん", "blue");
  } else {
    SayIn(g, "あったり～～～～!!", "blue");
    SayIn(g, "やるじゃん！これあげる", "blue");
    GainRandomItem(g, Add32(Mul32(wl, 200), 200));
  }
  GainExp(g, Add32(Random(g, 10), Add32(Mul32(wl, 4), 4)));
  AdventureStep(g);
}

void WishScene(Game& g, std::string_view label) {
  if (label == "お金") {
    GainMoney(g, Add32(Random(g, 200), Mul32(g.state.worldLevel, 500)));
  } else if (label == "スキル") {
    WishForSkills(g);
  } else {
    WishForSpirit(g);
  }
  AdventureStep(g);
}

// The charm skill rises first, and the reward is counted with the raised skill.
void CreatureScene(Game& g, std::string_view) {
  const GameState& s = g.state;
  switch (Random(g, 3)) {
    case 0:
      ShowPicture(g, "cat.bmp");
      Say(g, "可愛いネコちゃんでした♪");
      RaiseCharmSkill(g, 1);
      GainMoney(g, Add32(Mul32(s.charmSkill, 50), 50));
      break;
    case 1:
      ShowPicture(g, "pixy.bmp");
      Say(g, "妖精さんでした☆");
      RaiseCharmSkill(g, 1);
      GainExp(g, Add32(Mul32(s.charmSkill, 20), 20));
      break;
    default:
      return Dragon(g);
  }
  AdventureStep(g);
}

}  // namespace pp
