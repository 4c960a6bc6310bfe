// The small scenes: the swamp and the bread, the den, the merchant, digging and the crystal,
// the hole, the new theory, the stone wall and the pink underwear.

#include "story/EventScenes.h"

#include <string>

#include "adventure/Battle.h"
#include "adventure/Camp.h"
#include "adventure/Changes.h"
#include "adventure/Growth.h"
#include "adventure/Say.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "items/Catalogue.h"
#include "items/Inventory.h"
#include "story/EventSteps.h"
#include "story/RandomName.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

void Poisoned(Game& g) {
  PlayWave(g, 1, "awa.wav");
  g.state.statusPoison = 20;
  SayIn(g, "あなたは毒に侵された!!", "red");
}

void WadeThroughSwamp(Game& g) {
  const int32_t wl = g.state.worldLevel;
  const int32_t r = Random(g, 3);
  if (r == 0) {
    TreasureTrio(g);
  } else if (r == 1) {
    PlayWave(g, 1, "awa.wav");
    SayIn(g, "沼に足を取られてしまった!!", "red");
    HardHurt(g, 3, 3);
  } else {
    Say(g, "....!?");
    ShowPicture(g, "nusi.bmp");
    GameState& s = SetUpEnemy(g, "ヌシ", Add32(Random(g, 10), Add32(Mul32(wl, 5), 10)));
    s.enemySpirit = Mul32(wl, 2);
    s.enemyDropItem = 30;
    s.enemyExpFactor = 1;
    return OpenBattle(g);
  }
  if (OneIn(g, 2)) Poisoned(g);
  EscapeRoll(g);
  CowardiceRoll(g, 5, -1);
}

// A den fight: a nameless monster with Random(10) + wl × 4 + bonus + 5 hit points.
void DenMonster(Game& g, int32_t bonus) {
  GameState& s = g.state;
  Say(g, "魔物が襲い掛かってきた!");
  s.enemyName = MakeRandomName(g);
  ShowPicture(g, "teki.bmp");
  PlayWave(g, 1, "enemy.wav");
  AddMessage(g, s.enemyName + "が現れた");
  const int32_t hp = Add32(Random(g, 10), Add32(Add32(Mul32(s.worldLevel, 4), bonus), 5));
  s.enemyMaxHp = hp;
  s.enemyHp = hp;
}

void BuyFromMerchant(Game& g) {
  GameState& s = g.state;
  SayIn(g, "毎度～", "blue");
  PlayWave(g, 2, "buy.wav");
  int32_t& held = s.itemCount[s.merchantItem];
  held = Add32(held, s.merchantCount);
  s.money = Sub32(s.money, s.merchantPrice);
  SayIn(g,
        "【" + ItemInfo(g, s.merchantItem).name + "】を " + Num(s.merchantCount) +
            "個入手した!!(所持:" + Num(held) + "個)",
        "green");
  ShowCampMenu(g);
}

void RobMerchant(Game& g) {
  GameState& s = g.state;
  const int32_t wl = s.worldLevel;
  Say(g, "商人が襲い掛かってきた!");
  s.enemyName = "商人";
  ShowPicture(g, "shounin.bmp");
  PlayWave(g, 1, "enemy.wav");
  AddMessage(g, s.enemyName + "が現れた");
  s.enemyDropItem = s.merchantItem;
  s.enemyDropCount = s.merchantCount;
  s.enemyExpFactor = 1;
  const int32_t hp = Add32(Random(g, Mul32(wl, 6)), Add32(Mul32(wl, 6), 20));
  s.enemyMaxHp = hp;
  s.enemyHp = hp;
  s.enemyStrength = Add32(Random(g, Add32(Mul32(wl, 2), 1)), Add32(wl, 1));
  s.enemyDefence = Add32(Random(g, Mul32(wl, 2)), Add32(Mul32(wl, 2), 3));
  s.enemyWisdom = Random(g, s.spirit);
  s.enemySpirit = Random(g, s.wisdom);
  ShowBattleMenu(g);
}

int32_t DigBudget(const Game& g) { return Add32(Mul32(g.state.worldLevel, 10), 10); }

// The ends of a dig: nothing, one small find, or worms; each goes to camp.
void DugNothing(Game& g) {
  Say(g, "何も無かった....");
  ShowCampMenu(g);
}
void SmallFind(Game& g) {
  GainRandomItem(g, DigBudget(g));
  ShowCampMenu(g);
}
void Worms(Game& g) {
  GainItems(g, kWorm, Random(g, 5) + 1);
  ShowCampMenu(g);
}

