#pragma once
// Loading and saving the game's records (state/SaveFolder.h says where and how), and the new game
// and full reset that end in a save. Without a save folder (a bare GameConfig in tests) the data
// folder's my.dat is read and saving is refused.

#include <optional>
#include <string>

namespace pp {

class Game;

// Start-up: LoadRecords into the game's state. On a fault the message naming the file is
// returned for the caller to show, and saving is refused for the rest of the run.
std::optional<std::string> LoadGame(Game& g);

// Writes my.dat, then the score report, each replacing its file atomically. A write failure is
// shown through the host and returns false (the report is then not written).
bool SaveGame(Game& g);

// The enemy on screen gone: no name, and its HP and properties 0 (enemyMaxHp stays).
void ClearEnemy(Game& g);

// A new character: clears the enemy, puts every run variable to its new-game value (money 2000
// when keptFlags[23] is set, else 0), zeroes the scene counters, then saves. The kept set
// (headerText, deathCount, keptValue1/2, keptFlags, records, deepest*, spareSaved) stays.
void NewGame(Game& g);

// Erases the kept records too (headerText and spareSaved stay), then starts a new game.
void FullReset(Game& g);

}  // namespace pp
