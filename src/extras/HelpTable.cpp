#include "extras/HelpTable.h"

namespace pp {

std::vector<HelpLine> WindowHelp(const EyeOptions& options) {
  auto state = [](bool on) { return std::string(on ? "on" : "off"); };
  return {
      {"Click, Space", "next message; a button under the pointer"},
      {"1  2  3", "press the first, second, third button"},
      {"Up/Down, Tab, Space", "highlight a button, press it (pad: d-pad, A)"},
      {"A, hold Ctrl", "auto mode, fast-forward (pad: Back, R1)"},
      {"Wheel up, L, PgUp", "message log (wheel, arrows, PgUp/PgDn,"},
      {"", "Home/End scroll; Esc, L, click close)"},
      {"Wheel, Up/Down", "the item panel's list; Space uses, Esc closes"},
      {"M", "sound off / on"},
      {"S", "speech on / off"},
      {"F11, Alt+Enter", "fullscreen"},
      {"F12", "screenshot into the save folder"},
      {"Enter", "erase every record (asks first)"},
      {"F1", "this help (pad: Start)"},
      {"Reduce flashing", state(options.reduceFlashing) + "  (--reduce-flashing)"},
      {"Text backing", state(options.textBacking) + "  (--text-backing)"},
  };
}

}  // namespace pp
