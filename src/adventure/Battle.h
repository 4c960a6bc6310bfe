#pragma once
// Battle: the menu, the player's seven actions and the enemy's turn.

namespace pp {

class Game;

// "攻撃"/"必殺" (or "問答"/"証明" against a debater), "魔法" (or "理論武装"), "逃亡".
void ShowBattleMenu(Game& g);

// The player's actions, each followed by the enemy's turn unless CheckDeath ends the fight.
void PlayerAttack(Game& g);        // "攻撃"
void PlayerSpecial(Game& g);       // "必殺" (TP 100)
void PlayerMagic(Game& g);         // "魔法" (1 MP)
void PlayerDebate(Game& g);        // "問答"
void PlayerTheoryArmour(Game& g);  // "理論武装"
void PlayerProof(Game& g);         // "証明" (TP 100)
void PlayerFlee(Game& g);          // "逃亡"

// The enemy's turn: a day passes, then the enemy acts; the menu again unless someone fell.
void BattleTurn(Game& g);

}  // namespace pp