void DigWithShovel(Game& g) {
  GameState& s = g.state;
  PlayWave(g, 1, "hakkutu.wav");
  s.itemCount[kShovel] -= 1;
  AddMessage(g, "スコップ 残:" + Num(s.itemCount[kShovel]) + "個");
  const int32_t r = Random(g, 9);
  if (r == 0) return DugNothing(g);
  if (r <= 4) {
    GainRandomItem(g, DigBudget(g));
    return SmallFind(g);
  }
  if (r <= 7) {
    GainRandomItem(g, DigBudget(g));
    return Worms(g);
  }
  const int32_t n = Random(g, s.worldLevel);
  for (int32_t i = 0; i < n + 3; ++i) GainRandomItem(g, DigBudget(g));
  Worms(g);
}

void DigByHand(Game& g) {
  const int32_t wl = g.state.worldLevel;
  PlayWave(g, 1, "hakkutu.wav");
  if (OneIn(g, 2)) {
    AddMessage(g, "手にケガをしてしまった....");
    ChangeHp(g, Sub32(0, Add32(Random(g, 3), Add32(wl, 1))));
  }
  const int32_t r = Random(g, 9);
  if (r <= 1) return DugNothing(g);
  if (r <= 4) return SmallFind(g);
  if (r <= 7) return Worms(g);
  ShowPicture(g, "mimizu.bmp");
  GameState& s = SetUpEnemy(g, "ミミズ", Add32(Random(g, 10), Add32(Mul32(wl, 3), 5)));
  s.enemyStrength = Add32(wl, 2);
  s.enemyDropItem = kWorm;
  s.enemyDropCount = Random(g, 5) + 5;
  OpenBattle(g);
}

void BreakCrystal(Game& g) {
  ShowPicture(g, "cry2.bmp");
  PlayWave(g, 1, "bell.wav");
  if (OneIn(g, 4)) {
    AddMessage(g, "破片が目に入ってしまった....");
    HardHurt(g, 3, 1);
  }
  if (Random(g, 9) <= 7) return SmallFind(g);
  GainItem(g, 55);
  ShowCampMenu(g);
}

void Rebut(Game& g) {
  const GameState& s = g.state;
  PlayWave(g, 1, "hanron.wav");
  const int32_t e = Random(g, s.logicSkill);
  // A divisor of 0 or less always lets the rebuttal through.
  const int32_t d = Add32(Sub32(Sub32(Mul32(s.worldLevel, 2), e), s.wisdom), 5);
  if (Random(g, d) == 0) {
    PlayWave(g, 3, "bara.wav");
    ShowPicture(g, "riron2.bmp");
    AddColorMessage(g, "あなたは新理論に反論し、見事論破した!!", "aqua");
    RaiseLogicSkill(g, 1);
  } else {
    AddColorMessage(g, "あなたの反論は通用しなかった!!", "red");
    HardHurt(g, 3, 2);
  }
  ShowCampMenu(g);
}

}  // namespace

void SwampScene(Game& g, std::string_view label) {
  GameState& s = g.state;
  if (label == "沼の中を突き進む") return WadeThroughSwamp(g);
  if (label == "沼を迂回する") {
    Say(g, "沼を迂回した....");
    return CowardiceRoll(g, 2, 1);
  }
  if (label == "沼の水を飲む") {
    Say(g, "あなたは沼の水を口にふくんだ....");
    ChangeHp(g, Add32(Mul32(s.worldLevel, 2), 5));
    if (OneIn(g, 2)) Poisoned(g);
    return CowardiceRoll(g, 5, -1);
  }
  if (label == "拾い食いを冒険") {
    Say(g, "あなたは落ちていたパンを食べた....");
    ChangeHunger(g, Add32(Mul32(s.worldLevel, 2), 5));
    if (OneIn(g, 2)) {
      PlayWave(g, 1, "awa.wav");
      s.statusStomachache = 20;
      SayIn(g, "あなたは腹痛を患った!!", "red");
    }
    return CowardiceRoll(g, 5, -1);
  }
  if (label == "見なかった事に…") {
    Say(g, "見なかった事にした....");
    return CowardiceRoll(g, 3, 1);
  }
}

