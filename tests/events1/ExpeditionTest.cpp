#include <gtest/gtest.h>

#include "adventure/AdventureTest.h"
#include "story/Dispatch.h"

namespace pp {
namespace {

using Labels = std::vector<std::string>;

TEST(Expedition, GoalsGrowWithTheLevelAndEachAttemptCostsADay) {
  struct Case {
    int32_t level;
    std::string_view entry, attempt, progress;
    int32_t GameState::*counter;
    int goal;
  };
  const Case cases[] = {
      {4, "迷宮に挑戦する", "勘に頼るin迷宮", "....分かれ道だ ", &GameState::mazeProgress, 6},
      {5, "踏破に挑戦する", "よじ登るin霊山", "....絶壁だ ", &GameState::mountainProgress, 8},
      {6, "洞門を探検する", "他の道を行くin洞門", "....行き止まりだ ", &GameState::caveProgress,
       12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    Play p;
    p.s.worldLevel = c.level;
    // Skills this high make every attempt's divisor its floor; the cave's floor is 2.
    p.s.escapeSkill = p.s.climbingSkill = 1000;
    p.s.maxHp = p.s.hp = 100000;
    const int32_t days = p.s.daysLeft;
    DispatchChoice(p.g, c.entry);
    const std::string goal = "/" + std::to_string(c.goal);
    EXPECT_TRUE(p.Said(std::string(c.progress) + "0" + goal));
    int successes = 0, attempts = 0;
    while (p.s.choiceLabel3 != "冒険!!!!" && attempts < 200) {
      const int32_t before = p.s.*c.counter;
      DispatchChoice(p.g, c.attempt);
      ++attempts;
      if (p.s.*c.counter != before) ++successes;
    }
    EXPECT_EQ(successes, c.goal);
    EXPECT_EQ(p.s.*c.counter, -1);
    EXPECT_EQ(p.s.daysLeft, days - attempts);
    EXPECT_TRUE(p.Said(std::string(c.progress) + std::to_string(c.goal - 1) + goal));
    EXPECT_EQ(p.Labels(), (Labels{"", "アイテム", "冒険!!!!"}));
  }
}

TEST(Expedition, TheMazeIsEnteredWithoutTheSearchButLaterOffersIt) {
  Play p;
  p.s.worldLevel = 4;
  p.s.itemCount[26] = 1;
  p.s.mp = p.s.maxMp = 10;
  DispatchChoice(p.g, "迷宮に挑戦する");
  EXPECT_EQ(p.Labels(), (Labels{"", "ダウジングin迷宮", "勘に頼るin迷宮"}));
  p.s.escapeSkill = 1000;
  DispatchChoice(p.g, "勘に頼るin迷宮");
  EXPECT_EQ(p.s.mazeProgress, 1);
  EXPECT_EQ(p.Labels(), (Labels{"探索in迷宮", "ダウジングin迷宮", "勘に頼るin迷宮"}));
}

TEST(Expedition, TheCaveDrawsAllThreeInjuryRollsAndOnlyTheFirstHitHurts) {
  // wl 6, escape 0: divisor 36. Fail, no skill, no find, then the three injury rolls.
  struct Case {
    bool cut, bump, bat;
    std::string_view said, notSaid;
  };
  const Case cases[] = {
      {true, true, true, "ケガをしてしまった!!", "頭をぶつけてしまった!!"},
      {false, true, true, "頭をぶつけてしまった!!", "吸血蝙蝠に噛まれた!!"},
      {false, false, true, "吸血蝙蝠に噛まれた!!", "ケガをしてしまった!!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.said);
    Play p;
    p.s.worldLevel = 6;
    p.s.maxHp = p.s.hp = 1000;
    p.s.caveProgress = 0;
    auto hit = [](int32_t n, bool yes) { return yes ? Is(n, 0) : Not(n, 0); };
    const std::vector<Draw> draws{Not(36, 0),    Not(3, 0),      Not(5, 0),
                                  hit(4, c.cut), hit(5, c.bump), hit(6, c.bat)};
    p.Seed(draws);
    RandomGenerator expected(p.g.random.seed());
    for (const Draw& d : draws) expected.Next(d.n);
    DispatchChoice(p.g, "他の道を行くin洞門");
    EXPECT_TRUE(p.Said(c.said));
    EXPECT_FALSE(p.Said(c.notSaid));
    EXPECT_EQ(p.g.random.seed(), expected.seed());
    EXPECT_EQ(p.Messages().back(), "....行き止まりだ 0/12");
  }
}

TEST(Expedition, CampingOnTheMountainNeedsAHundredYenAndDropsTheFloatingSpell) {
  Play p;
  p.s.worldLevel = 5;
  p.s.mp = p.s.maxMp = 20;
  p.s.money = 99;
  DispatchChoice(p.g, "キャンプin霊山-\\100");
  EXPECT_TRUE(p.Said("お金がなかった.."));
  EXPECT_EQ(p.s.money, 99);
  EXPECT_EQ(p.Labels(), (Labels{"", "よじ登るin霊山", "キャンプin霊山-\\100"}));
  p.s.money = 100;
  p.s.spirit = 4;
  p.s.hp = 1;
  p.s.maxHp = 100;
  p.Seed({Is(2, 1)});
  DispatchChoice(p.g, "キャンプin霊山-\\100");
  EXPECT_EQ(p.s.money, 0);
  EXPECT_EQ(p.s.hp, 7);  // Random(2) + spirit + 1
  EXPECT_TRUE(p.Said("MPが 4回復した!!"));
}

}  // namespace
}  // namespace pp
