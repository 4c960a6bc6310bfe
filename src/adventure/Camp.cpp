#include "adventure/Camp.h"

#include <string>

#include "adventure/Changes.h"
#include "adventure/Death.h"
#include "adventure/Growth.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/LoadSave.h"
#include "game/Sound.h"
#include "items/Panel.h"
#include "ui/Choices.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

constexpr int32_t kEmpressStaff = 46;

// One stay under the waterfall: `cost` yen buys Random(rollRange) + bonus experience.
void TrainUnderFall(Game& g, int32_t cost, int32_t rollRange, int32_t bonus,
                    std::string_view feeling, int32_t& status) {
  GameState& s = g.state;
  if (s.money >= cost) {
    s.money -= cost;
    const int32_t roll = Random(g, rollRange);
    ShowPicture(g, "taki.bmp");
    PlayWave(g, 1, "taki.wav");
    AddMessage(g, feeling);
    WaitForClick(g);
    GainExp(g, Add32(roll, bonus));
    status = 0;
  } else {
    PlayWave(g, 0, "no.wav");
  }
  ShowCampMenu(g);
}

}  // namespace

void ShowCampMenu(Game& g) {
  if (CheckDeath(g) != 0) return;
  ClearEnemy(g);
  ShowPicture(g, "load.bmp");
  const GameState& s = g.state;
  const bool canHeal = s.mp >= 2 && s.itemCount[kEmpressStaff] >= 1;
  std::string_view second = "アイテム";
  if (s.statusHellTraining >= 1)
    second = "地獄修行 \\-1000";
  else if (s.statusTraining >= 1)
    second = "修行 \\-50";
  SetChoices(g, canHeal ? "回復魔法" : "", second, "冒険!!!!");
}

void Training(Game& g) {
  TrainUnderFall(g, 50, Add32(Mul32(g.state.worldLevel, 3), 3), 3, "強くなったような気がした…",
                 g.state.statusTraining);
}

void HellTraining(Game& g) {
  TrainUnderFall(g, 1000, Add32(Mul32(g.state.worldLevel, 3), 30), 30,
                 "やや強くなったような気がした…", g.state.statusHellTraining);
}

void HealingSpell(Game& g) {
  GameState& s = g.state;
  ChangeMp(g, -2);
  ChangeHp(g, Add32(s.spirit, 2));
  if (Random(g, 10) == 0) {
    PlayWave(g, 0, "broke.wav");
    s.itemCount[kEmpressStaff] -= 1;
    AddColorMessage(g,
                    "なんと【皇后の杖】が壊れてしまった....(残:" +
                        std::to_string(s.itemCount[kEmpressStaff]) + "個)",
                    "red");
    WaitForClick(g);
  }
  ShowCampMenu(g);
}

void OpenItemPanel(Game& g) { OpenPanel(g, kUseCaption); }

void OpenShopPanel(Game& g, bool secret) { OpenPanel(g, secret ? kSecretCaption : kBuyCaption); }

}  // namespace pp
