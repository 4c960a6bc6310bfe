#pragma once
// The picture's own mouse handlers: the title screens, then the click that ends a wait.

namespace pp {

class Game;

// A mouse button went down on the picture (outside the choice buttons once they show).
void cgMouseDown(Game& g);
// The pointer moved on the picture outside the choice buttons.
void cgMouseMove(Game& g);

}  // namespace pp
