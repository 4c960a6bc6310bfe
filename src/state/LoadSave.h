#pragma once
// Loading and saving on disk, and the new game and full reset that end in a save. The data folder
// (config.dataDir) holds dat/my.dat, dat/name.dat and dat/map.dat, found case-insensitively; the
// save folder (config.saveDir) holds the player's my.dat and the score report, and starts from a
// copy of the data folder's my.dat. Without a save folder (a bare GameConfig in tests) the data
// folder's my.dat is read and saving is refused.

#include <filesystem>
#include <optional>
#include <string>

namespace pp {

class Game;

// Where my.dat is read and written; empty without a save folder.
std::filesystem::path SaveFilePath(const Game& g);
// Where the score report 成績.txt is written; empty without a save folder.
std::filesystem::path ScoreReportPath(const Game& g);

// Start-up: removes the temporary files an interrupted save left in the save folder, reads my.dat
// (copying the data folder's into a save folder that has none), then name.dat, then map.dat. On
// any fault returns one message naming
// the file (and the line, where there is one) and changes nothing in the state; saving is then
// refused for the rest of the run, so the player's file is never replaced. The caller shows it.
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
