#pragma once
// The program's run on a host: start-up, the event loop until the window closes, shutdown.

#include <cstdint>

#include "game/Game.h"

namespace pp {

// Returns the exit status: 0 after a normal close, 1 when start-up failed (reported through the
// host) or the closing save failed.
int RunGame(Host& host, const GameConfig& config, uint32_t seed);

}  // namespace pp
