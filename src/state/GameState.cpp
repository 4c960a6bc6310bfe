#include "state/GameState.h"

namespace pp {

namespace {

const std::string& TableEntry(const std::array<std::string, kLevelNames>& table, int32_t level) {
  static const std::string kNone;
  if (level < 0 || level >= kLevelNames) return kNone;
  return table[static_cast<size_t>(level)];
}

}  // namespace

const std::string& LevelName(const GameState& s, int32_t level) {
  return TableEntry(s.levelNames, level);
}

const std::string& LevelNameBytes(const GameState& s, int32_t level) {
  return TableEntry(s.levelNameBytes, level);
}

}  // namespace pp
