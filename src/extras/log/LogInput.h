#pragma once
// What the player's input does to the message log. Closed, it opens on L, Page Up or the wheel
// turned up (unless the item panel is open: then the wheel scrolls the panel's list). Open, it
// takes every input: the wheel, the arrows, Page Up/Down, Home and End scroll; a click, Escape,
// L or the wheel turned down past the newest line close it.

#include "platform/Host.h"

namespace pp {

struct LogCommand {
  enum class Action {
    Pass,      // not the log's: the game gets it
    Open,      // open at the newest line
    Close,     // close; the input is spent
    Scroll,    // scroll by `rows` (positive: toward older lines)
    Page,      // scroll by `rows` pages
    ToOldest,  // Home
    ToNewest,  // End
    Swallow,   // the log is open: the input is held from the game and does nothing
  };
  Action action = Action::Pass;
  int rows = 0;
};

// Rows scrolled by one notch of the wheel.
inline constexpr int kLogRowsPerNotch = 3;

// `atNewest`: the open log shows its newest line at the bottom.
LogCommand ReadLogInput(const HostEvent& e, bool logOpen, bool panelOpen, bool atNewest);

}  // namespace pp
