// Reading catalogues: what a PO file may hold, and faults named by file and line that leave only
// the faulty entry in Japanese.

#include <gtest/gtest.h>

#include <filesystem>

#include "lang/Catalogue.h"

namespace pp {
namespace {

Catalogue FromPo(std::string_view text) { return Catalogue(ReadPo(text, "en.po")); }

TEST(CatalogueReadTest, ReadsTheFormatAsMsgfmtDoes) {
  const Catalogue c = FromPo(R"po(# Translator's note
msgid ""
msgstr ""
"Language: en\n"
"Content-Type: text/plain; charset=UTF-8\n"

#. extracted comment
#: src/adventure/Step.cpp:40 src/adventure/Step.cpp:52
#, no-c-format
msgid ""
"罠だ"
"！！"
msgstr "A trap!\t\"Careful\"\\"
"\101\x42"

#, fuzzy
msgid "宝箱だ！！"
msgstr "A chest?"

msgid "開ける"
msgstr ""

#~ msgid "古い"
#~ msgstr "Old"
)po");
  EXPECT_TRUE(c.faults().empty()) << c.faults().front();
  EXPECT_EQ(c.language(), "en");
  EXPECT_EQ(c.Translate("罠だ！！")->text, "A trap!\t\"Careful\"¥AB");
  EXPECT_FALSE(c.Translate("宝箱だ！！"));  // fuzzy: not used
  EXPECT_FALSE(c.Translate("開ける"));      // untranslated
  EXPECT_FALSE(c.Translate("古い"));        // obsolete
  EXPECT_EQ(c.exactCount(), 1u);
  // Lines without Japanese need no entry; an empty line is empty.
  EXPECT_EQ(c.Translate("AI＞Miss"), std::nullopt);
  EXPECT_EQ(c.Translate("............")->text, "............");
  EXPECT_EQ(c.Translate("")->text, "");
}

TEST(CatalogueReadTest, EachFaultNamesItsLineAndOnlyItsEntryFallsBack) {
  const Catalogue c = FromPo(R"po(msgid "一"
msgstr "One"

msgid "二"
msgstr "Two

msgid "三" junk
msgstr "Three"

msgid "一"
msgstr "One again"

msgid "{monster}の攻撃"
msgstr "{name} attacks"

msgid "四"
msgstr "Four \q"

msgstr "orphan"

msgid "五"
msgid "六"
msgstr "Six"
)po");
  const std::vector<std::string> expected = {
      "en.po:5: unterminated string",
      "en.po:7: text after the closing quote",
      "en.po:10: duplicate entry; the first is at line 1",
      "en.po:14: msgstr has placeholders {name} where msgid has {monster}",
      "en.po:17: unknown escape \\q",
      "en.po:19: msgstr without msgid",
      "en.po:22: msgid before the msgstr of the entry at line 21",
  };
  EXPECT_EQ(c.faults(), expected);
  EXPECT_EQ(c.Translate("一")->text, "One");
  for (const char* line : {"二", "三", "四", "五", "トカゲの攻撃"})
    EXPECT_FALSE(c.Translate(line)) << line;
  EXPECT_EQ(c.Translate("六")->text, "Six");
}

TEST(CatalogueReadTest, AMissingFileIsAFaultNotAFailure) {
  const Catalogue c = Catalogue::Load(std::filesystem::path(PANIPANI_BINARY_DIR) / "no-such.po");
  ASSERT_EQ(c.faults().size(), 1u);
  EXPECT_TRUE(c.faults()[0].ends_with("no-such.po: cannot be read"));
  EXPECT_FALSE(c.Translate("一"));
}

TEST(CatalogueReadTest, AnotherCharsetIsAFault) {
  const Catalogue c =
      FromPo("\nmsgid \"\"\nmsgstr \"Content-Type: text/plain; charset=EUC-JP\\n\"\n");
  EXPECT_EQ(c.faults(),
            std::vector<std::string>{"en.po:2: charset euc-jp: a catalogue must be UTF-8"});
}

}  // namespace
}  // namespace pp
