#include <gtest/gtest.h>

#include "AdventureTest.h"
#include "adventure/Camp.h"
#include "story/Dispatch.h"

namespace pp {
namespace {

using Labels = std::vector<std::string>;

TEST(Opening, FivePicksOfStrengthGiveOneOneOneTwoTwo) {
  Play p;
  DispatchChoice(p.g, "旅立つ");
  EXPECT_EQ(p.Labels(), (Labels{"力", "知恵", "精神"}));
  std::vector<int32_t> gains;
  for (int i = 0; i < 5; ++i) {
    const int32_t before = p.s.strength;
    DispatchChoice(p.g, "力");
    gains.push_back(p.s.strength - before);
  }
  EXPECT_EQ(gains, (std::vector<int32_t>{1, 1, 1, 2, 2}));
  EXPECT_TRUE(p.Said("力が 1上昇"));
  EXPECT_TRUE(p.Said("力が 2上昇"));
  EXPECT_EQ(p.Labels(), (Labels{"", "", "冒険の始まり"}));
  EXPECT_EQ(p.host.Played("bp.wav", 1), 5);
}

TEST(Opening, PicksOfWisdomAndSpiritUseTheirOwnChannels) {
  Play p;
  DispatchChoice(p.g, "知恵");
  DispatchChoice(p.g, "精神");
  EXPECT_EQ(p.s.wisdom, 1);
  EXPECT_EQ(p.s.spirit, 1);
  EXPECT_EQ(p.host.Played("bp.wav", 2), 1);
  EXPECT_EQ(p.host.Played("bp.wav", 0), 1);
  EXPECT_EQ(p.Labels(), (Labels{"力", "知恵", "精神"}));
}

TEST(Opening, FirstGameAsksTheWorldsQuestion) {
  Play p;
  p.s.titlePhase = 0;
  DispatchChoice(p.g, "冒険の始まり");
  EXPECT_EQ(p.Labels(), (Labels{"", "冒険者です", "冒険者ではない"}));
  EXPECT_EQ(p.s.titlePhase, 0);
  DispatchChoice(p.g, "冒険者ではない");
  EXPECT_EQ(p.s.records[0], 2);
  EXPECT_EQ(p.s.maxMp, 6);
  EXPECT_EQ(p.s.maxHp, 10);
  EXPECT_EQ(p.s.titlePhase, 1);
  EXPECT_EQ(p.Labels(), (Labels{"", "", "冒険!!!!"}));
  // Welcome, question, farewell, ten lines of introduction, the start.
  EXPECT_EQ(p.Messages().size(), 14u);
  EXPECT_EQ(p.Messages().back(), "今、冒険が始まった....");
}

TEST(Opening, SecondGameGoesStraightIntoTheAdventure) {
  Play p;
  p.s.titlePhase = 0;
  p.s.records[0] = 1;
  DispatchChoice(p.g, "冒険の始まり");
  EXPECT_EQ(p.s.maxHp, 11);
  EXPECT_EQ(p.s.titlePhase, 1);
  EXPECT_EQ(p.Messages(), (Labels{"今、冒険が始まった...."}));
  EXPECT_EQ(p.Labels(), (Labels{"", "", "冒険!!!!"}));
}

TEST(Opening, AdvertisementHasElevenLinesAndReturnsToTheLogin) {
  Play p;
  DispatchChoice(p.g, "Promortion");
  const auto lines = p.Messages();
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines.front(), "- DEVARID EDAZ Co.,Ltd. Presents -");
  EXPECT_EQ(lines[1], "当社のシミュレーターへようこそ");
  EXPECT_EQ(lines.back(), "ワンダーライフをあなたに…！");
  EXPECT_EQ(p.host.All<ClickWaitEvent>().size(), 11u);
  EXPECT_EQ(p.Labels(), (Labels{"", "", "旅立つ"}));
}

TEST(Opening, UnknownLabelChangesNothing) {
  Play p;
  p.s.choiceLabel3 = "unchanged";
  DispatchChoice(p.g, "力 ");
  DispatchChoice(p.g, "");
  EXPECT_TRUE(p.host.events.empty());
  EXPECT_EQ(p.s.strength, 0);
  EXPECT_EQ(p.s.choiceLabel3, "unchanged");
}

TEST(Camp, TrainingWithExactlyFiftyYenSucceeds) {
  Play p;
  p.s.money = 50;
  p.s.statusTraining = 1;
  DispatchChoice(p.g, "修行 \\-50");
  EXPECT_EQ(p.s.money, 0);
  EXPECT_EQ(p.s.statusTraining, 0);
  EXPECT_TRUE(p.Said("強くなったような気がした…"));
  EXPECT_GE(p.s.exp, 3);
  EXPECT_LE(p.s.exp, 5);
  EXPECT_EQ(p.Labels(), (Labels{"", "アイテム", "冒険!!!!"}));
}

TEST(Camp, TrainingWithFortyNineYenOnlyRefuses) {
  Play p;
  p.s.money = 49;
  p.s.statusTraining = 1;
  const uint32_t seed = p.g.random.seed();
  DispatchChoice(p.g, "修行 \\-50");
  EXPECT_EQ(p.s.money, 49);
  EXPECT_EQ(p.s.statusTraining, 1);
  EXPECT_EQ(p.s.exp, 0);
  EXPECT_EQ(p.g.random.seed(), seed);
  EXPECT_TRUE(p.Messages().empty());
  EXPECT_EQ(p.host.Played("no.wav"), 1);
  EXPECT_EQ(p.Labels(), (Labels{"", "修行 \\-50", "冒険!!!!"}));
}

TEST(Camp, HellTrainingWinsTheSecondButton) {
  Play p;
  p.s.statusTraining = 1;
  p.s.statusHellTraining = 1;
  p.s.money = 1000;
  p.s.itemCount[46] = 1;
  p.s.mp = 2;
  p.s.enemyName = "残り物";
  p.s.enemyHp = 3;
  ShowCampMenu(p.g);
  EXPECT_EQ(p.Labels(), (Labels{"回復魔法", "地獄修行 \\-1000", "冒険!!!!"}));
  EXPECT_TRUE(p.s.enemyName.empty());
  DispatchChoice(p.g, "地獄修行 \\-1000");
  EXPECT_EQ(p.s.money, 0);
  EXPECT_EQ(p.s.statusHellTraining, 0);
  EXPECT_EQ(p.Labels(), (Labels{"回復魔法", "修行 \\-50", "冒険!!!!"}));
}

TEST(Camp, HealingSpellCostsTwoMpAndHealsSpiritPlusTwoBeforeTheStaffRoll) {
  Play p;
  p.s.mp = 5;
  p.s.hp = 1;
  p.s.maxHp = 100;
  p.s.spirit = 4;
  p.s.itemCount[46] = 1;
  p.Seed({Is(10, 0)});
  DispatchChoice(p.g, "回復魔法");
  EXPECT_EQ(p.s.mp, 3);
  EXPECT_EQ(p.s.hp, 7);
  EXPECT_EQ(p.s.itemCount[46], 0);
  EXPECT_TRUE(p.Said("なんと【皇后の杖】が壊れてしまった....(残:0個)"));
  const auto m = p.Messages();
  ASSERT_GE(m.size(), 3u);
  EXPECT_EQ(m[0], "あなたはMPが 2減少!!");
  EXPECT_EQ(m[1], "HPが 6回復した!!");
  EXPECT_EQ(p.Labels(), (Labels{"", "アイテム", "冒険!!!!"}));
}

}  // namespace
}  // namespace pp
