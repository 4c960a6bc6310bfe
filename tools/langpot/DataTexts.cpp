#include "langpot/DataTexts.h"

#include "datagen/SourceText.h"

namespace pp::langpot {

void AddDataTexts(const std::filesystem::path& root, PotFile& pot) {
  int level = 0;
  datagen::ForEachLine(datagen::ReadFile(root / kLevelNames), [&](int line, std::string_view name) {
    if (name.empty()) return;
    pot.Add(name, "", kLevelNames, line, "level name (level " + std::to_string(level++) + ")");
  });
  datagen::ForEachLine(datagen::ReadFile(root / kMonsterNames),
                       [&](int line, std::string_view name) {
                         if (!name.empty()) pot.Add(name, "", kMonsterNames, line, "monster name");
                       });
}

}  // namespace pp::langpot
