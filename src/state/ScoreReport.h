#pragma once
// The score report 成績.txt: five lines about the permanent records, rewritten on every save.

#include <string>

#include "state/GameState.h"

namespace pp {

// The five report lines in CP932, each ending in CR LF; the level name in map.dat's own bytes.
std::string ScoreReport(const GameState& s);

}  // namespace pp
