#pragma once
// Input to the item panel: the mouse over its parts, the wheel and the keys, and the automation
// commands `panel select ROW`, `panel use` and `panel close`.

#include <string_view>

namespace pp {

class Game;
struct ItemPanel;

// A mouse button went down at (x, y) on the picture. True when the shown panel lies there and
// took the click (a row, the action button, the close button, or nothing).
bool PanelMouseDown(Game& g, int x, int y);
// True when the shown panel covers (x, y), so that the picture under it sees no pointer.
bool PanelCovers(const Game& g, int x, int y);
// The wheel turned by `notches` (positive = away from the user): the list scrolls 3 rows a
// notch while the panel is shown.
void PanelWheel(Game& g, int notches);
// A key went down. While the panel is shown the up and down arrows move the list's selection
// and show its details, Space and the keypad's Enter press the use/buy button and Escape the
// close button; true when the key was taken.
bool PanelKeyDown(Game& g, int key);
// Answers a `panel …` command line; false for any other line. A panel command while the panel
// is closed, or a row that is not in the list, is reported through the host's error.
bool RunPanelCommand(Game& g, std::string_view line);
// Scrolls the list so that the selected row can be seen.
void KeepSelectionInView(ItemPanel& p);

}  // namespace pp
