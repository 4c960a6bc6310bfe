#include "langpot/MakeTemplate.h"

#include <algorithm>

#include "datagen/SourceText.h"
#include "langpot/CppScan.h"
#include "langpot/DataTexts.h"
#include "langpot/ExtraTemplates.h"
#include "langpot/SourceTexts.h"

namespace pp::langpot {
namespace {

namespace fs = std::filesystem;

// The game's sources in path order; the English layer's own folder is not the game.
std::vector<SourceFile> ReadSources(const fs::path& root) {
  std::vector<SourceFile> files;
  for (const auto& entry : fs::recursive_directory_iterator(root / "src")) {
    const fs::path& p = entry.path();
    if (!entry.is_regular_file() || (p.extension() != ".cpp" && p.extension() != ".h")) continue;
    const std::string relative = fs::relative(p, root).generic_string();
    if (relative.starts_with("src/lang/")) continue;
    files.push_back({relative, Tokenize(datagen::ReadFile(p)), {}});
  }
  std::sort(files.begin(), files.end(),
            [](const SourceFile& a, const SourceFile& b) { return a.path < b.path; });
  return files;
}

}  // namespace

PotFile MakeTemplate(const fs::path& root, std::vector<std::string>& handWork) {
  const SourceScan scan = ScanSources(ReadSources(root));
  std::vector<std::string> order;
  for (const SourceFile& f : scan.files) order.push_back(f.path);
  order.insert(order.end(), {kLevelNames, kMonsterNames});
  PotFile pot(order);
  AddSourceTexts(scan, pot, handWork);
  if (fs::exists(root / kExtraTemplatesPath))
    AddExtraTemplates(
        ReadExtraTemplates(datagen::ReadFile(root / kExtraTemplatesPath), kExtraTemplatesPath),
        kExtraTemplatesPath, scan, pot);
  AddDataTexts(root, pot);
  std::sort(handWork.begin(), handWork.end());
  handWork.erase(std::unique(handWork.begin(), handWork.end()), handWork.end());
  return pot;
}

}  // namespace pp::langpot
