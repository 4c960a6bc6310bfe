// The browser page's text panel gets what the picture shows, in the language the player reads.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "lang/DisplayLanguage.h"
#include "platform/web/PageTextFeed.h"

namespace pp {
namespace {

DisplayLanguage English(DisplayLanguage::Mode mode) {
  return DisplayLanguage(Catalogue(ReadPo(R"po(
msgid "宿屋に着いた。"
msgstr "You reach the inn."

msgctxt "choice"
msgid "泊まる"
msgstr "Stay"

msgctxt "panel"
msgid "泊まる"
msgstr "Staying"

msgid "薬草"
msgstr "Herb"

msgid "値段:\\ 5円"
msgstr "Price: \\5"
)po",
                                          "en.po")),
                         mode);
}

struct Feed {
  explicit Feed(const DisplayLanguage& language)
      : feed(language, [this](std::string_view json) { sent.emplace_back(json); }) {}
  // What the page got since the last call.
  std::vector<std::string> Take() { return std::exchange(sent, {}); }

  std::vector<std::string> sent;
  PageTextFeed feed;
};

TEST(PageTextFeed, ThePanelGetsTheTextsAsThePictureShowsThem) {
  const DisplayLanguage language = English(DisplayLanguage::Mode::English);
  Feed page(language);
  page.feed.Due(0);
  EXPECT_EQ(page.Take(), std::vector<std::string>{R"({"ev":"language","mode":"en"})"});
  page.feed.OnEvent(MessageEvent{301, "green", 0, "宿屋に着いた。"});
  // A line the catalogue lacks stays Japanese, and says so.
  page.feed.OnEvent(MessageEvent{4, "plain", 0, "ぱにぱに"});
  page.feed.OnEvent(ChoicesEvent{{"泊まる", "", "薬草"}});
  page.feed.OnEvent(ChosenEvent{1, "泊まる"});
  page.feed.OnEvent(PanelEvent{"泊まる", {"薬草"}});
  page.feed.OnEvent(DetailsEvent{"薬草\r値段:\\ 5円"});
  page.feed.OnEvent(SoundEvent{1, "a.wav"});
  page.feed.OnEvent(PanelHiddenEvent{});
  EXPECT_EQ(page.Take(),
            (std::vector<std::string>{
                R"({"ev":"message","colour":"green","lang":"en","text":"You reach the inn."})",
                R"({"ev":"message","colour":"plain","lang":"ja","text":"ぱにぱに"})",
                R"({"ev":"choices","lang":"en","labels":["Stay","","Herb"]})",
                R"({"ev":"chosen","button":1})",
                R"({"ev":"panel","lang":"en","mode":"Staying","rows":["Herb"]})",
                R"({"ev":"details","lang":"en","text":"Herb\nPrice: ¥5"})",
                R"({"ev":"panel-hidden"})",
            }));
  // Nothing is told again while the language stays.
  page.feed.Due(0);
  EXPECT_TRUE(page.Take().empty());
}

TEST(PageTextFeed, ASwitchSendsWhatThePanelShowsAgainInTheNewLanguage) {
  DisplayLanguage language = English(DisplayLanguage::Mode::Japanese);
  Feed page(language);
  page.feed.Due(0);
  EXPECT_EQ(page.Take(), std::vector<std::string>{R"({"ev":"language","mode":"ja"})"});
  for (int i = 0; i < 70; ++i) page.feed.OnEvent(MessageEvent{4, "plain", 0, "薬草"});
  page.feed.OnEvent(MessageEvent{4, "plain", 0, "宿屋に着いた。"});
  page.feed.OnEvent(ChoicesEvent{{"泊まる", "", ""}});
  page.feed.OnEvent(ChosenEvent{1, "泊まる"});
  page.feed.OnEvent(PanelEvent{"泊まる", {"薬草"}});
  page.feed.OnEvent(DetailsEvent{"値段:\\ 5円"});
  const std::vector<std::string> japanese = page.Take();
  EXPECT_EQ(japanese[70],
            R"({"ev":"message","colour":"plain","lang":"ja","text":"宿屋に着いた。"})");
  EXPECT_EQ(japanese.back(), R"({"ev":"details","lang":"ja","text":"値段:¥ 5円"})");

  language.CycleMode();
  language.CycleMode();
  page.feed.Due(0);
  const std::vector<std::string> both = page.Take();
  // The language, a clear, the newest lines the panel keeps, the buttons, the one pressed and
  // the item panel.
  ASSERT_EQ(both.size(), 2 + PageTextFeed::kKeptLines + 4);
  EXPECT_EQ(both[0], R"({"ev":"language","mode":"both"})");
  EXPECT_EQ(both[1], R"({"ev":"clear"})");
  EXPECT_EQ(both[2],
            R"({"ev":"message","colour":"plain","lang":"ja","text":"薬草","english":"Herb"})");
  EXPECT_EQ(
      both[61],
      R"({"ev":"message","colour":"plain","lang":"ja","text":"宿屋に着いた。","english":"You reach the inn."})");
  EXPECT_EQ(both[62], R"({"ev":"choices","lang":"en","labels":["Stay","",""]})");
  EXPECT_EQ(both[63], R"({"ev":"chosen","button":1})");
  EXPECT_EQ(both[64], R"({"ev":"panel","lang":"en","mode":"Staying","rows":["Herb"]})");
  EXPECT_EQ(both[65], R"({"ev":"details","lang":"en","text":"Price: ¥5"})");
}

}  // namespace
}  // namespace pp
