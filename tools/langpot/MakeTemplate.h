#pragma once
// The whole template of a source tree: the game's source, the hand-kept supplement and the
// default data's names.

#include <filesystem>
#include <string>
#include <vector>

#include "langpot/PotFile.h"

namespace pp::langpot {

inline constexpr const char* kTemplatePath = "data/lang/panipani.pot";
inline constexpr const char* kExtraTemplatesPath = "data/lang/extra-templates.txt";

// The template of the tree at `root`. Composed lines that need writing down by hand are described
// in `handWork`. Throws std::runtime_error when a file cannot be read or the supplement is wrong.
PotFile MakeTemplate(const std::filesystem::path& root, std::vector<std::string>& handWork);

}  // namespace pp::langpot
