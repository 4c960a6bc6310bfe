#include <algorithm>

#include "core/Int32.h"
#include "game/Game.h"
#include "ui/Status.h"

namespace pp {

void ClampState(Game& g) {
  GameState& s = g.state;
  s.hp = std::max(std::min(s.hp, s.maxHp), 0);
  s.tp = std::max(std::min(s.tp, 100), 0);
  s.mp = std::max(std::min(s.mp, s.maxMp), 0);
  s.exp = std::max(std::min(s.exp, Add32(Mul32(s.level, 10), 100)), 0);
  s.money = std::min(std::max(s.money, 0), 999999999);
  s.worldLevel = std::max(s.worldLevel, 0);
  s.auDistance = std::max(s.auDistance, 0);
  s.daysLeft = std::min(std::max(s.daysLeft, 0), 365);
  s.hunger = std::min(std::max(s.hunger, 0), s.maxHunger);
  s.strength = std::max(s.strength, 0);
  s.wisdom = std::max(s.wisdom, 0);
  s.spirit = std::max(s.spirit, 0);
  s.forestProgress = std::max(s.forestProgress, 0);
  s.mazeProgress = std::max(s.mazeProgress, 0);
  s.mountainProgress = std::max(s.mountainProgress, 0);
  s.lockedChestTries = std::max(s.lockedChestTries, 0);
  s.caveProgress = std::max(s.caveProgress, 0);
  s.enemyHp = std::min(std::max(s.enemyHp, 0), s.enemyMaxHp);
  s.enemyStrength = std::max(s.enemyStrength, 0);
  s.enemyDefence = std::max(s.enemyDefence, 0);
  s.enemyWisdom = std::max(s.enemyWisdom, 0);
  s.enemySpirit = std::max(s.enemySpirit, 0);
}

}  // namespace pp
