#pragma once
// The camp: the menu between steps and the actions it offers.

namespace pp {

class Game;

// The menu between steps: nothing when CheckDeath reports anything; otherwise clears the enemy,
// shows "load.bmp" and offers the healing spell, the item/training choice and "冒険!!!!".
void ShowCampMenu(Game& g);

// "修行 \-50" and "地獄修行 \-1000": pay, bathe under the fall, gain experience, end the
// training status; with too little money only "no.wav" and the camp menu.
void Training(Game& g);
void HellTraining(Game& g);
// "回復魔法": 2 MP for spirit + 2 HP; the empress's staff (46) breaks 1 time in 10.
void HealingSpell(Game& g);
// "アイテム": opens the item panel.
void OpenItemPanel(Game& g);
// The shop met on the road (button caption "買う", or "秘密" for the secret shop).
void OpenShopPanel(Game& g, bool secret);

}  // namespace pp
