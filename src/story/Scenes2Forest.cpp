// The dark forest expedition: wl + 3 steps towards the exit.

#include <string>

#include "adventure/Camp.h"
#include "adventure/Changes.h"
#include "adventure/Growth.h"
#include "adventure/Say.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "items/Inventory.h"
#include "story/Dispatch2Scenes.h"
#include "story/EventSteps.h"
#include "ui/Choices.h"
#include "ui/Messages.h"

namespace pp {

namespace {

constexpr int32_t kDarkBranch = 136;
constexpr int32_t kOldClock = 181;
constexpr int32_t kHeadlight = 137;

int32_t ForestGoal(const Game& g) { return Add32(g.state.worldLevel, 3); }

// The entry leaves out the search, as the game has always done.
void OfferForest(Game& g, bool withSearch) {
  const GameState& s = g.state;
  SetChoices(g, withSearch && s.itemCount[kHeadlight] >= 1 ? "探索in森林" : "",
             s.mp >= 3 ? "ダウジングin森林" : "", "勘に頼るin森林");
}

void ForestProgress(Game& g, bool withSearch = true) {
  AddMessage(
      g, "....暗くて先が分からない.. " + Num(g.state.forestProgress) + "/" + Num(ForestGoal(g)));
  OfferForest(g, withSearch);
}

void Mishaps(Game& g) {
  if (OneIn(g, 5)) Find(g, 25);
  if (OneIn(g, 5)) Hurt(g, "ケガをしてしまった!!", 0);
}

void ForestReward(Game& g, int32_t perBranch, int32_t base) {
  GameState& s = g.state;
  GainMoney(
      g, Add32(Add32(Mul32(s.worldLevel, 25), Mul32(s.itemCount[kDarkBranch], perBranch)), base));
  if (OneIn(g, 5)) GainItem(g, kDarkBranch);
  if (OneIn(g, 3)) GainItem(g, kOldClock);
  if (OneIn(g, 5)) RaiseMaxMp(g, 1);
  s.forestProgress = -1;
  ShowCampMenu(g);
}

// One attempt at the exit on Random(max(wl × 3 − skill + 1, 1)) = 0.
void ForestAttempt(Game& g, bool dowsing) {
  GameState& s = g.state;
  SpendDay(g);
  if (dowsing) s.mp = Sub32(s.mp, 2);
  const int32_t d = Add32(Sub32(Mul32(s.worldLevel, 3), dowsing ? s.wisdom : s.escapeSkill), 1);
  if (Random(g, d < 1 ? 1 : d) != 0) {
    if (dowsing && OneIn(g, 6)) RaiseMagicSkill(g, 1);
    Say(g, "....あなたは森林を進んだ。");
    if (!dowsing && OneIn(g, 3)) RaiseEscapeSkill(g, 1);
    Mishaps(g);
    return ForestProgress(g);
  }
  s.forestProgress = Add32(s.forestProgress, 1);
  PlayWave(g, 2, "point.wav");
  AddMessage(g, "出口に一歩近づいたようだ");
  SayIn(g, "森林ポイント +1", "aqua");
  if (s.forestProgress < ForestGoal(g)) return ForestProgress(g);
  PlayWave(g, 1, "clear.wav");
  SayIn(g, "見事、脱出に成功した!!", "aqua");
  if (dowsing)
    ForestReward(g, 25, 25);
  else
    ForestReward(g, 100, 500);
}

void SearchForest(Game& g) {
  SearchExpedition(g, 20, 10, kHeadlight, g.state.forestProgress, RaiseMaxMp);
  ForestProgress(g);
}

void EnterForest(Game& g) {
  g.state.forestProgress = 0;
  PlayWave(g, 3, "try.wav");
  Say(g, "暗黒森林に侵入した!!");
  if (OneIn(g, 5)) ChangeCowardice(g, -1);
  ForestProgress(g, false);
}

}  // namespace

void ForestScene(Game& g, std::string_view label) {
  if (label == "暗黒森林を探検!!") return EnterForest(g);
  if (label == "暗黒森林を回避..") return CowardiceRoll(g, 3, 1);
  if (label == "勘に頼るin森林") return ForestAttempt(g, false);
  if (label == "ダウジングin森林") return ForestAttempt(g, true);
  SearchForest(g);
}

}  // namespace pp
