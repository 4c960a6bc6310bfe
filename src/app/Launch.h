#pragma once
// Putting a run together: the command line, the folders the environment points to and the
// player's settings file, with the command line winning for the run.

#include <iosfwd>
#include <optional>
#include <string>

#include "app/Options.h"
#include "game/Game.h"
#include "platform/UserPaths.h"
#include "settings/Settings.h"

namespace pp {

struct Launch {
  GameConfig config;  // the data folder, the prepared save folder, mute, the recording
  int scale = 0;      // window scale; 0: the window picks the largest that fits
  bool fullscreen = false;
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

// At the end of a run: stores what the player changed during it (fullscreen, mute) in the
// settings file, keeping its other lines; writes nothing when nothing changed. A failed write
// is one warning.
void RememberChoices(Launch& launch, bool fullscreen, bool mute, std::ostream& warnings);

}  // namespace pp
