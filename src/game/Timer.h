#pragma once
// The 20 ms timer and the game frame it paces.

namespace pp {

class Game;

// One timer tick: runs a frame when the frame interval has passed, once a second shows the
// frame rate in the caption and tunes the interval toward 10 frames a second, refreshes the
// money label, and flickers the title.
void Timer1Timer(Game& g);
// One game frame: counts it and, once the title is past, draws, clamps and presents the picture.
void FrameTick(Game& g);

}  // namespace pp
