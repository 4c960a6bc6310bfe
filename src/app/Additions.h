#pragma once
// The additions around the game that a run puts on its host: in the window the message log, the
// keys help, the M notice, the language switch and the text hook when asked; headless only the
// text hook, and only when asked. They read the game in the language of `config.language`.

#include <filesystem>
#include <iosfwd>

#include "extras/ExtrasHost.h"
#include "extras/TextHook.h"
#include "game/Game.h"

namespace pp {

class Clipboard;
class TextRenderer;

// The window's additions on `extras`. `text` draws them; the hook (unless `hook` is Off) writes
// to `hookOut` and, in copy mode, to `clipboard`; a non-empty `catalogue` is the catalogue file
// read again whenever it changes. Everything given must outlive `extras`.
void AddWindowAdditions(ExtrasHost& extras, TextRenderer& text, const GameConfig& config,
                        TextHookMode hook, std::ostream& hookOut, Clipboard* clipboard,
                        const std::filesystem::path& catalogue = {});

// The headless run's additions: the print hook on `hookOut` (standard error, since standard
// output carries the events). Nothing when `hook` is Off.
void AddHeadlessAdditions(ExtrasHost& extras, const GameConfig& config, TextHookMode hook,
                          std::ostream& hookOut);

}  // namespace pp
