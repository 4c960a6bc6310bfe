#pragma once
// The command line:
//   panipani [--data DIR] [--save-dir DIR] [--seed N] [--scale N] [--fullscreen]
//            [--headless [--auto-click]] [--mute] [--record-audio FILE.wav]

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pp {

struct ProgramOptions {
  std::optional<std::filesystem::path> dataDir;  // unset: DefaultDataDir
  std::filesystem::path saveDir;                 // empty: the data folder keeps the save
  std::optional<uint32_t> seed;                  // unset: the time of day in milliseconds
  int scale = 0;                                 // 0: the window picks its own
  bool fullscreen = false;
  bool headless = false;
  bool autoClick = false;  // headless only: every click wait ends at once
  bool mute = false;
  std::filesystem::path recordAudioPath;  // empty: no recording
  bool help = false;                      // --help: print the usage and stop
};

struct OptionsResult {
  ProgramOptions options;
  std::string error;  // one line naming the bad option; empty when the line was understood
};

// The usage line printed by --help.
extern const char* const kUsage;

// Parses the arguments after the program name.
OptionsResult ParseOptions(std::span<const std::string_view> args);

// The data folder when --data is not given: `data` beside the program when it exists, else the
// program's own folder.
std::filesystem::path DefaultDataDir(const std::filesystem::path& programDir);

// Milliseconds since local midnight: the seed when --seed is not given.
uint32_t TimeOfDaySeed();

}  // namespace pp
