#pragma once
// Routes one host event to the window's handlers (timer, mouse on the picture and the choice
// hit areas, keys, automation commands, close). Used by the main loop and by WaitForClick's
// nested loop.

#include "platform/Host.h"

namespace pp {

class Game;

void HandleEvent(Game& g, const HostEvent& e);

}  // namespace pp
