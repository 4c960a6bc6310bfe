#include "game/LoadSave.h"

#include "game/Game.h"
#include "state/SaveFolder.h"
#include "state/StateFields.h"

namespace pp {

std::optional<std::string> LoadGame(Game& g) {
  return LoadRecords(g.config.dataDir, g.config.saveDir, g.state);
}

bool SaveGame(Game& g) {
  if (g.state.savesBlocked) return false;
  if (auto error = SaveRecords(g.config.saveDir, g.state)) {
    g.host.ShowError(*error);
    return false;
  }
  return true;
}

void ClearEnemy(Game& g) {
  GameState& s = g.state;
  s.enemyName.clear();
  s.enemyHp = 0;
  s.enemyDropCount = 0;
  s.enemyDropItem = 0;
  s.enemySpirit = 0;
  s.enemyWisdom = 0;
  s.enemyStrength = 0;
  s.enemyDefence = 0;
  s.enemyExpFactor = 0;
  s.enemyMoneyFactor = 0;
  s.enemyDebater = 0;
  s.enemyElite = 0;
}

void NewGame(Game& g) {
  ClearEnemy(g);
  GameState& s = g.state;
  ResetRunFields(s);
  if (s.keptFlags[23] != 0) s.money = 2000;
  s.denFightCount = 0;
  s.lockedChestTries = 0;
  s.caveProgress = 0;
  s.mountainProgress = 0;
  s.mazeProgress = 0;
  s.forestProgress = 0;
  s.blockReleaseCount = 0;
  SaveGame(g);
}

void FullReset(Game& g) {
  GameState& s = g.state;
  s.keptValue2 = 0;
  s.deathCount = 0;
  s.keptValue1 = 0;
  s.records.fill(0);
  s.keptFlags.fill(0);
  s.deepestLevel = 0;
  s.deepestAu = 0;
  NewGame(g);
}

}  // namespace pp
