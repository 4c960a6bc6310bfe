// Template matching and substitution: English is found from the game's finished Japanese line.

#include <gtest/gtest.h>

#include "lang/Catalogue.h"

namespace pp {
namespace {

Catalogue FromPo(std::string_view text) { return Catalogue(ReadPo(text, "en.po")); }

std::string English(const Catalogue& c, std::string_view line, std::string_view role = {}) {
  const std::optional<Translation> t = c.Translate(line, role);
  return t ? t->text : "<none>";
}

const char* const kBattle = R"po(
msgid "{monster}に {n}ダメージ"
msgstr "{n} damage to {monster}"

msgid "{monster}の攻撃"
msgstr "{monster} attacks"

msgid "{name}＋"
msgstr "{name}+"

msgid "バグ虫"
msgstr "Bugbug"

msgid "Item【{item}】を {n}個入手した(所持:{n2}個)"
msgstr "Got {n} {item} (now {n2})"

msgid "ｽﾃｨｯｸﾊﾟﾝ99"
msgstr "Breadstick 99"

msgid "あなたの臆病スキルが {n}減少→ {n2}"
msgstr "Cowardice {n}, now {n2}"
)po";

TEST(TemplateTest, NumbersAndNamesWithinNamesAreFilledIn) {
  const Catalogue c = FromPo(kBattle);
  EXPECT_EQ(English(c, "バグ虫に 12ダメージ"), "12 damage to Bugbug");
  // The enemy's name holds the elite mark, and the name inside it is the game's own or random.
  EXPECT_EQ(English(c, "バグ虫＋の攻撃"), "Bugbug+ attacks");
  EXPECT_EQ(English(c, "ﾁｬﾃｰｸｰﾏｰ＋の攻撃"), "Chateekuumaa+ attacks");
  // An item whose name ends in digits, before a count: the literal text tells them apart.
  EXPECT_EQ(English(c, "Item【ｽﾃｨｯｸﾊﾟﾝ99】を 3個入手した(所持:12個)"),
            "Got 3 Breadstick 99 (now 12)");
  // Numbers keep their sign; a number placeholder takes no letters.
  EXPECT_EQ(English(c, "あなたの臆病スキルが -2減少→ -7"), "Cowardice -2, now -7");
  EXPECT_EQ(English(c, "あなたの臆病スキルが 二減少→ 7"), "<none>");
  EXPECT_EQ(English(c, "に 12ダメージ"), "<none>");  // a text value is never empty
}

TEST(TemplateTest, AValueWithoutEnglishStaysAndMarksTheLineIncomplete) {
  const Catalogue c = FromPo(kBattle);
  const std::optional<Translation> t = c.Translate("謎の草に 3ダメージ");
  ASSERT_TRUE(t);
  EXPECT_EQ(t->text, "3 damage to 謎の草");
  EXPECT_FALSE(t->complete);
  EXPECT_TRUE(c.Translate("バグ虫に 3ダメージ")->complete);
}

TEST(TemplateTest, TheSplitWhoseValuesHaveEnglishWins) {
  // "の" is in the level's name too: the shortest first value ("忘却") has no entry.
  const Catalogue c = FromPo(R"po(
msgid "{level}の{monster}"
msgstr "{monster} of {level}"
msgid "忘却のログ"
msgstr "Forgotten Log"
msgid "ゴースト"
msgstr "Ghost"
)po");
  EXPECT_EQ(English(c, "忘却のログのゴースト"), "Ghost of Forgotten Log");
}

TEST(TemplateTest, TheMostSpecificTemplateWinsAndExactEntriesComeFirst) {
  const Catalogue c = FromPo(R"po(
msgid "{monster}の{text}"
msgstr "{text} of {monster}"
msgid "{monster}の攻撃"
msgstr "{monster} attacks"
msgid "ドラゴンの攻撃"
msgstr "The dragon strikes!"
)po");
  EXPECT_EQ(English(c, "ドラゴンの攻撃"), "The dragon strikes!");
  EXPECT_EQ(English(c, "トカゲの攻撃"), "Tokage attacks");
  EXPECT_EQ(English(c, "トカゲのハンマー"), "Hammaa of Tokage");  // katakana only: romanised
}

TEST(TemplateTest, TheGamesBackslashIsTheYenSign) {
  const Catalogue c = FromPo(R"po(
msgid "値段:\\ {n}円"
msgstr "Price: \\{n}"
msgid "修行 ¥-50"
msgstr "Training ¥-50"
)po");
  EXPECT_EQ(English(c, "値段:\\ 300円"), "Price: ¥300");
  // A msgid copied from the screen, with the yen sign, finds the game's backslash.
  EXPECT_EQ(English(c, "修行 \\-50"), "Training ¥-50");
}

TEST(TemplateTest, TouchingPlaceholdersAreRefusedUnlessANumberPrecedesAText) {
  const Catalogue c = FromPo(R"po(
msgid "{text}{monster}に {n}ダメージ"
msgstr "{text}: {n} to {monster}"

msgid "{text}{n}上昇"
msgstr "{text} up by {n}"

msgid "界:NLv {n}{level} {n2}AU地点"
msgstr "Level {n} {level}, {n2} AU"

msgid "ゼロ番地"
msgstr "Zero Street"

msgid "{n}"
msgstr "{n}"
)po");
  ASSERT_EQ(c.faults().size(), 3u);
  EXPECT_EQ(c.faults()[0],
            "en.po:2: msgid: placeholders {text} and {monster} touch, so nothing "
            "tells where one ends; put literal text between them");
  EXPECT_TRUE(c.faults()[1].starts_with("en.po:5: msgid: placeholders {text} and {n} touch"));
  EXPECT_EQ(c.faults()[2], "en.po:14: msgid: no literal text, so it would match any line");
  EXPECT_EQ(c.templateCount(), 1u);
  EXPECT_EQ(English(c, "界:NLv 12ゼロ番地 340AU地点"), "Level 12 Zero Street, 340 AU");
}

}  // namespace
}  // namespace pp
