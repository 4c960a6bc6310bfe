// The three grades of trap, the chests and the many-locked chest.

#include <string>

#include "adventure/Camp.h"
#include "adventure/Changes.h"
#include "adventure/Growth.h"
#include "adventure/Say.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "items/Inventory.h"
#include "story/EventScenes.h"
#include "story/EventSteps.h"
#include "ui/Choices.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

// What a grade of trap changes: its picture, what the spell costs and how hard each way is.
struct TrapGrade {
  std::string_view picture;  // the disarmed trap
  int32_t spellMp;           // the spell's cost
  int32_t spellSkillOdds;    // 1 in this many raises the magic skill
  int32_t spellExpRange;     // experience Random(range) + range
  int32_t handSkillFactor;   // by hand, trapSkill must exceed wl × this
  int32_t handSkillRaise;    // the trap skill rise (1 time in 3)
  int32_t handExpRange;      // experience Random(range) + range
  bool severe;               // failures hurt as hard hurt (4, 3)
  int32_t failureBase;       // otherwise Random(2) + wl + this
};

constexpr TrapGrade kPlainTrap{"wana_a.bmp", 2, 4, 5, 2, 1, 5, false, 2};
constexpr TrapGrade kSevereTrap{"wana_a2.bmp", 4, 2, 10, 3, 2, 10, true, 3};
constexpr TrapGrade kSmallTrap{"wana_a0.bmp", 1, 5, 4, 3, 1, 4, false, 1};

void TrapFailure(Game& g, const TrapGrade& t, std::string_view text) {
  PlayWave(g, 1, "no.wav");
  AddColorMessage(g, text, "red");
  if (t.severe)
    HardHurt(g, 4, 3);
  else
    ChangeHp(g, Sub32(0, Add32(Random(g, 2), Add32(g.state.worldLevel, t.failureBase))));
  CampIfAlive(g);
}

void UseTrapTool(Game& g, const TrapGrade& t) {
  g.state.itemCount[kTrapTool] -= 1;
  ShowPicture(g, t.picture);
  PlayWave(g, 1, "wana.wav");
  Say(g, "罠外しツールを使って罠を解除!!");
  ShowCampMenu(g);
}

void CastDisarm(Game& g, const TrapGrade& t) {
  g.state.mp = Sub32(g.state.mp, t.spellMp);
  if (Random(g, 5) == 0) return TrapFailure(g, t, "詠唱失敗!!");
  ShowPicture(g, t.picture);
  PlayWave(g, 1, "wana_m.wav");
  SayIn(g, "解除魔法で罠の解除に成功した!!", "aqua");
  if (OneIn(g, t.spellSkillOdds)) RaiseMagicSkill(g, 1);
  GainExp(g, Random(g, t.spellExpRange) + t.spellExpRange);
  ShowCampMenu(g);
}

void DisarmByHand(Game& g, const TrapGrade& t) {
  const bool lucky = Random(g, 9) != 0;
  if (!lucky || g.state.trapSkill <= Mul32(g.state.worldLevel, t.handSkillFactor))
    return TrapFailure(g, t, "失敗!!");
  ShowPicture(g, t.picture);
  PlayWave(g, 1, "wana.wav");
  SayIn(g, "罠の解除に成功した!!", "aqua");
  if (OneIn(g, 3)) RaiseTrapSkill(g, t.handSkillRaise);
  GainExp(g, Random(g, t.handExpRange) + t.handExpRange);
  ShowCampMenu(g);
}

// The contents of an opened chest: one find, and a second one time in two.
void ChestFinds(Game& g) {
  const int32_t wl = g.state.worldLevel;
  GainRandomItem(g, Add32(Mul32(wl, 20), 20));
  if (OneIn(g, 2)) GainRandomItem(g, Add32(Mul32(wl, 10), 10));
}

void OpenChest(Game& g) {
  const int32_t wl = g.state.worldLevel;
  const int32_t smallBudget = Add32(Mul32(wl, 10), 10);
  PlayWave(g, 1, "takara.wav");
  const int32_t r = Random(g, 10);
  if (r == 0) {
    ShowPicture(g, "kara.bmp");
    Say(g, "空だった....");
  } else if (r <= 7) {
    ShowPicture(g, "takara.bmp");
    GainRandomItem(g, smallBudget);
    if (OneIn(g, 2)) GainRandomItem(g, smallBudget);
  } else if (r == 8) {
    ShowPicture(g, "rea.bmp");
    const int32_t levelRoll = Random(g, wl);
    const int32_t n = Add32(levelRoll, Random(g, 2));
    for (int32_t i = 0; i < n + 3; ++i) GainRandomItem(g, smallBudget);
  } else {
    ShowPicture(g, "takara_e.bmp");
    Say(g, "なんと宝箱は人食い箱だった!!");
    GameState& s = SetUpEnemy(g, "人食い箱", Add32(Random(g, 10), Add32(Mul32(wl, 7), 5)));
    s.enemyStrength = Add32(Mul32(wl, 2), 2);
    s.enemyExpFactor = 1;
    return OpenBattle(g);
  }
  ShowCampMenu(g);
}

