#pragma once
// The two rewards: experience (with learning aids and the level-up) and money.

#include <cstdint>

namespace pp {

class Game;

// Adds experience plus the bonus of held learning aids (97..100, 105), which may break, and
// levels up once when the bar (level*10+100) is full; the surplus is lost.
void GainExp(Game& g, int32_t amount);
// Adds yen with "coin.wav" and a message; the range is enforced by ClampState.
void GainMoney(Game& g, int32_t amount);

}  // namespace pp
