#pragma once

namespace pp {

class Game;

// Checks for death (and victory over the enemy on screen) after every change; non-zero when
// the character has died and the death handling has offered its own choices.
int CheckDeath(Game& g);

}  // namespace pp
