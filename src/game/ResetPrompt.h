#pragma once
// The Enter key's offer to erase every record and start over.

namespace pp {

class Game;

// Key-down in the window. Enter (13) plays "1.wav" on channel 0 and asks Yes/No; only a Yes
// runs FullReset. Other keys do nothing.
void FormKeyDown(Game& g, int keyCode);

}  // namespace pp
