// Roles: one Japanese text with two English words, chosen by what the text is on the screen.

#include <gtest/gtest.h>

#include "lang/Catalogue.h"
#include "lang/Roles.h"

namespace pp {
namespace {

TEST(ContextTest, AnEntryForTheRoleWinsOverOneWithoutContext) {
  const Catalogue c(ReadPo(R"po(
msgid "力"
msgstr "Strength"

msgctxt "status"
msgid "力"
msgstr "STR"

msgctxt "choice"
msgid "{item}を使う"
msgstr "Use {item}"

msgid "{text}を使う"
msgstr "You use the {text}."

msgctxt "item"
msgid "石"
msgstr "stone"

msgid "石"
msgstr "Stone"
)po",
                           "en.po"));
  EXPECT_EQ(c.Translate("力", role::kStatus)->text, "STR");
  EXPECT_EQ(c.Translate("力", role::kChoice)->text, "Strength");
  EXPECT_EQ(c.Translate("力")->text, "Strength");
  EXPECT_EQ(c.Translate("石を使う", role::kChoice)->text, "Use stone");
  // A value is looked up in the role its placeholder names.
  EXPECT_EQ(c.Translate("石を使う", role::kMessage)->text, "You use the Stone.");
  // The cache keeps roles apart.
  EXPECT_EQ(c.Translate("力", role::kStatus)->text, "STR");
}

}  // namespace
}  // namespace pp
