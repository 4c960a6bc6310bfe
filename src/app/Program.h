#pragma once
// The program's run on a host: start-up, the event loop until the window closes, shutdown.

#include <cstdint>
#include <functional>

#include "game/Game.h"

namespace pp {

// Returns the exit status: 0 after a normal close, 1 when start-up failed (reported through the
// host) or the closing save failed. `onCreated`, when given, sees the game as soon as it exists,
// before its start-up; `onClosed` sees it once it has closed (not after a failed start-up).
int RunGame(Host& host, const GameConfig& config, uint32_t seed,
            const std::function<void(const Game&)>& onClosed = {},
            const std::function<void(Game&)>& onCreated = {});

}  // namespace pp
