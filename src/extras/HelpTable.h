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

// The drawing options the help shows the state of.
struct EyeOptions {
  bool reduceFlashing = false;
  bool textBacking = false;
};

// The window's keys and mouse actions, then the state of the drawing options.
std::vector<HelpLine> WindowHelp(const EyeOptions& options);

}  // namespace pp
