#pragma once
// The command line:
//   panipani [--data DIR] [--save-dir DIR] [--settings FILE] [--seed N] [--scale N]
//            [--fullscreen] [--headless [--auto-click]] [--mute] [--record-audio FILE.wav]
//            [--record FILE] [--replay FILE [--replay-speed K]] [--final-state FILE] [--speak]
//            [--font FILE] [--text-hook print|copy] [--reduce-flashing] [--text-backing]
//            [--lang ja|en|both|FILE]

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "extras/TextHook.h"

namespace pp {

struct ProgramOptions {
  std::optional<std::filesystem::path> dataDir;       // unset: FindDataDir looks for one
  std::optional<std::filesystem::path> saveDir;       // unset: the XDG data folder's
  std::optional<std::filesystem::path> settingsFile;  // unset: the XDG one (never headless)
  std::optional<uint32_t> seed;                       // unset: the time of day in milliseconds
  int scale = 0;                                      // 0: the window picks its own
  bool fullscreen = false;
  bool headless = false;
  bool autoClick = false;  // headless only: every click wait ends at once
  bool mute = false;
  std::filesystem::path recordAudioPath;      // empty: no recording
  std::filesystem::path recordPath;           // --record: the run written as a replay
  std::filesystem::path replayPath;           // --replay: a recorded run played (seed from it)
  int replaySpeed = 1;                        // the window replay's speed, 1 = real time
  std::filesystem::path finalStatePath;       // --final-state: the state event written at the end
  bool speak = false;                         // read messages and choices aloud from the start
  std::filesystem::path fontPath;             // empty: the settings' font or the installed one
  TextHookMode textHook = TextHookMode::Off;  // --text-hook print|copy (copy: the window only)
  bool reduceFlashing = false;
  bool textBacking = false;
  // --lang: ja, en, both, or a catalogue file (read in English); empty: the settings' choice or,
  // in the window, the player's languages.
  std::string language;
  bool help = false;  // --help: print the usage and stop
};

struct OptionsResult {
  ProgramOptions options;
  std::string error;  // one line naming the bad option; empty when the line was understood
};

// The usage line printed by --help.
extern const char* const kUsage;

// Parses the arguments after the program name.
OptionsResult ParseOptions(std::span<const std::string_view> args);

// Milliseconds since local midnight: the seed when --seed is not given.
uint32_t TimeOfDaySeed();

}  // namespace pp
