#pragma once
// The score report 成績.txt: five lines about the permanent records, rewritten on every save.

#include <string>

#include "state/GameState.h"

namespace pp {

// The five report lines as UTF-8, each ending in CR LF (the caller converts to CP932).
std::string ScoreReport(const GameState& s);

}  // namespace pp
