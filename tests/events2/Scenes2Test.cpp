#include <gtest/gtest.h>

#include <algorithm>

#include "adventure/AdventureTest.h"
#include "story/Dispatch.h"

namespace pp {
namespace {

using Labels = std::vector<std::string>;
const Labels kCamp{"", "アイテム", "冒険!!!!"};

int Count(const Play& p, std::string_view part) {
  const auto m = p.Messages();
  return static_cast<int>(std::count_if(
      m.begin(), m.end(), [&](const std::string& t) { return t.find(part) != std::string::npos; }));
}

// Every real item costs nothing, so that each random find surely brings one item.
void MakeEverythingFree(Play& p) {
  for (auto& item : p.g.itemCatalogue) item.price = 0;
}

// Holds a rod and three worms, in a world where every item is free.
struct Angler : Play {
  Angler() {
    s.itemCount[101] = 1;
    s.itemCount[102] = 3;
    MakeEverythingFree(*this);
  }
};

TEST(Fishing, ResultsTenAndElevenBothLandTheLegendaryFish) {
  for (int32_t f : {10, 11}) {
    SCOPED_TRACE(f);
    Angler p;
    p.Seed({Not(30, 0), Is(22, f)});
    DispatchChoice(p.g, "釣りin池");
    EXPECT_EQ(p.s.itemCount[104], 1);
    EXPECT_EQ(p.s.itemCount[102], 2);
    EXPECT_EQ(p.host.Played("fishgood.wav"), f == 10 ? 1 : 0);
    EXPECT_EQ(p.Messages().front(), "イズミミズ 残:2個");
    EXPECT_EQ(p.Labels(), kCamp);
  }
}

TEST(Fishing, CatchesPerResultWithAndWithoutScalesAndFish) {
  struct Case {
    int32_t f, scales, fish, wl, levelRoll, expected;
  };
  const Case cases[] = {
      {1, 0, 0, 0, 0, 1}, {4, 0, 0, 0, 0, 1}, {5, 0, 0, 0, 0, 2},
      {7, 0, 0, 0, 0, 2}, {8, 0, 0, 0, 0, 3}, {8, 0, 0, 4, 2, 5},
      {2, 2, 1, 0, 0, 4}, {6, 1, 1, 0, 0, 4}, {8, 1, 0, 3, 1, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.f);
    Angler p;
    p.s.worldLevel = c.wl;
    p.s.itemCount[103] = c.scales;
    p.s.itemCount[104] = c.fish;
    std::vector<Draw> draws{Not(30, 0), Is(22, c.f)};
    if (c.f == 8 && c.wl > 0) draws.push_back(Is(c.wl, c.levelRoll));
    p.Seed(draws);
    DispatchChoice(p.g, "釣りin池");
    EXPECT_EQ(Count(p, "を1個入手(所持:"), c.expected);
  }
}

TEST(Fishing, FiveEyesFightsWithItsScale) {
  Angler p;
  p.s.worldLevel = 2;
  p.Seed({Not(30, 0), Is(22, 9), Is(10, 4)});
  DispatchChoice(p.g, "釣りin池");
  EXPECT_EQ(p.s.enemyName, "五眼");
  EXPECT_EQ(p.s.enemyMaxHp, 4 + 10 + 15);
  EXPECT_EQ(p.s.enemyDefence, 4);
  EXPECT_EQ(p.s.enemyDropItem, 103);
  EXPECT_EQ(p.host.Played("enemy.wav", 3), 1);
  EXPECT_EQ(p.Labels()[0], "攻撃");
}

TEST(Door, AFailedPickOffersTheDoorAgainAndTheKeyOnlyWhileHeld) {
  for (int32_t keys : {0, 1}) {
    SCOPED_TRACE(keys);
    Play p;
    p.s.worldLevel = 2;
    p.s.maxHp = p.s.hp = 100;
    p.s.itemCount[2] = keys;
    p.Seed({Not(8, 0), Is(2, 1), Not(3, 0)});
    DispatchChoice(p.g, "こじあける→扉");
    EXPECT_TRUE(p.Said("失敗!!"));
    EXPECT_EQ(p.s.hp, 97);
    EXPECT_EQ(p.Labels(), (Labels{keys ? "鍵を使う→扉" : "", "こじあける→扉", "蹴破る→扉"}));
  }
}

TEST(Door, AnInjuryOfZeroStillHurtsOne) {
  Play p;
  p.s.maxHp = p.s.hp = 100;
  p.s.strength = 0;
  p.Seed({Not(4, 0), Is(2, 0)});
  DispatchChoice(p.g, "蹴破る→扉");
  EXPECT_EQ(p.s.hp, 99);
}

TEST(Door, AFatalFailureOffersNoDoor) {
  Play p;
  p.s.worldLevel = 3;
  p.s.hp = 1;
  p.Seed({Not(10, 0)});
  DispatchChoice(p.g, "破壊する→扉");
  EXPECT_EQ(p.Labels(), (Labels{"", "", "旅立つ"}));
}

TEST(Door, TheElectronicKeyOpensAndIsSpent) {
  Play p;
  p.s.itemCount[116] = 1;
  DispatchChoice(p.g, "電子キーを使う→扉");
  EXPECT_EQ(p.s.itemCount[116], 0);
  EXPECT_TRUE(p.Said("扉は開いた!!"));
  EXPECT_EQ(p.host.Showed("door2.bmp"), 1);
  EXPECT_EQ(p.Labels(), kCamp);
}

TEST(Forest, TheEntryHidesTheSearchAndTheExitPaysAtTheGoal) {
  Play p;
  p.s.mp = 10;
  p.s.itemCount[137] = 1;
  p.s.escapeSkill = 100;  // every guess succeeds
  DispatchChoice(p.g, "暗黒森林を探検!!");
  EXPECT_EQ(p.Labels(), (Labels{"", "ダウジングin森林", "勘に頼るin森林"}));
  EXPECT_EQ(p.Messages().back(), "....暗くて先が分からない.. 0/3");
  DispatchChoice(p.g, "勘に頼るin森林");
  DispatchChoice(p.g, "勘に頼るin森林");
  EXPECT_EQ(p.Labels(), (Labels{"探索in森林", "ダウジングin森林", "勘に頼るin森林"}));
  EXPECT_EQ(p.Messages().back(), "....暗くて先が分からない.. 2/3");
  const int32_t money = p.s.money;
  DispatchChoice(p.g, "勘に頼るin森林");
  EXPECT_TRUE(p.Said("見事、脱出に成功した!!"));
  EXPECT_GE(p.s.money, money + 500);
  EXPECT_EQ(p.s.daysLeft, 365 - 3);
  EXPECT_EQ(p.Labels(), kCamp);
}

TEST(Creature, TheCharmSkillRisesBeforeItIsCounted) {
  Play p;
  p.s.charmSkill = 2;
  p.Seed({Is(3, 0)});
  DispatchChoice(p.g, "確認する");
  EXPECT_EQ(p.s.charmSkill, 3);
  EXPECT_TRUE(p.Said("お金 200円を入手"));

  Play q;
  q.s.charmSkill = 2;
  q.Seed({Is(3, 1)});
  DispatchChoice(q.g, "確認する");
  EXPECT_TRUE(q.SaidSomething("80"));
  EXPECT_FALSE(q.SaidSomething("60"));
}

TEST(BlockRelease, TwentySuccessesAndNotOneMore) {
  Play p;
  p.s.worldLevel = 8;
  p.s.trapSkill = 1000;  // the divisor is never below 3
  p.s.maxHp = p.s.hp = 100000;
  p.s.blockReleaseCount = 0;
  int attempts = 0;
  while (attempts < 1000) {
    DispatchChoice(p.g, "ブロック解除");
    ++attempts;
    if (p.s.blockReleaseCount < 0) break;
    ASSERT_EQ(p.Labels(), (Labels{"", "", "ブロック解除"}));
  }
  EXPECT_EQ(Count(p, "ブロック解除ポイント +1"), 20);
  EXPECT_TRUE(p.Said("見事、ブロック解除に成功した!!"));
  EXPECT_FALSE(p.Said("...完全解除まで 20/20"));
  EXPECT_TRUE(p.Said("...完全解除まで 19/20"));
  EXPECT_EQ(p.s.blockReleaseCount, -1);
  EXPECT_EQ(p.s.records[8], 1);
  EXPECT_EQ(p.s.daysLeft, 365 - attempts);
  EXPECT_EQ(p.Labels(), kCamp);
  EXPECT_EQ(p.host.Showed("lu.bmp"), 2);
  EXPECT_EQ(p.host.Showed("you.bmp"), 1);
}

}  // namespace
}  // namespace pp
