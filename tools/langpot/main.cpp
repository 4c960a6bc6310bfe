// langpot: the gettext template of panipani's texts, and a check of which texts seen in play no
// msgid matches.
//   langpot --source DIR [--out FILE]   writes the template (default DIR/data/lang/panipani.pot)
//   langpot --unmatched CATALOGUE        reads automation events on standard input and lists the
//                                        texts that no msgid of CATALOGUE matches
//                                        (exit status 1 when there are any)

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "datagen/SourceText.h"
#include "langpot/CppScan.h"
#include "langpot/DataTexts.h"
#include "langpot/ExtraTemplates.h"
#include "langpot/SourceTexts.h"
#include "langpot/Unmatched.h"

namespace fs = std::filesystem;
using namespace pp;
using namespace pp::langpot;

namespace {

constexpr const char* kTemplate = "data/lang/panipani.pot";
constexpr const char* kExtraTemplates = "data/lang/extra-templates.txt";

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

int WriteTemplate(const fs::path& root, const fs::path& out) {
  SourceScan scan = ScanSources(ReadSources(root));
  std::vector<std::string> order;
  for (const SourceFile& f : scan.files) order.push_back(f.path);
  order.insert(order.end(), {kLevelNames, kMonsterNames});
  PotFile pot(order);

  std::vector<std::string> handWork;
  AddSourceTexts(scan, pot, handWork);
  if (fs::exists(root / kExtraTemplates))
    AddExtraTemplates(
        ReadExtraTemplates(datagen::ReadFile(root / kExtraTemplates), kExtraTemplates),
        kExtraTemplates, scan, pot);
  AddDataTexts(root, pot);
  datagen::WriteFile(out, pot.Text());

  std::sort(handWork.begin(), handWork.end());
  handWork.erase(std::unique(handWork.begin(), handWork.end()), handWork.end());
  for (const std::string& h : handWork) std::cerr << h << "\n";
  const std::vector<PotEntry> entries = pot.Entries();
  const auto templates = std::count_if(entries.begin(), entries.end(), [](const PotEntry& e) {
    const std::vector<TemplatePiece> pieces = SplitPlaceholders(e.id);
    return std::any_of(pieces.begin(), pieces.end(),
                       [](const TemplatePiece& p) { return p.placeholder; });
  });
  std::cerr << "langpot: " << entries.size() << " entries (" << templates << " templates) in "
            << out.string() << "; " << handWork.size()
            << " composed lines left to extra-templates.txt\n";
  return 0;
}

int CheckUnmatched(const fs::path& catalogue) {
  const Catalogue msgids = MsgidCatalogue(ReadPo(datagen::ReadFile(catalogue), catalogue.string()));
  for (const std::string& fault : msgids.faults()) std::cerr << fault << "\n";
  const Coverage c = CheckEvents(std::cin, msgids, std::cout);
  std::cerr << "langpot: " << c.texts << " texts seen (" << c.distinct
            << " different): " << c.unmatched << " unmatched (" << c.unmatchedDistinct
            << " different), " << c.partial << " matched with a value that has no entry ("
            << c.partialDistinct << " different)\n";
  return c.unmatched == 0 ? 0 : 1;
}

int Usage() {
  std::cerr << "usage: langpot --source DIR [--out FILE]\n"
               "       langpot --unmatched CATALOGUE < EVENTS\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 2 && args[0] == "--unmatched") return CheckUnmatched(args[1]);
    if ((args.size() == 2 || args.size() == 4) && args[0] == "--source") {
      const fs::path root = args[1];
      fs::path out = root / kTemplate;
      if (args.size() == 4) {
        if (args[2] != "--out") return Usage();
        out = args[3];
      }
      return WriteTemplate(root, out);
    }
  } catch (const std::exception& e) {
    std::cerr << "langpot: " << e.what() << "\n";
    return 1;
  }
  return Usage();
}
