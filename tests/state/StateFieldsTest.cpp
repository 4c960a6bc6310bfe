#include <gtest/gtest.h>

#include <string>

#include "core/Cp932.h"
#include "state/StateFields.h"

namespace pp {
namespace {

TEST(StateJson, ShowsScalarsTextsAndTheUsedEntriesOfLists) {
  GameState s;
  s.itemCount[12] = 3;
  s.keptFlags[23] = 1;
  s.headerText = "\x83\x73";  // raw CP932 ピ
  s.beds[2].values[1] = 7;
  s.enemyName = "魔女";
  s.nextFrameTime = 5000000000;
  std::string j = StateJson(s);
  EXPECT_EQ(j.rfind(R"({"ev":"state","headerText":"ピ","reserved1":0,"exp":0,)", 0), 0u) << j;
  EXPECT_NE(j.find(R"("itemCount":{"12":3})"), std::string::npos);
  EXPECT_NE(j.find(R"("keptFlags":{"23":1})"), std::string::npos);
  EXPECT_NE(j.find(R"("records":{})"), std::string::npos);
  EXPECT_NE(j.find(R"("beds":{"2":{"text":"","values":[0,7,0,0,0,0]}})"), std::string::npos);
  EXPECT_NE(j.find(R"("enemyName":"魔女")"), std::string::npos);
  EXPECT_NE(j.find(R"("nextFrameTime":5000000000)"), std::string::npos);
  EXPECT_NE(j.find(R"("choiceLabel3":"旅立つ")"), std::string::npos);
  EXPECT_NE(j.find(R"("overlayRingIndex":0})"), std::string::npos);  // the last field

  s.headerText = "\x83";  // not CP932: shown byte by byte
  EXPECT_NE(StateJson(s).find(R"("headerText":"\\x83")"), std::string::npos);
}

TEST(SetStateField, SetsEveryKindOfField) {
  GameState s;
  EXPECT_EQ(SetStateField(s, "money", std::nullopt, "2000"), std::nullopt);
  EXPECT_EQ(s.money, 2000);
  EXPECT_EQ(SetStateField(s, "itemCount", 999, "-4"), std::nullopt);
  EXPECT_EQ(s.itemCount[999], -4);
  EXPECT_EQ(SetStateField(s, "keptFlags", 23, "255"), std::nullopt);
  EXPECT_EQ(s.keptFlags[23], 255);
  EXPECT_EQ(SetStateField(s, "choiceLabel1", std::nullopt, "冒険!!!!"), std::nullopt);
  EXPECT_EQ(s.choiceLabel1, "冒険!!!!");
  EXPECT_EQ(SetStateField(s, "headerText", std::nullopt, "ピ x"), std::nullopt);
  EXPECT_EQ(s.headerText, "\x83\x73 x");
  EXPECT_EQ(SetStateField(s, "beds", 5, "1 2 3 4 5 -6 寝床 です"), std::nullopt);
  EXPECT_EQ(s.beds[5].values, (std::array<int32_t, 6>{1, 2, 3, 4, 5, -6}));
  EXPECT_EQ(s.beds[5].text, Utf8ToCp932("寝床 です"));
  EXPECT_EQ(SetStateField(s, "nextReportTime", std::nullopt, "9000000000"), std::nullopt);
  EXPECT_EQ(s.nextReportTime, 9000000000);
}

TEST(SetStateField, RefusesWhatItCannotStore) {
  GameState s;
  auto error = [&s](std::string_view name, std::optional<int> index, std::string_view value) {
    return SetStateField(s, name, index, value).value_or("set");
  };
  EXPECT_EQ(error("gold", std::nullopt, "1"), "unknown field gold");
  EXPECT_EQ(error("itemCount", std::nullopt, "1"), "itemCount is a list: use itemCount[I]");
  EXPECT_EQ(error("money", 0, "1"), "money takes no index");
  EXPECT_EQ(error("records", 100, "1"), "records has entries 0..99");
  EXPECT_EQ(error("records", -1, "1"), "records has entries 0..99");
  EXPECT_EQ(error("money", std::nullopt, "lots"), "money: \"lots\" is not a number");
  EXPECT_EQ(error("money", std::nullopt, "2147483648"),
            "money: 2147483648 is outside -2147483648..2147483647");
  EXPECT_EQ(error("keptFlags", 0, "256"), "keptFlags: 256 is outside 0..255");
  EXPECT_EQ(error("headerText", std::nullopt, "a\rb"),
            "headerText: a saved text cannot hold a line break");
  EXPECT_EQ(error("headerText", std::nullopt, "😀"),
            "headerText: the text has a character without a CP932 code");
  EXPECT_EQ(error("beds", 0, "1 2 3"), "beds: \"\" is not a number");
  EXPECT_EQ(s.money, 0);
  EXPECT_EQ(s.keptFlags[0], 0);
}

TEST(ResetRunFields, PutsTheRunBackAndLeavesTheKeptSetAndTransients) {
  GameState s;
  s.hp = 1;
  s.money = 5;
  s.daysLeft = 3;
  s.reserved26 = 0;
  s.itemCount[7] = 2;
  s.beds[1].text = "x";
  s.reservedPairs[199] = 1;
  s.reservedPairs[200] = 1;
  s.records[0] = 1;
  s.deathCount = 4;
  s.keptFlags[2] = 9;
  s.headerText = "h";
  s.spareSaved = 6;
  s.enemyName = "e";
  s.titlePhase = 1;
  GameState kept = s;
  ResetRunFields(s);
  EXPECT_EQ(s.hp, 10);
  EXPECT_EQ(s.money, 0);
  EXPECT_EQ(s.daysLeft, 365);
  EXPECT_EQ(s.reserved26, 60);
  EXPECT_EQ(s.itemCount[7], 0);
  EXPECT_EQ(s.beds[1].text, "");
  EXPECT_EQ(s.reservedPairs[199], 0);
  EXPECT_EQ(s.reservedPairs[200], 1);  // beyond what the save file carries
  EXPECT_EQ(s.records, kept.records);
  EXPECT_EQ(s.deathCount, 4);
  EXPECT_EQ(s.keptFlags, kept.keptFlags);
  EXPECT_EQ(s.headerText, "h");
  EXPECT_EQ(s.spareSaved, 6);
  EXPECT_EQ(s.enemyName, "e");
  EXPECT_EQ(s.titlePhase, 1);
}

}  // namespace
}  // namespace pp
