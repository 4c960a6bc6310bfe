#pragma once
// Where the program's files are: the data folder it plays from, the player's save folder and the
// settings file. One place decides this for every host. The finders take the environment's values
// and the program's own folder as arguments, so a host (or a test) can give its own.

#include <filesystem>
#include <optional>
#include <string>

namespace pp {

// The values the folders are found from.
struct UserEnvironment {
  std::string home;                  // $HOME
  std::string xdgDataHome;           // $XDG_DATA_HOME; unset, empty or relative: not used
  std::string xdgConfigHome;         // $XDG_CONFIG_HOME; unset, empty or relative: not used
  std::filesystem::path programDir;  // the folder the program file lies in
  // The player's languages, as gettext reads them: $LANGUAGE, else $LC_ALL, $LC_MESSAGES or
  // $LANG, whichever is set first ("ja_JP.UTF-8", "en_GB:en").
  std::string languages;
};

// This process's environment, and the folder of its program file (from /proc/self/exe, else
// from `argv0`).
UserEnvironment CurrentUserEnvironment(const char* argv0);

// A folder or file that was found, or why none could be.
struct FoundPath {
  std::filesystem::path path;  // empty when not found
  std::string error;           // one line naming what was looked for; empty when found
};

// The data folder (cg/ and dat/): `given` (--data) when set; else data/ beside the program (the
// build tree); else <programDir>/../share/panipani (an installed tree, under any prefix).
FoundPath FindDataDir(const std::optional<std::filesystem::path>& given,
                      const std::filesystem::path& programDir);

// The save folder (my.dat, the score report, screenshots/): `given` (--save-dir) when set; else
// $XDG_DATA_HOME/panipani, or $HOME/.local/share/panipani when that is unset, empty or relative.
FoundPath FindSaveDir(const std::optional<std::filesystem::path>& given,
                      const UserEnvironment& env);

// The settings file: $XDG_CONFIG_HOME/panipani/settings.ini, or
// $HOME/.config/panipani/settings.ini when that is unset, empty or relative.
FoundPath FindSettingsFile(const UserEnvironment& env);

// Creates the save folder when it is missing and checks that files can be made in it. Returns
// one line naming the folder when it cannot be used; nothing is left in it either way.
std::optional<std::string> PrepareSaveDir(const std::filesystem::path& dir);

}  // namespace pp
