#include <gtest/gtest.h>

#include "adventure/AdventureTest.h"
#include "story/Dispatch.h"

namespace pp {
namespace {

using Labels = std::vector<std::string>;
const Labels kCamp{"", "アイテム", "冒険!!!!"};

TEST(Trap, PlainDisarmingNeedsMoreSkillThanTwiceTheLevel) {
  for (int32_t skill : {4, 5}) {
    SCOPED_TRACE(skill);
    Play p;
    p.s.worldLevel = 2;
    p.s.trapSkill = skill;
    p.s.maxHp = p.s.hp = 100;
    p.Seed({Not(9, 0)});
    DispatchChoice(p.g, "罠解除");
    EXPECT_EQ(p.Said("失敗!!"), skill == 4);
    EXPECT_EQ(p.Said("罠の解除に成功した!!"), skill == 5);
    EXPECT_EQ(p.Labels(), kCamp);
  }
}

TEST(Trap, EachGradeShowsItsOwnDisarmedPicture) {
  const std::pair<std::string, std::string> grades[] = {{"罠外しを使う", "wana_a.bmp"},
                                                        {"罠外しを使うLv2", "wana_a2.bmp"},
                                                        {"罠外しを使うLv0", "wana_a0.bmp"}};
  for (const auto& [label, picture] : grades) {
    SCOPED_TRACE(label);
    Play p;
    p.s.itemCount[1] = 2;
    DispatchChoice(p.g, label);
    EXPECT_EQ(p.s.itemCount[1], 1);
    EXPECT_EQ(p.host.Showed(picture), 1);
    EXPECT_TRUE(p.Said("罠外しツールを使って罠を解除!!"));
    EXPECT_EQ(p.Labels(), kCamp);
  }
}

TEST(Trap, AFailedSpellThatKillsOffersNoCamp) {
  Play p;
  p.s.worldLevel = 3;
  p.s.mp = 2;
  p.s.hp = 1;
  p.Seed({Is(5, 0)});
  DispatchChoice(p.g, "解除魔法");
  EXPECT_TRUE(p.Said("詠唱失敗!!"));
  EXPECT_EQ(p.Labels(), (Labels{"", "", "旅立つ"}));
}

TEST(Chest, ARichChestDrawsTheLevelRollBeforeTheCoin) {
  // Random(10) = 8, then Random(wl) = 5 and Random(2) = 1: n = 6, so nine finds.
  Play p;
  p.s.worldLevel = 6;
  p.Seed({Is(10, 8), Is(6, 5), Is(2, 1)});
  DispatchChoice(p.g, "開ける");
  size_t finds = 0;
  for (const auto& m : p.Messages()) finds += m.rfind("Item【", 0) == 0;
  EXPECT_EQ(finds, 9u);
  EXPECT_EQ(p.Labels(), kCamp);
}

TEST(LockedChest, LevelThreeNeedsFiveLocksAndTheLastKeyOpensIt) {
  Play p;
  p.s.worldLevel = 3;
  p.s.maxHp = p.s.hp = 1000;
  p.s.itemCount[2] = 5;
  const int32_t days = p.s.daysLeft;
  for (int i = 1; i <= 4; ++i) {
    DispatchChoice(p.g, "鍵を使うLv2");
    EXPECT_EQ(p.s.lockedChestTries, i);
    EXPECT_EQ(p.Messages().back(), "全ての鍵開錠まで.... " + std::to_string(i) + "/5");
  }
  EXPECT_EQ(p.Labels(), (Labels{"鍵を使うLv2", "", "こじあけるLv2"}));
  DispatchChoice(p.g, "鍵を使うLv2");
  EXPECT_TRUE(p.Said("見事、全ての鍵を解除した!!"));
  EXPECT_EQ(p.s.lockedChestTries, -1);
  EXPECT_EQ(p.s.itemCount[2], 0);
  EXPECT_EQ(p.s.daysLeft, days - 5);
  EXPECT_EQ(p.Labels(), kCamp);
}

TEST(LockedChest, PryingWithoutAKeyLeavesTheKeyButtonEmpty) {
  Play p;
  p.s.worldLevel = 4;
  p.s.maxHp = p.s.hp = 1000;
  // Random(4) for the skill, then the lock's Random(13) that fails.
  p.Seed({Not(4, 0), Not(13, 0), Not(5, 0)});
  DispatchChoice(p.g, "こじあけるLv2");
  EXPECT_EQ(p.s.lockedChestTries, 0);
  EXPECT_TRUE(p.Said("....なかなか鍵が開かない。"));
  EXPECT_EQ(p.Labels(), (Labels{"", "", "こじあけるLv2"}));
}

TEST(Theory, AWiseEnoughRebuttalAlwaysWins) {
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    Play p;
    p.g.random.set_seed(seed);
    p.s.worldLevel = 6;
    p.s.wisdom = 1000;
    p.s.logicSkill = 3;
    DispatchChoice(p.g, "反論");
    EXPECT_TRUE(p.Said("あなたは新理論に反論し、見事論破した!!")) << seed;
    EXPECT_EQ(p.s.logicSkill, 4);
  }
}

TEST(Castle, BowingToTheCastleGivesHalfTheMoneyPlusOne) {
  for (auto [money, after] : {std::pair{0, 1}, std::pair{11, 17}}) {
    Play p;
    p.s.money = money;
    DispatchChoice(p.g, "ヴォマクト城を拝む");
    EXPECT_EQ(p.s.money, after);
    EXPECT_EQ(p.Labels(), kCamp);
  }
}

TEST(Castle, LostInTheCastleNeverGivesDaysBack) {
  Play p;
  p.s.worldLevel = 1;
  p.s.escapeSkill = 50;
  const int32_t days = p.s.daysLeft;
  p.Seed({Is(5, 1), Any(2), Not(2, 0)});
  DispatchChoice(p.g, "ヴォマクト城侵入");
  EXPECT_TRUE(p.Said("0日後、ようやく脱出できた...."));
  EXPECT_EQ(p.s.daysLeft, days);
}

TEST(Fluffy, CatchingThemAllGivesExactlyTen) {
  Play p;
  p.s.captureSkill = 10;  // the test's divisor is below 1: a sure catch
  DispatchChoice(p.g, "フワフワ全員を捕獲");
  EXPECT_TRUE(p.Said("フワフワ捕獲成功!!"));
  EXPECT_EQ(p.s.itemCount[7], 10);
  EXPECT_EQ(p.Labels(), kCamp);
}

TEST(Fluffy, AFriendlyFluffyPaysForCharmAndForTheFluffiesAndHeartsHeld) {
  Play p;
  p.s.charmSkill = 10;
  p.s.itemCount[7] = 2;
  p.s.itemCount[8] = 1;
  p.Seed({Any(1), Is(2, 1)});
  DispatchChoice(p.g, "手を振り返す");
  EXPECT_TRUE(p.Said("フワフワが近寄ってきた!!"));
  EXPECT_EQ(p.s.money, 1 + 200 + 40 + 50 + 1);
}

TEST(Fluffy, AFailedCharmOfTwoShowsTheirFlightAndGivesNothing) {
  Play p;
  p.s.worldLevel = 3;
  p.Seed({Not(9, 0), Not(2, 0), Not(2, 0)});
  DispatchChoice(p.g, "二匹に手を振り返す");
  EXPECT_TRUE(p.Said("フワフワ二匹は一目散に逃げていった...."));
  EXPECT_EQ(p.s.money, 0);
  EXPECT_EQ(p.s.charmSkill, 0);
}

TEST(Fluffy, KillingAllOfThemIsOneBattleWithTenHearts) {
  Play p;
  p.s.worldLevel = 1;
  DispatchChoice(p.g, "フワフワ全員を殺す");
  EXPECT_EQ(p.s.enemyName, "フワフワ全員");
  EXPECT_GE(p.s.enemyMaxHp, 260);
  EXPECT_LT(p.s.enemyMaxHp, 360);
  EXPECT_EQ(p.s.enemyDropItem, 8);
  EXPECT_EQ(p.s.enemyDropCount, 10);
  EXPECT_EQ(p.s.enemyExpFactor, 10);
  EXPECT_TRUE(p.Said("フワフワ全員が現れた"));
}

TEST(Merchant, BuyingPaysAndCountsTheGoods) {
  Play p;
  p.s.money = 500;
  p.s.itemCount[3] = 2;
  p.s.merchantItem = 3;
  p.s.merchantCount = 4;
  p.s.merchantPrice = 300;
  DispatchChoice(p.g, "買うfrom商人");
  EXPECT_EQ(p.s.money, 200);
  EXPECT_EQ(p.s.itemCount[3], 6);
  EXPECT_TRUE(p.Said("【石】を 4個入手した!!(所持:6個)"));
  EXPECT_EQ(p.Labels(), kCamp);
}

TEST(Den, LaterFightsGrowStrongerWithTheCount) {
  Play p;
  p.s.worldLevel = 3;
  p.s.denFightCount = 3;
  p.s.nameSyllables.fill("ゴブ");
  p.Seed({Any(226), Not(100, 1)});
  DispatchChoice(p.g, "巣窟の敵を倒す");
  EXPECT_EQ(p.s.enemyName, "ゴブ");
  EXPECT_GE(p.s.enemyMaxHp, 47);
  EXPECT_LT(p.s.enemyMaxHp, 57);
  EXPECT_EQ(p.s.enemyStrength, 6);
  EXPECT_EQ(p.s.enemyWisdom, 6);
  EXPECT_EQ(p.Labels()[0], "攻撃");
}

TEST(Chasm, FallingSetsTheDistanceBack) {
  Play p;
  p.s.worldLevel = 2;
  p.s.auDistance = 30;
  p.Seed({Not(10, 0), Is(10, 4)});
  DispatchChoice(p.g, "落ちる");
  EXPECT_EQ(p.s.auDistance, 11);
  EXPECT_TRUE(p.Said("距離が 19AU戻ってしまった...."));
}

}  // namespace
}  // namespace pp
