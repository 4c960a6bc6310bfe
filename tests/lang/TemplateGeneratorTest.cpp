// The template generator (tools/langpot): what it finds in C++ source, and that the committed
// catalogues cover the game as it is.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

#include "lang/Catalogue.h"
#include "langpot/CppScan.h"
#include "langpot/EventTexts.h"
#include "langpot/ExtraTemplates.h"
#include "langpot/MakeTemplate.h"
#include "langpot/SourceTexts.h"
#include "langpot/Unmatched.h"
#include "support/Files.h"

namespace pp::langpot {
namespace {

const std::filesystem::path kSource = PANIPANI_SOURCE_DIR;

std::set<std::string> Msgids(const std::filesystem::path& po) {
  std::set<std::string> ids;
  for (const PoEntry& e : ReadPo(ReadAll(po), po.string()).entries)
    ids.insert((e.context ? *e.context + "|" : "") + e.id);
  return ids;
}

TEST(TemplateGeneratorTest, FollowsValuesToTheTextsTheyCarry) {
  const char* source = R"cpp(
    struct Tool {
      int id;
      std::string_view broken;  // read only inside lines
    };
    constexpr std::array kTools{Tool{1, "【鍬】が壊れた"}, Tool{2, "【鋤】が壊れた"}};

    // Raise(g, "力が ") // a comment is no text
    void Raise(Game& g, int d, const char* prefix) {
      /* "これも" */ Say(g, prefix + std::to_string(d) + "上昇");
    }

    void Step(Game& g, const Tool& t, bool big) {
      GameState& s = g.state;
      Raise(g, 2, "力が ");
      Raise(g, 3, "知恵が ");
      AddMessage(g, s.enemyName + (big ? "は吠えた" : "は鳴いた"));
      Say(g, "【" + ItemInfo(g, 3).name + "】を " + Num(s.count) + "個拾った");
      Say(g, std::string(t.broken) + "(残:" + Num(s.count) + "個)");
      SetChoices(g, "", "進む", "戻る");
      AddMessage(g, s.enemyName + MakeRandomName(g) + "が来た");
      Confirm("はい？\r本当に？");
    }
  )cpp";
  SourceScan scan = ScanSources({{"src/game/Step.cpp", Tokenize(source), {}}});
  PotFile pot({"src/game/Step.cpp"});
  std::vector<std::string> handWork;
  AddSourceTexts(scan, pot, handWork);
  std::vector<std::string> ids;
  for (const PotEntry& e : pot.Entries()) ids.push_back(e.id);
  std::sort(ids.begin(), ids.end());
  const std::vector<std::string> expected = {"【{item}】を {n}個拾った",
                                             "【鋤】が壊れた(残:{n}個)",
                                             "【鍬】が壊れた(残:{n}個)",
                                             "{monster}は吠えた",
                                             "{monster}は鳴いた",
                                             "力が {n}上昇",
                                             "戻る",
                                             "知恵が {n}上昇",
                                             "本当に？",
                                             "進む",
                                             "はい？"};
  std::vector<std::string> sortedExpected = expected;
  std::sort(sortedExpected.begin(), sortedExpected.end());
  EXPECT_EQ(ids, sortedExpected);
  ASSERT_EQ(handWork.size(), 1u);
  EXPECT_TRUE(handWork[0].starts_with("src/game/Step.cpp:21: \"{monster}{name}が来た\""))
      << handWork[0];
}

// What the generator writes, gettext's own checker and the catalogue reader read back as it was.
TEST(TemplateGeneratorTest, TheTemplateReadsBackAsWritten) {
  PotFile pot({"src/a.cpp"});
  pot.Add("修行 \\-50", "", "src/a.cpp", 3, "choice label");
  pot.Add("「{item}」と\"言った\"", "", "src/a.cpp", 9, "message line");
  pot.Add("力", "status", "src/a.cpp", 1, "");
  pot.Add("力", "", "src/a.cpp", 2, "");
  const std::filesystem::path file =
      std::filesystem::path(PANIPANI_BINARY_DIR) / "test-read-back.pot";
  std::ofstream(file, std::ios::binary) << pot.Text();
  const std::string check = "msgfmt --check -o /dev/null \"" + file.string() + "\"";
  EXPECT_EQ(std::system(check.c_str()), 0) << check;
  const PoFile read = ReadPo(ReadAll(file), "test.pot");
  EXPECT_TRUE(read.faults.empty());
  std::vector<std::string> ids;
  for (const PoEntry& e : read.entries) ids.push_back(e.context.value_or("") + "|" + e.id);
  // In source order: by line.
  const std::vector<std::string> expected = {"status|力", "|力", "|修行 \\-50",
                                             "|「{item}」と\"言った\""};
  EXPECT_EQ(ids, expected);
  EXPECT_EQ(read.entries[2].references, std::vector<std::string>{"src/a.cpp:3"});
  EXPECT_EQ(read.entries[2].extractedComments, std::vector<std::string>{"choice label"});
}

// The supplement names the function that composes each line, and says so when it is gone.
TEST(TemplateGeneratorTest, TheSupplementIsCheckedAgainstTheSource) {
  const SourceScan scan =
      ScanSources({{"src/items/Panel.cpp", Tokenize("std::string Row(int n) {\n}"), {}}});
  PotFile pot({"src/items/Panel.cpp"});
  AddExtraTemplates(
      ReadExtraTemplates("# rows\ntext: \" {n} {item}\"\nat: src/items/Panel.cpp Row\n"
                         "why: padded apart\ncontext: \"panel\"\n",
                         "extra.txt"),
      "extra.txt", scan, pot);
  ASSERT_EQ(pot.Entries().size(), 1u);
  EXPECT_EQ(pot.Entries()[0].context, "panel");
  EXPECT_EQ(pot.Entries()[0].references, std::vector<std::string>{"src/items/Panel.cpp:1"});

  const auto fault = [&scan](std::string_view text) {
    try {
      PotFile ignored({});
      AddExtraTemplates(ReadExtraTemplates(text, "extra.txt"), "extra.txt", scan, ignored);
    } catch (const std::runtime_error& e) {
      return std::string(e.what());
    }
    return std::string("no fault");
  };
  EXPECT_EQ(fault("text: \"{a}{b}を\"\nat: src/items/Panel.cpp Row\nwhy: x\n"),
            "extra.txt:1: {a}{b}を: placeholders {a} and {b} touch, so nothing tells where one "
            "ends; put literal text between them");
  EXPECT_EQ(fault("\ntext: \"行\"\nat: src/items/Panel.cpp Gone\nwhy: x\n"),
            "extra.txt:2: no function Gone in src/items/Panel.cpp: bring the entry up to date");
  EXPECT_EQ(fault("text: \"行\"\nwhere: here\n"), "extra.txt:2: unknown key where");
}

// The committed template lists what the generator finds in the source now, and every catalogue
// has been merged with it (a new or changed text of the game is in every catalogue) and passes
// gettext's check.
TEST(TemplateGeneratorTest, TheCommittedCataloguesAreCurrent) {
  std::vector<std::string> handWork;
  std::set<std::string> current;
  for (const PotEntry& e : MakeTemplate(kSource, handWork).Entries())
    current.insert((e.context.empty() ? "" : e.context + "|") + e.id);
  EXPECT_TRUE(handWork.empty()) << handWork.front();
  EXPECT_EQ(Msgids(kSource / kTemplatePath), current)
      << "run: cmake --build build --target update_catalogue";
  for (const auto& entry : std::filesystem::directory_iterator(kSource / "data/lang")) {
    if (entry.path().extension() != ".po") continue;
    EXPECT_EQ(Msgids(entry.path()), current) << entry.path() << ": run update_catalogue";
    const std::string check = "msgfmt --check -o /dev/null \"" + entry.path().string() + "\"";
    EXPECT_EQ(std::system(check.c_str()), 0) << check;
  }
}

// Every text of the recorded streams has a msgid, exactly or as a template.
TEST(TemplateGeneratorTest, EveryTextOfTheRecordedStreamsHasAMsgid) {
  const Catalogue msgids =
      MsgidCatalogue(ReadPo(ReadAll(kSource / "data/lang/panipani.pot"), "panipani.pot"));
  EXPECT_TRUE(msgids.faults().empty()) << msgids.faults().front();
  std::stringstream events;
  for (const auto& entry : std::filesystem::directory_iterator(kSource / "tests/streams/expected"))
    events << ReadAll(entry.path());
  std::ostringstream report;
  const Coverage c = CheckEvents(events, msgids, report);
  EXPECT_GT(c.distinct, 1000u);
  EXPECT_EQ(c.unmatched, 0u) << report.str();
  EXPECT_EQ(c.partial, 0u) << report.str();
}

}  // namespace
}  // namespace pp::langpot
