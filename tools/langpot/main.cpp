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
#include "lang/TextTemplate.h"
#include "langpot/MakeTemplate.h"
#include "langpot/Unmatched.h"

namespace fs = std::filesystem;
using namespace pp;
using namespace pp::langpot;

namespace {

int WriteTemplate(const fs::path& root, const fs::path& out) {
  std::vector<std::string> handWork;
  const PotFile pot = MakeTemplate(root, handWork);
  datagen::WriteFile(out, pot.Text());
  for (const std::string& h : handWork) std::cerr << h << "\n";
  const std::vector<PotEntry> entries = pot.Entries();
  const auto templates = std::count_if(entries.begin(), entries.end(), [](const PotEntry& e) {
    const std::vector<TemplatePiece> pieces = SplitPlaceholders(e.id);
    return std::any_of(pieces.begin(), pieces.end(),
                       [](const TemplatePiece& p) { return p.placeholder; });
  });
  std::cerr << "langpot: " << entries.size() << " entries (" << templates << " templates) in "
            << out.string() << "; " << handWork.size() << " composed lines left to write in "
            << kExtraTemplatesPath << "\n";
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
      fs::path out = root / kTemplatePath;
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
