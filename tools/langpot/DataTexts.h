#pragma once
// The names of the default data set: the level names (data/text/map.txt) and the names nameless
// monsters are given (data/text/name.txt).

#include <filesystem>

#include "langpot/PotFile.h"

namespace pp::langpot {

inline constexpr const char* kLevelNames = "data/text/map.txt";
inline constexpr const char* kMonsterNames = "data/text/name.txt";

// Adds every name of the two lists under `root`; throws std::runtime_error when one is unreadable.
void AddDataTexts(const std::filesystem::path& root, PotFile& pot);

}  // namespace pp::langpot
