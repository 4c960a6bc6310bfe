#include "story/EventSteps.h"

#include <string>

#include "adventure/Battle.h"
#include "adventure/Camp.h"
#include "adventure/Changes.h"
#include "adventure/Death.h"
#include "adventure/Say.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "items/Inventory.h"
#include "ui/Messages.h"
#include "ui/Picture.h"
#include "ui/Status.h"

namespace pp {

bool OneIn(Game& g, int32_t n) { return Random(g, n) == 0; }

void CampIfAlive(Game& g) {
  if (CheckDeath(g) == 0) ShowCampMenu(g);
}

GameState& SetUpEnemy(Game& g, std::string_view name, int32_t maxHp) {
  GameState& s = g.state;
  s.enemyName = name;
  s.enemyMaxHp = maxHp;
  s.enemyHp = maxHp;
  return s;
}

void OpenBattle(Game& g) {
  PlayWave(g, 1, "enemy.wav");
  AddMessage(g, g.state.enemyName + "が現れた");
  ShowBattleMenu(g);
}

void CowardiceRoll(Game& g, int32_t a, int32_t d) {
  if (OneIn(g, a)) ChangeCowardice(g, d);
  ShowCampMenu(g);
}

void EscapeRoll(Game& g) {
  if (OneIn(g, 2)) RaiseEscapeSkill(g, Random(g, 2) + 1);
}

void Find(Game& g, int32_t b) {
  AddMessage(g, "何かを発見した!!");
  GainRandomItem(g, Add32(Mul32(g.state.worldLevel, b), b));
}

void TreasureTrio(Game& g) {
  const int32_t wl = g.state.worldLevel;
  PlayWave(g, 1, "takara.wav");
  ShowPicture(g, "rea.bmp");
  Say(g, "財宝を発見した!!");
  GainRandomItem(g, Add32(Mul32(wl, 20), 20));
  GainRandomItem(g, Add32(Mul32(wl, 50), 50));
  GainRandomItem(g, Add32(Mul32(wl, 100), 100));
}

void Hurt(Game& g, std::string_view text, int32_t k) {
  AddColorMessage(g, text, "red");
  ChangeHp(g, Sub32(0, Add32(g.state.worldLevel, k)));
}

void HardHurt(Game& g, int32_t a, int32_t k) {
  const int32_t roll = Random(g, a);
  ChangeHp(g, Sub32(0, Add32(roll, Add32(Mul32(g.state.worldLevel, 2), k))));
}

void SpendDay(Game& g) {
  g.state.daysLeft = Sub32(g.state.daysLeft, 1);
  g.state.hunger = Sub32(g.state.hunger, 1);
}

void SearchExpedition(Game& g, int32_t bigFind, int32_t smallFind, int32_t tool, int32_t& progress,
                      void (*lesson)(Game&, int32_t)) {
  SpendDay(g);
  switch (Random(g, 6)) {
    case 0:
      Hurt(g, "ケガをしてしまった!!", 1);
      break;
    case 1:
      Find(g, bigFind);
      break;
    case 2:
      Find(g, smallFind);
      break;
    case 3:
      BreakItem(g, tool);
      break;
    case 4:
      AddMessage(g, "道がますます分からなくなった!");
      progress = Sub32(progress, 1);
      ClampState(g);
      break;
    default:
      if (Random(g, 5) != 0)
        AddMessage(g, "何も無かった..");
      else
        lesson(g, 1);
      break;
  }
}

}  // namespace pp
