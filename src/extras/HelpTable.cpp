#include "extras/HelpTable.h"

namespace pp {

std::vector<HelpLine> WindowHelp() {
  return {
      {"Click, Space", "next message; a button under the pointer"},
      {"1  2  3", "press the first, second, third button shown"},
      {"Space, Enter", "press the button when only one is shown"},
      {"Up/Down, Tab, Space", "highlight a button, press it (pad: d-pad, A)"},
      {"A, hold Ctrl", "auto mode, fast-forward (pad: Back, R1)"},
      {"Wheel up, L, PgUp", "message log (wheel, arrows, PgUp/PgDn,"},
      {"", "Home/End scroll; Esc, L, click close)"},
      {"Wheel, Up/Down", "the item panel's list; Space uses, Esc closes"},
      {"M, S, T", "sound, speech on / off; language"},
      {"F11, Alt+Enter", "fullscreen"},
      {"F12", "screenshot into the save folder"},
      {"Enter", "erase every record (asks first)"},
      {"F2, Esc", "options: language, text, sound, speech,"},
      {"", "auto mode, window (pad: Start)"},
      {"F1", "this help"},
  };
}

}  // namespace pp
