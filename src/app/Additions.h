#pragma once
// The additions around the game that a run puts on its host: in the window the message log, the
// keys help, the M notice and the text hook when asked; headless only the text hook, and only
// when asked.

#include <iosfwd>

#include "extras/ExtrasHost.h"
#include "extras/TextHook.h"
#include "game/Game.h"

namespace pp {

class Clipboard;
class TextRenderer;

// The window's additions on `extras`. `text` draws them; the hook (unless `hook` is Off) writes
// to `hookOut` and, in copy mode, to `clipboard`. Everything given must outlive `extras`.
void AddWindowAdditions(ExtrasHost& extras, TextRenderer& text, const GameConfig& config,
                        TextHookMode hook, std::ostream& hookOut, Clipboard* clipboard);

// The headless run's additions: the print hook on `hookOut` (standard error, since standard
// output carries the events). Nothing when `hook` is Off.
void AddHeadlessAdditions(ExtrasHost& extras, TextHookMode hook, std::ostream& hookOut);

}  // namespace pp