void DenScene(Game& g, std::string_view label) {
  GameState& s = g.state;
  if (label == "巣窟を一掃する") {
    s.denFightCount = 1;
    DenMonster(g, 0);
    return ShowBattleMenu(g);
  }
  if (label == "巣窟の敵を倒す") {
    const int32_t n = s.denFightCount;
    DenMonster(g, Mul32(n, 10));
    s.enemyStrength = s.enemyDefence = s.enemySpirit = s.enemyWisdom = Mul32(n, 2);
    return ShowBattleMenu(g);
  }
  if (label == "巣窟の一掃は諦める") {
    s.denFightCount = 0;
    Say(g, "巣窟の一掃は諦めた....");
    ChangeCowardice(g, 2);
    return ShowCampMenu(g);
  }
}

void MerchantScene(Game& g, std::string_view label) {
  if (label == "買うfrom商人") return BuyFromMerchant(g);
  if (label == "奪うfrom商人") return RobMerchant(g);
  if (label == "買わないfrom商人") {
    Say(g, "買うのは諦めた....");
    SayIn(g, "そうか、じゃあまたどこかでな…", "blue");
    return ShowCampMenu(g);
  }
}

void DigScene(Game& g, std::string_view label) {
  if (label == "スコップで掘る") return DigWithShovel(g);
  if (label == "手で掘る") return DigByHand(g);
  if (label == "クリスタルを割る") return BreakCrystal(g);
}

void ChasmScene(Game& g, std::string_view label) {
  GameState& s = g.state;
  if (label == "飛び越える") {
    PlayWave(g, 1, "jump.wav");
    if (OneIn(g, 10)) {
      AddMessage(g, "つまづいて落ちてしまった....");
      PlayWave(g, 3, "holl.wav");
      HardHurt(g, 3, 1);
    }
    return ShowCampMenu(g);
  }
  if (label == "落ちる") {
    PlayWave(g, 1, "holl.wav");
    if (OneIn(g, 10)) {
      AddMessage(g, "尻餅をついた....");
      PlayWave(g, 3, "holl.wav");
      HardHurt(g, 3, 1);
      if (OneIn(g, 2)) GainItem(g, 57);
    }
    const int32_t roll = Random(g, 10);
    const int32_t n = Add32(roll, Add32(Mul32(s.worldLevel, 5), 5));
    s.auDistance = Sub32(s.auDistance, n);
    Say(g, "距離が " + Num(n) + "AU戻ってしまった....");
    return ShowCampMenu(g);
  }
}

void TheoryScene(Game& g, std::string_view label) {
  if (label == "理解") {
    PlayWave(g, 1, "rikai.wav");
    ShowPicture(g, "riron3.bmp");
    AddColorMessage(g, "あなたは新理論を完全に理解した!!", "aqua");
    GainItem(g, 70);
    if (OneIn(g, 3)) RaiseLogicSkill(g, 1);
    return ShowCampMenu(g);
  }
  if (label == "反論") return Rebut(g);
}

void StoneWallScene(Game& g, std::string_view) {
  GameState& s = g.state;
  PlayWave(g, 1, "stone.wav");
  ShowPicture(g, "stone2.bmp");
  s.itemCount[kStone] -= 1;
  Say(g, "あなたは持っていた石を穴に入れた(残: " + Num(s.itemCount[kStone]) + "個)");
  const int32_t roll = Random(g, 10);
  GainExp(g, Add32(roll, Add32(Mul32(s.worldLevel, 10), 10)));
  if (OneIn(g, 5)) RaiseLogicSkill(g, 1);
  ShowCampMenu(g);
}

void UnderwearScene(Game& g, std::string_view) {
  GameState& s = g.state;
  const int32_t d = Add32(Sub32(Mul32(s.worldLevel, 2), s.charmSkill), 4);
  Say(g, "............");
  if (Random(g, d < 0 ? 0 : d) != 0) {
    Say(g, "....背伸びし過ぎた!!");
    HardHurt(g, 3, 2);
  } else {
    PlayWave(g, 1, "great.wav");
    SayIn(g, "見事、ピンクの下着を穿きこなしてみせた!!", "aqua");
    const int32_t roll = Random(g, 5);
    GainExp(g, Add32(roll, Add32(Mul32(s.worldLevel, 10), 10)));
  }
  if (OneIn(g, 4)) RaiseCharmSkill(g, 1);
  CowardiceRoll(g, 5, -1);
}

}  // namespace pp
