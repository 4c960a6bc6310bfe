#pragma once
// The files of a run on disk. The data folder holds dat/my.dat, dat/name.dat and dat/map.dat,
// found case-insensitively; the save folder holds the player's my.dat and the score report, and
// starts from a copy of the data folder's my.dat. Without a save folder (an empty path) the data
// folder's my.dat is read and saving is refused.

#include <filesystem>
#include <optional>
#include <string>

#include "state/GameState.h"

namespace pp {

// Where my.dat is read and written; empty without a save folder.
std::filesystem::path SaveFilePath(const std::filesystem::path& saveDir);
// Where the score report 成績.txt is written; empty without a save folder.
std::filesystem::path ScoreReportPath(const std::filesystem::path& saveDir);

// Removes the temporary files an interrupted save left in the save folder, reads my.dat (copying
// the data folder's into a save folder that has none), then name.dat, then map.dat into `state`.
// On any fault returns one message naming the file (and the line, where there is one), changes
// nothing else in the state and sets savesBlocked, so the player's file is never replaced.
std::optional<std::string> LoadRecords(const std::filesystem::path& dataDir,
                                       const std::filesystem::path& saveDir, GameState& state);

// Writes my.dat, then the score report, each replacing its file atomically; the message of the
// first failure (the report is then not written). Nothing is written while saves are blocked.
std::optional<std::string> SaveRecords(const std::filesystem::path& saveDir,
                                       const GameState& state);

}  // namespace pp
