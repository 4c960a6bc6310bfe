#pragma once
// One step of the adventure: an AU forward, a day and a stomach point spent, statuses ticked,
// then the border, a boss or an encounter.

namespace pp {

class Game;

// One step; every path ends before a choice (camp, battle, an encounter's choices, the wish,
// the block release) or in a game over.
void AdventureStep(Game& g);
// One flavour line of the current level's range, a wait, then the camp menu.
void NothingHappened(Game& g);

}  // namespace pp
