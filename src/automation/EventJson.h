#pragma once
// The automation protocol's output: each game event as one JSON object on one line, e.g.
// {"ev":"message","kind":4,"colour":"plain","text":"罠だ！！"} or {"ev":"wait"}.

#include <string>

#include "platform/GameEvents.h"

namespace pp {

std::string EventJson(const GameEvent& event);

}  // namespace pp
