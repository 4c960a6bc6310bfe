// The three expeditions of several attempts: the sky maze, the sacred mountain and the cold cave.

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

namespace pp {

namespace {

struct Expedition {
  int32_t GameState::*counter;  // successful attempts; −1 once won
  int32_t goalExtra;            // the goal is wl × 2 + this
  std::string_view progress;    // "....分かれ道だ " and the like
  std::string_view step;        // said when an attempt succeeds
  std::string_view point;       // the aqua point line
  void (*offer)(Game&, bool);   // the attempt's choices; false leaves out the first button
};

// The entry leaves out the search; later attempts offer it while a compass is held.
void OfferMaze(Game& g, bool withSearch) {
  const GameState& s = g.state;
  SetChoices(g, withSearch && s.itemCount[kCompass] >= 1 ? "探索in迷宮" : "",
             s.mp >= 4 ? "ダウジングin迷宮" : "", "勘に頼るin迷宮");
}

void OfferMountain(Game& g, bool) {
  SetChoices(g, g.state.mp >= 4 ? "浮遊魔法in霊山" : "", "よじ登るin霊山", "キャンプin霊山-\\100");
}

void OfferCave(Game& g, bool) {
  const GameState& s = g.state;
  SetChoices(g, s.mp >= 4 ? "ダウジングin洞門" : "",
             s.itemCount[kColdPickaxe] >= 1 ? "岩壁を砕くin洞門" : "", "他の道を行くin洞門");
}

constexpr Expedition kMaze{&GameState::mazeProgress, -2,
                           "....分かれ道だ ",        "ゴールに一歩近づいたようだ",
                           "迷宮ポイント +1",        OfferMaze};
constexpr Expedition kMountain{&GameState::mountainProgress,
                               -2,
                               "....絶壁だ ",
                               "頂上に一歩近づいた....",
                               "霊山ポイント +1",
                               OfferMountain};
constexpr Expedition kCave{&GameState::caveProgress, 0,
                           "....行き止まりだ ",      "出口に一歩近づいたようだ",
                           "洞門ポイント +1",        OfferCave};

int32_t Goal(const Game& g, const Expedition& e) {
  return Add32(Mul32(g.state.worldLevel, 2), e.goalExtra);
}

// The count so far and the next attempt's choices.
void Progress(Game& g, const Expedition& e, bool withFirst = true) {
  AddMessage(g, std::string(e.progress) + Num(g.state.*e.counter) + "/" + Num(Goal(g, e)));
  e.offer(g, withFirst);
}

void Enter(Game& g, const Expedition& e, std::string_view line, int32_t cowardiceOdds) {
  g.state.*e.counter = 0;
  PlayWave(g, 3, "try.wav");
  Say(g, line);
  if (OneIn(g, cowardiceOdds)) ChangeCowardice(g, -1);
  Progress(g, e, &e != &kMaze);
}

// An attempt succeeds on Random(d) = 0. Returns true when it won the expedition (the caller
// pays the rewards and goes to camp); a success short of the goal or a failure returns false.
bool Attempt(Game& g, const Expedition& e, int32_t d, void (*fail)(Game&)) {
  GameState& s = g.state;
  if (Random(g, d) != 0) {
    fail(g);
    return false;
  }
  s.*e.counter = Add32(s.*e.counter, 1);
  PlayWave(g, 2, "point.wav");
  AddMessage(g, e.step);
  SayIn(g, e.point, "aqua");
  if (s.*e.counter < Goal(g, e)) return false;
  s.*e.counter = -1;
  PlayWave(g, 1, "clear.wav");
  return true;
}

// max(wl × factor − skill, floor), the divisor of an attempt.
int32_t Divisor(const Game& g, int32_t factor, int32_t skill, int32_t floor) {
  const int32_t d = Sub32(Mul32(g.state.worldLevel, factor), skill);
  return d < floor ? floor : d;
}

// --- the sky maze ---

template <bool kDowsing>
void MazeFailure(Game& g) {
  Say(g, "....あなたは迷宮を進んだ。");
  if (kDowsing) {
    if (OneIn(g, 6)) RaiseMagicSkill(g, 1);
  } else if (OneIn(g, 3)) {
    RaiseEscapeSkill(g, 1);
  }
  if (OneIn(g, 5)) Find(g, 50);
  if (OneIn(g, 5)) Hurt(g, "ケガをしてしまった!!", 1);
}

void MazeAttempt(Game& g, bool dowsing) {
  GameState& s = g.state;
  if (dowsing) s.mp = Sub32(s.mp, 3);
  SpendDay(g);
  const int32_t d = Divisor(g, 4, dowsing ? s.wisdom : s.escapeSkill, 1);
  if (!Attempt(g, kMaze, d, dowsing ? MazeFailure<true> : MazeFailure<false>))
    return Progress(g, kMaze);
  SayIn(g, "見事、脱出に成功した!!", "aqua");
  GainMoney(g, Add32(Mul32(s.itemCount[kMazeCrest], dowsing ? 50 : 200), 1000));
  if (OneIn(g, 5)) GainItem(g, kMazeCrest);
  if (OneIn(g, 3)) GainItem(g, 180);
  if (OneIn(g, 5)) RaiseLogicSkill(g, 1);
  ShowCampMenu(g);
}

void SearchMaze(Game& g) {
  SearchExpedition(g, 500, 100, kCompass, g.state.mazeProgress, RaiseLogicSkill);
  Progress(g, kMaze);
}

// --- the sacred mountain ---

template <bool kFloating>
void MountainFailure(Game& g) {
  const int32_t wl = g.state.worldLevel;
  if (kFloating) {
    Say(g, "....あなたは霊山を進んだ。");
    if (OneIn(g, 5)) RaiseMagicSkill(g, 1);
  } else {
    Say(g, "....あなたは霊山を上り続けた。");
    if (OneIn(g, 3)) RaiseClimbingSkill(g, 1);
  }
  if (OneIn(g, 5)) Find(g, 100);
  if (OneIn(g, 2)) Hurt(g, "吹雪で疲労が激しい....", 1);
  if (OneIn(g, 5)) {
    AddColorMessage(g, "なだれだ....!!", "red");
    // Floating, the avalanche takes 2 − wl × 4: the game's own sum, kept as it is.
    ChangeHp(g, kFloating ? Sub32(2, Mul32(wl, 4)) : Sub32(0, Add32(Mul32(wl, 4), 2)));
  }
}

void MountainAttempt(Game& g, bool floating) {
  GameState& s = g.state;
  const int32_t wl = s.worldLevel;
  if (floating) s.mp = Sub32(s.mp, 3);
  SpendDay(g);
  const int32_t d = Divisor(g, 4, floating ? s.wisdom : s.climbingSkill, 1);
  if (!Attempt(g, kMountain, d, floating ? MountainFailure<true> : MountainFailure<false>))
    return Progress(g, kMountain);
  SayIn(g, "見事、頂上踏破に成功した!!", "aqua");
  GainExp(g, Add32(Add32(Mul32(wl, 20), Mul32(s.itemCount[kClimbingRope], 20)), 20));
  if (OneIn(g, 5)) GainItem(g, kClimbingRope);
  if (OneIn(g, 3)) GainItem(g, 179);
  if (OneIn(g, 5)) RaiseDefenceSkill(g, 1);
  if (OneIn(g, 5)) RaiseStrength(g, 1);
  ShowCampMenu(g);
}

void CampOnMountain(Game& g) {
  GameState& s = g.state;
  SpendDay(g);
  if (s.money >= 100) {
    s.money -= 100;
    const int32_t roll = Random(g, 2);
    const int32_t h = Add32(Add32(roll, s.spirit), 1);
    Say(g, "キャンプで体を休めた....");
    ChangeHp(g, h);
    ChangeMp(g, Add32(h / 2, 1));
  } else {
    PlayWave(g, 0, "no.wav");
    Say(g, "お金がなかった..");
  }
  SetChoices(g, "", "よじ登るin霊山", "キャンプin霊山-\\100");
}

// --- the cold cave ---

template <bool kDowsing>
void CaveFailure(Game& g) {
  Say(g, "....あなたは洞門を進んだ。");
  if (kDowsing) {
    if (OneIn(g, 6)) RaiseMagicSkill(g, 1);
  } else if (OneIn(g, 3)) {
    RaiseEscapeSkill(g, 1);
  }
  if (OneIn(g, 5)) Find(g, 200);
  // All three rolls are drawn every time; only the first that hits hurts.
  bool hurt = OneIn(g, 4);
  if (hurt) Hurt(g, "ケガをしてしまった!!", 1);
  const bool bump = OneIn(g, 5);
  if (bump && !hurt) {
    Hurt(g, "頭をぶつけてしまった!!", 2);
    hurt = true;
  }
  const bool bat = OneIn(g, 6);
  if (bat && !hurt) Hurt(g, "吸血蝙蝠に噛まれた!!", 3);
}

void CaveAttempt(Game& g, bool dowsing) {
  GameState& s = g.state;
  const int32_t wl = s.worldLevel;
  if (dowsing) s.mp = Sub32(s.mp, 3);
  SpendDay(g);
  const int32_t d = dowsing ? Divisor(g, 5, s.wisdom, 2) : Divisor(g, 6, s.escapeSkill, 2);
  if (!Attempt(g, kCave, d, dowsing ? CaveFailure<true> : CaveFailure<false>))
    return Progress(g, kCave);
  SayIn(g, "見事、脱出に成功した!!", "aqua");
  GainMoney(g,
            Add32(Add32(Mul32(wl, 50), Mul32(s.itemCount[kColdOre], 500)), dowsing ? 500 : 1000));
  GainExp(g, Add32(Add32(Mul32(wl, 20), Mul32(s.itemCount[kColdGuardian], 20)), 20));
  if (OneIn(g, 5)) GainItem(g, kColdGuardian);
  if (OneIn(g, 3)) GainItem(g, 178);
  if (OneIn(g, 5)) RaiseSpirit(g, 1);
  if (OneIn(g, 5)) RaiseMaxHp(g, 1);
  ShowCampMenu(g);
}

void BreakCaveWall(Game& g) {
  PlayWave(g, 0, "hakkutu.wav");
  SpendDay(g);
  switch (Random(g, 7)) {
    case 0:
      Hurt(g, "ケガをしてしまった!!", 2);
      break;
    case 1:
      Find(g, 1000);
      break;
    case 2:
      Find(g, 500);
      break;
    case 3:
      BreakItem(g, kColdPickaxe);
      break;
    case 4:
      GainItem(g, kColdOre);
      break;
    case 5:
      if (Random(g, 5) != 0)
        AddMessage(g, "何も無かった..");
      else
        RaiseSpirit(g, 1);
      break;
    default:
      if (Random(g, 5) != 0)
        AddMessage(g, "何も無かった..");
      else
        RaiseMaxHp(g, 1);
      break;
  }
  Progress(g, kCave);
}

}  // namespace

void MazeScene(Game& g, std::string_view label) {
  if (label == "迷宮に挑戦する") return Enter(g, kMaze, "巨大空中迷宮に侵入した!!", 4);
  if (label == "迷宮に挑戦しない") return CowardiceRoll(g, 3, 1);
  if (label == "勘に頼るin迷宮") return MazeAttempt(g, false);
  if (label == "ダウジングin迷宮") return MazeAttempt(g, true);
  if (label == "探索in迷宮") return SearchMaze(g);
}

void MountainScene(Game& g, std::string_view label) {
  if (label == "踏破に挑戦する") return Enter(g, kMountain, "霊山ラストクロックに侵入した!!", 3);
  if (label == "霊山を見上げる") {
    Say(g, "あなたは霊山を見上げた....");
    return CowardiceRoll(g, 3, 1);
  }
  if (label == "よじ登るin霊山") return MountainAttempt(g, false);
  if (label == "浮遊魔法in霊山") return MountainAttempt(g, true);
  if (label == "キャンプin霊山-\\100") return CampOnMountain(g);
}

void CaveScene(Game& g, std::string_view label) {
  if (label == "洞門を探検する") return Enter(g, kCave, "冷酷の洞門に侵入した!!", 2);
  if (label == "洞門を通り過ぎる") return CowardiceRoll(g, 3, 1);
  if (label == "他の道を行くin洞門") return CaveAttempt(g, false);
  if (label == "ダウジングin洞門") return CaveAttempt(g, true);
  if (label == "岩壁を砕くin洞門") return BreakCaveWall(g);
}

}  // namespace pp
