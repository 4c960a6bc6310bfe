#pragma once
// The one judge of who has fallen.

#include <cstdint>

namespace pp {

class Game;

// Revives a fallen player by 聖ペテロ像 (48) or else 例外処理条件 (190); then pays a defeated
// enemy's rewards (returns 2, the camp menu or the den's choices offered), ends the run of a
// dead player (returns 1, a new game and "旅立つ" offered), or returns 0 when nothing happened.
int CheckDeath(Game& g);

// One capture in this many victories for a capture skill of 1 or more.
int32_t CaptureOdds(int32_t captureSkill);

}  // namespace pp
