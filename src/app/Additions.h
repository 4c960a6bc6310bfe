#pragma once
// The additions around the game that a run puts on its host. A player's (the window's and the
// page's): the first run's hint, auto mode and the keyboard choices, the keys help, the options
// screen, the message log, the text hook when asked, the M notice, the language switch and
// speech. Headless only the text hook, and only when asked. They read the game in the language of
// `config.language`.

#include <filesystem>
#include <iosfwd>
#include <memory>

#include "extras/ExtrasHost.h"
#include "extras/TextHook.h"
#include "game/Game.h"
#include "platform/Speaker.h"

namespace pp {

class Clipboard;
class OutputLevel;
class Settings;
class TextRenderer;
class WindowControls;

// What a player's additions are made from besides the game's configuration. Everything given
// must outlive the host they are put on; a null target leaves out what needs it.
struct PlayerSetup {
  TextRenderer* text = nullptr;  // draws them; required
  // Read for auto mode at start; the options screen writes each change to it. Null: the
  // defaults, and nothing is written.
  Settings* settings = nullptr;
  std::ostream* warnings = nullptr;  // a settings file that cannot be written
  // Whether a switch of the language may be stored (it came as a mode word, not a file).
  bool storeLanguage = true;
  // The catalogue file to read again whenever it changes; empty: none.
  std::filesystem::path catalogue;
  TextHookMode hook = TextHookMode::Off;
  std::ostream* hookOut = nullptr;   // where the hook prints, unless Off
  Clipboard* clipboard = nullptr;    // where the hook copies in copy mode
  std::unique_ptr<Speaker> speaker;  // speech (key S, the options); null: none
  bool speak = false;                // speech on from the start
  OutputLevel* volume = nullptr;     // the sound output's level; null: no volume entry
  WindowControls* window = nullptr;  // scale and fullscreen; null: no window entries
  bool firstRun = false;             // the save folder's first run: the hint shows
};

// The player's additions on `extras`, in the order they take input and draw.
void AddPlayerAdditions(ExtrasHost& extras, const GameConfig& config, PlayerSetup setup);

// The headless run's additions: the print hook on `hookOut` (standard error, since standard
// output carries the events). Nothing when `hook` is Off.
void AddHeadlessAdditions(ExtrasHost& extras, const GameConfig& config, TextHookMode hook,
                          std::ostream& hookOut);

// Whether the save folder has never been played in: it holds no my.dat yet (the game writes one
// at every close, so the hint shows on the first run only).
bool IsFirstRun(const std::filesystem::path& saveDir);

}  // namespace pp
