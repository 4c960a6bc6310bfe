#pragma once
// What an ordinary step meets: one of 51 outcomes, or the level's boss.

namespace pp {

class Game;

// Rolls Random(51) and plays the outcome; an outcome whose level condition fails is
// NothingHappened.
void RollEncounter(Game& g);
// The boss of level 2, 4 or 6 on the last AU before the border.
void MeetBoss(Game& g);

// The enemy encounters of the table (outcomes 0, 9, 30, 31, 41, 42, 43, 44); each rolls its
// strong variant first where the level allows it, sets the enemy up and opens the battle.
void MeetRandomMonster(Game& g);
void MeetWitch(Game& g);
void MeetMonk(Game& g);
void MeetZenMonk(Game& g);
void MeetAlgorithmSnake(Game& g);
void MeetGiantFoot(Game& g);
void MeetAi(Game& g);
void MeetExtraEnemy(Game& g);

// The wandering merchant: one random catalogue item at a price that depends on luck.
void MeetMerchant(Game& g);
// A meeting with one of the people of the current level.
void MeetSomeone(Game& g);

}  // namespace pp
