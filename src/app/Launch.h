#pragma once
// Putting a run together: the command line, the folders the environment points to and the
// player's settings file, with the command line winning for the run.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "app/Options.h"
#include "game/Game.h"
#include "lang/DisplayLanguage.h"
#include "platform/UserPaths.h"
#include "settings/Settings.h"

namespace pp {

struct Launch {
  GameConfig config;  // the data folder, the prepared save folder, mute, the recording
  int scale = 0;      // window scale; 0: the window picks the largest that fits
  bool fullscreen = false;
  bool speak = false;                         // speech from the start
  TextHookMode textHook = TextHookMode::Off;  // headless: print only, to standard error
  // The language the game is read in, and the catalogue it is read with (empty: none found).
  DisplayLanguage::Mode languageMode = DisplayLanguage::Mode::Japanese;
  std::filesystem::path catalogue;
  // Whether the language came as a mode word (or not at all), so that a switch may be stored.
  bool languageIsMode = true;
  // The settings file this run reads and writes back: the window's always, the headless
  // mode's only with --settings, so that automation stays reproducible.
  std::optional<Settings> settings;
};

struct LaunchResult {
  Launch launch;
  std::string error;  // one line; empty when the run can start
};

// Finds the data folder, the save folder (created and checked: an error names it when it cannot
// be used) and the settings file, reads the settings (warnings go to `warnings`) and puts the
// command line over them. Writes nothing but the save folder itself.
LaunchResult PrepareLaunch(const ProgramOptions& options, const UserEnvironment& env,
                           std::ostream& warnings);

// At the end of a run: stores what the player changed during it (fullscreen, mute, the language
// when one is given) in the settings file, keeping its other lines, the values at the end winning
// over those the options screen stored meanwhile; writes nothing when nothing changed. A failed
// write is one warning.
void RememberChoices(Launch& launch, bool fullscreen, bool mute, std::ostream& warnings,
                     std::optional<DisplayLanguage::Mode> language = std::nullopt);

// Whether the player's languages (UserEnvironment::languages) put Japanese first.
bool PrefersJapanese(std::string_view languages);

// The English catalogue that comes with the game: lang/en.po in the data folder, else in the
// default data folder beside the program; empty when there is none.
std::filesystem::path FindCatalogue(const std::filesystem::path& dataDir,
                                    const std::filesystem::path& programDir);

// The catalogue in `file` that the game is read in `mode` with, each of its faults told once on
// `warnings` (an entry with a fault is left out and shows in Japanese). An empty `file` (none was
// found) is told too, unless the game is read in Japanese.
Catalogue LoadCatalogue(const std::filesystem::path& file, DisplayLanguage::Mode mode,
                        std::ostream& warnings);

}  // namespace pp