void UseKey(Game& g) {
  ShowPicture(g, "takara.bmp");
  PlayWave(g, 1, "kagi.wav");
  g.state.itemCount[kKey] -= 1;
  ChestFinds(g);
  GainExp(g, Random(g, 5) + 5);
  ShowCampMenu(g);
}

void PryOpen(Game& g) {
  const bool lucky = Random(g, 3) != 0;
  if (lucky && g.state.trapSkill > Mul32(g.state.worldLevel, 3)) {
    ShowPicture(g, "takara.bmp");
    PlayWave(g, 1, "kagi.wav");
    SayIn(g, "鍵の解除に成功した!!", "aqua");
    ChestFinds(g);
    GainExp(g, Random(g, 5) + 5);
    if (OneIn(g, 3)) RaiseTrapSkill(g, 1);
    return ShowCampMenu(g);
  }
  PlayWave(g, 1, "no.wav");
  AddColorMessage(g, "失敗!!", "red");
  ChangeHp(g, Sub32(0, Add32(Random(g, 2), Add32(g.state.worldLevel, 1))));
  Say(g, "宝箱は壊れてしまった....");
  if (OneIn(g, 2)) RaiseTrapSkill(g, 1);
  CampIfAlive(g);
}

// The many-locked chest needs wl × 2 − 1 opened locks.
int32_t LockGoal(const GameState& s) { return Sub32(Mul32(s.worldLevel, 2), 1); }

void LockOpened(Game& g) {
  g.state.lockedChestTries = Add32(g.state.lockedChestTries, 1);
  PlayWave(g, 2, "point.wav");
  AddMessage(g, "鍵を一つ解除した!!");
}

void LockHolds(Game& g) {
  Say(g, "....なかなか鍵が開かない。");
  if (OneIn(g, 5)) Hurt(g, "ケガをしてしまった!!", 2);
}

// After each try: the chest opens at the goal, else the count and the next choices.
void LockedChestNext(Game& g) {
  GameState& s = g.state;
  const int32_t wl = s.worldLevel;
  const int32_t goal = LockGoal(s);
  if (s.lockedChestTries >= goal) {
    PlayWave(g, 1, "clear.wav");
    SayIn(g, "見事、全ての鍵を解除した!!", "aqua");
    ShowPicture(g, "takara.bmp");
    PlayWave(g, 1, "kagi.wav");
    GainRandomItem(g, Add32(Mul32(wl, 20), 20));
    GainRandomItem(g, Add32(Mul32(wl, 100), 100));
    GainRandomItem(g, Add32(Mul32(wl, 200), 200));
    GainRandomItem(g, Add32(Mul32(wl, 500), 500));
    s.lockedChestTries = -1;
    GainExp(g, Random(g, 10) + 10);
    return ShowCampMenu(g);
  }
  AddMessage(g, "全ての鍵開錠まで.... " + Num(s.lockedChestTries) + "/" + Num(goal));
  SetChoices(g, s.itemCount[kKey] >= 1 ? "鍵を使うLv2" : "", "", "こじあけるLv2");
}

void UseKeyOnLocks(Game& g) {
  SpendDay(g);
  g.state.itemCount[kKey] -= 1;
  LockOpened(g);
  if (OneIn(g, 4)) RaiseTrapSkill(g, 1);
  SayIn(g, "宝箱解除ポイント +1", "aqua");
  if (g.state.lockedChestTries < LockGoal(g.state)) LockHolds(g);
  LockedChestNext(g);
}

void PryAtLocks(Game& g) {
  GameState& s = g.state;
  SpendDay(g);
  if (OneIn(g, 4)) RaiseTrapSkill(g, 1);
  const int32_t d = Add32(Sub32(Mul32(s.worldLevel, 3), s.trapSkill), 1);
  if (OneIn(g, d < 1 ? 1 : d)) {
    LockOpened(g);
    SayIn(g, "宝箱解除ポイント +1", "aqua");
  } else {
    LockHolds(g);
  }
  LockedChestNext(g);
}

}  // namespace

void TrapScene(Game& g, std::string_view label) {
  if (label == "罠外しを使う") return UseTrapTool(g, kPlainTrap);
  if (label == "罠外しを使うLv2") return UseTrapTool(g, kSevereTrap);
  if (label == "罠外しを使うLv0") return UseTrapTool(g, kSmallTrap);
  if (label == "解除魔法") return CastDisarm(g, kPlainTrap);
  if (label == "解除魔法Lv2") return CastDisarm(g, kSevereTrap);
  if (label == "解除魔法Lv0") return CastDisarm(g, kSmallTrap);
  if (label == "罠解除") return DisarmByHand(g, kPlainTrap);
  if (label == "罠解除Lv2") return DisarmByHand(g, kSevereTrap);
  if (label == "罠解除Lv0") return DisarmByHand(g, kSmallTrap);
}

void ChestScene(Game& g, std::string_view label) {
  if (label == "開ける") return OpenChest(g);
  if (label == "放置する") return CowardiceRoll(g, 3, 1);
  if (label == "鍵を使う") return UseKey(g);
  if (label == "こじあける") return PryOpen(g);
  if (label == "鍵を使うLv2") return UseKeyOnLocks(g);
  if (label == "こじあけるLv2") return PryAtLocks(g);
}

}  // namespace pp
