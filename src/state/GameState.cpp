#include "state/GameState.h"

namespace pp {

const std::string& LevelName(const GameState& s, int32_t level) {
  static const std::string kNone;
  if (level < 0 || level >= kLevelNames) return kNone;
  return s.levelNames[static_cast<size_t>(level)];
}

}  // namespace pp
