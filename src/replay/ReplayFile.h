#pragma once
// A recorded run is an automation script (the headless protocol) whose first line is a comment
// naming the seed and the data folder it was played with:
//   # panipani replay seed 12345 data /usr/share/games/panipani

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace pp {

struct ReplayHeader {
  uint32_t seed = 0;
  std::filesystem::path dataDir;
};

// The first line of a recording, without its line end.
std::string FormatReplayHeader(const ReplayHeader& header);
// The header read from the first line of the file at `path`; nullopt with `error` set (naming
// the file) when it cannot be read or is not a recording.
std::optional<ReplayHeader> ReadReplayHeader(const std::filesystem::path& path, std::string& error);

}  // namespace pp
