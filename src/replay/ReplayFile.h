#pragma once
// A recorded run is an automation script (the headless protocol) whose first line is a comment
// naming the seed and the data folder it was played with, and whose second line, a comment too,
// names the program's version (older recordings lack it):
//   # panipani replay seed 12345 data /usr/share/games/panipani
//   # panipani version 1.0.0
// Beside it, FILE.my.dat keeps the save the run started from.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace pp {

struct ReplayHeader {
  uint32_t seed = 0;
  std::filesystem::path dataDir;
  std::string version;  // empty: not named
};

// The header lines of a recording, without the last line end.
std::string FormatReplayHeader(const ReplayHeader& header);
// The header read from the first lines of the file at `path`; nullopt with `error` set (naming
// the file) when it cannot be read or is not a recording.
std::optional<ReplayHeader> ReadReplayHeader(const std::filesystem::path& path, std::string& error);

// Copies the save a run recorded to `recording` starts from (the save folder's my.dat, or the
// data folder's when there is none) to recording.my.dat; a message naming the file on failure.
std::optional<std::string> KeepStartingSave(const std::filesystem::path& recording,
                                            const std::filesystem::path& saveDir,
                                            const std::filesystem::path& dataDir);
// Before a replay: a save folder without my.dat gets the recording's starting save. Returns a
// note when the replay starts from another save (the folder's own, or none was kept).
std::optional<std::string> RestoreStartingSave(const std::filesystem::path& recording,
                                               const std::filesystem::path& saveDir);

}  // namespace pp
