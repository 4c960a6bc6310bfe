#pragma once
// Every key and mouse action of the window, as the keys help (F1) lists them: one table, so a
// new input (the gamepad's buttons, say) is a line here.

#include <string>
#include <vector>

namespace pp {

struct HelpLine {
  std::string keys;    // what the player presses
  std::string action;  // what it does
};

// The window's keys and mouse actions.
std::vector<HelpLine> WindowHelp();

}  // namespace pp
