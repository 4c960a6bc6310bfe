#include <gtest/gtest.h>

#include <algorithm>

#include "AdventureTest.h"
#include "adventure/Death.h"

namespace pp {
namespace {

using Labels = std::vector<std::string>;

TEST(Revival, TheStatueComesBeforeTheClause) {
  Play p;
  p.s.hp = -4;
  p.s.maxHp = 25;
  p.s.itemCount[48] = 1;
  p.s.itemCount[190] = 1;
  EXPECT_EQ(CheckDeath(p.g), 0);
  EXPECT_EQ(p.s.itemCount[48], 0);
  EXPECT_EQ(p.s.itemCount[190], 1);
  EXPECT_EQ(p.s.hp, 3);
  EXPECT_EQ(p.Messages(),
            (Labels{"あなたは死んでしまった....", "....なんと『聖ペテロ像』が輝きだした!!",
                    "あなたは聖ペテロの力によって復活した!!"}));
  EXPECT_EQ(p.s.deathCount, 0);
}

TEST(Revival, FallingTogetherWithTheEnemy) {
  Play revived;
  revived.s.hp = 0;
  revived.s.enemyName = "的";
  revived.s.enemyHp = -2;
  revived.s.itemCount[190] = 1;
  EXPECT_EQ(CheckDeath(revived.g), 2);
  EXPECT_TRUE(revived.Said("的を殺した!!"));
  EXPECT_GT(revived.s.money, 0);

  Play lost;
  lost.s.hp = 0;
  lost.s.enemyName = "的";
  lost.s.enemyHp = -2;
  EXPECT_EQ(CheckDeath(lost.g), 1);
  EXPECT_FALSE(lost.Said("的を殺した!!"));
  EXPECT_EQ(lost.s.money, 0);
  EXPECT_EQ(lost.s.deathCount, 1);
}

TEST(Victory, NothingHappensWhileBothStand) {
  Play p;
  p.s.enemyName = "的";
  p.s.enemyHp = 1;
  EXPECT_EQ(CheckDeath(p.g), 0);
  p.s.enemyName.clear();
  p.s.enemyHp = 0;
  EXPECT_EQ(CheckDeath(p.g), 0);
  EXPECT_TRUE(p.host.events.empty());
}

TEST(Victory, RewardsSaturateInsteadOfWrapping) {
  Play p;
  p.s.enemyName = "的";
  p.s.enemyHp = 0;
  p.s.enemyMoneyFactor = INT32_MAX / 4;
  p.s.enemyExpFactor = INT32_MAX / 4;
  p.s.money = INT32_MAX - 3;
  p.s.itemCount[11] = INT32_MAX / 4;
  EXPECT_EQ(CheckDeath(p.g), 2);
  EXPECT_EQ(p.s.money, INT32_MAX);
  EXPECT_TRUE(p.Said("お金 2147483647円を入手"));
  EXPECT_TRUE(p.Said("経験値 2147483647を入手"));
}

TEST(Victory, CaptureOddsFollowTheSkill) {
  const std::vector<std::pair<int32_t, int32_t>> table{
      {1, 50}, {2, 30}, {3, 25}, {4, 20},    {5, 15},      {6, 10},         {7, 9},
      {8, 8},  {9, 7},  {10, 6}, {99999, 6}, {100000, 50}, {2000000000, 50}};
  for (const auto& [skill, odds] : table) EXPECT_EQ(CaptureOdds(skill), odds) << skill;
}

// A victory over `name` with capture skill 6 whose capture roll succeeds.
void CaptureOf(Play& p, std::string name, int32_t clausesHeld) {
  p.s.captureSkill = 6;
  p.s.itemCount[190] = clausesHeld;
  p.s.enemyName = std::move(name);
  p.Seed({Any(10), Any(10), Not(3, 0), Is(10, 0)});
  EXPECT_EQ(CheckDeath(p.g), 2);
}

TEST(Victory, BodiesAreMatchedByTheWholeName) {
  Play snake, greater, extra, alreadyHeld;
  CaptureOf(snake, "アルゴリズムスネイク", 0);
  EXPECT_TRUE(snake.Said("アルゴリズムスネイクの死体の捕獲に成功した!!"));
  EXPECT_EQ(snake.s.itemCount[188], 1);

  CaptureOf(greater, "高級アルゴリズムスネイク", 0);
  EXPECT_EQ(greater.s.itemCount[188], 0);
  EXPECT_EQ(greater.s.itemCount[200], 1);

  CaptureOf(extra, "エクストラエネミー", 0);
  EXPECT_EQ(extra.s.itemCount[190], 1);
  CaptureOf(alreadyHeld, "エクストラエネミー", 1);
  EXPECT_EQ(alreadyHeld.s.itemCount[190], 1);
  EXPECT_EQ(alreadyHeld.s.itemCount[200], 1);
}

TEST(Victory, AStatuePickaxeIsSpentOnlyWhenCarried) {
  Play carried;
  carried.s.enemyName = "魔人像";
  carried.s.itemCount[14] = 1;
  CheckDeath(carried.g);
  EXPECT_EQ(carried.s.itemCount[14], 0);
  EXPECT_TRUE(carried.Said("【魔人のつるはし】が壊れてしまった...."));

  Play none;
  none.s.enemyName = "女神像";
  CheckDeath(none.g);
  EXPECT_EQ(none.s.itemCount[15], 0);
  EXPECT_FALSE(none.SaidSomething("つるはし"));
}

TEST(Victory, TheBossesLeaveTheirTrophies) {
  Play p;
  p.s.enemyName = "３番目に強いボス";
  p.s.enemyDropItem = 18;
  CheckDeath(p.g);
  EXPECT_EQ(p.s.records[3], 1);
  EXPECT_EQ(p.s.cowardice, -5);
  EXPECT_EQ(p.s.itemCount[183], 1);
  EXPECT_EQ(p.s.itemCount[18], 1);
  EXPECT_EQ(p.s.enemyDropItem, 0);
  EXPECT_TRUE(p.s.enemyName.empty());
}

TEST(Victory, ADenAtLevelThreeIsClearedAtTheFifthOrSixthVictory) {
  std::vector<int> clearedAt;
  for (uint32_t seed = 1; seed <= 12; ++seed) {
    Play p;
    p.s.worldLevel = 3;
    p.s.denFightCount = 1;
    p.g.random.set_seed(seed);
    int victories = 0;
    while (p.s.denFightCount >= 1 && victories < 20) {
      p.s.enemyName = "魔物";
      p.s.enemyHp = 0;
      p.s.hp = 100;
      ASSERT_EQ(CheckDeath(p.g), 2);
      ++victories;
      if (p.s.denFightCount >= 1) {
        EXPECT_EQ(p.Labels(), (Labels{"", "巣窟の一掃は諦める", "巣窟の敵を倒す"}));
      }
    }
    EXPECT_TRUE(p.Said("近辺の人々からあなたは感謝されました...."));
    EXPECT_EQ(p.Labels(), (Labels{"", "アイテム", "冒険!!!!"}));
    clearedAt.push_back(victories);
  }
  for (int v : clearedAt) EXPECT_TRUE(v == 5 || v == 6) << v;
  EXPECT_NE(std::count(clearedAt.begin(), clearedAt.end(), 5), 0);
  EXPECT_NE(std::count(clearedAt.begin(), clearedAt.end(), 6), 0);
}

TEST(GameOver, TheTwentiethDeathCriesOnce) {
  Play p;
  p.s.deathCount = 19;
  p.s.worldLevel = 3;
  p.s.levelNames[3] = "第三界";
  p.s.auDistance = 12;
  p.s.money = 500;
  p.s.hp = 0;
  EXPECT_EQ(CheckDeath(p.g), 1);
  EXPECT_EQ(p.Messages(), (Labels{
                              "あなたは死んでしまった....",
                              "記録 到達界:NLv 3第三界 12AU地点",
                              "また死んだ....",
                              "ねえ、何度死ねば気が済むの？",
                              "死ぬたびに、あなたの記録だけが積み重なっていく",
                              "それでもまた、旅立つつもりなんでしょう",
                              "....いいよ、見ててあげる",
                          }));
  EXPECT_EQ(p.s.deathCount, 20);
  EXPECT_EQ(p.s.records[1], 1);
  EXPECT_EQ(p.s.money, 0);
  EXPECT_EQ(p.s.worldLevel, 0);
  EXPECT_EQ(p.s.hp, 10);
  EXPECT_EQ(p.s.titlePhase, 0);
  EXPECT_EQ(p.Labels(), (Labels{"", "", "旅立つ"}));
  EXPECT_EQ(p.host.Showed("my.bmp"), 1);

  Play again;
  again.s.deathCount = 20;
  again.s.records[1] = 1;
  again.s.hp = 0;
  CheckDeath(again.g);
  EXPECT_EQ(again.Messages().size(), 2u);
}

TEST(GameOver, AllThreeScenesPlayInOrderWhenNoneWasSeen) {
  Play p;
  p.s.deathCount = 59;
  p.s.hp = -1;
  CheckDeath(p.g);
  const auto m = p.Messages();
  ASSERT_EQ(m.size(), 2u + 5 + 5 + 4);
  EXPECT_EQ(m[2], "また死んだ....");
  EXPECT_EQ(m[7], "....ほらね、言ったでしょ？");
  EXPECT_EQ(m[12], "....また死んだけど、僕分かった!!");
  EXPECT_EQ(p.s.records[1] + p.s.records[2] + p.s.records[9], 3);
}

}  // namespace
}  // namespace pp
