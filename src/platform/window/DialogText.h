#pragma once
// The text of a question or error for the desktop's message box: the game writes its line
// breaks as a bare CR (or CR LF), the box breaks lines at LF only, and a line too long for the
// window is wrapped so the box is no wider than the game.

#include <string>
#include <string_view>

namespace pp {

// `text` (UTF-8) with every CR LF and lone CR turned into LF, and every line wider than
// `maxColumns` wrapped (a wide character such as a kanji counts two columns, others one; a
// closing mark such as 。 or ） never starts a line).
std::string FitDialogText(std::string_view text, int maxColumns);

}  // namespace pp
