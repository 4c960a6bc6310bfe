#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "adventure/Growth.h"
#include "game/Game.h"
#include "items/Catalogue.h"
#include "items/EventView.h"

namespace pp {
namespace {

class GrowthTest : public ::testing::Test {
 protected:
  void Start(uint32_t seed) {
    game.emplace(host, GameConfig{}, seed);
    InitItemCatalogue(*game);
    game->state.titlePhase = 1;  // adventuring: a click only ends the wait
  }
  GameState& s() { return game->state; }

  TestHost host;
  std::optional<Game> game;
};

TEST_F(GrowthTest, LevelUpLosesTheSurplusAndRefillsHpAndMp) {
  Start(5);
  RandomGenerator probe(5);
  const int32_t hpGain = probe.Next(4) + 4;
  const int32_t mpGain = probe.Next(4) + 1;
  const bool str = probe.Next(3) == 0, wis = probe.Next(3) == 0, spi = probe.Next(3) == 0;
  s().exp = 95;
  s().hp = 3;
  s().mp = 1;

  GainExp(*game, 30);
  EXPECT_EQ(s().level, 1);
  EXPECT_EQ(s().exp, 0);
  EXPECT_EQ(s().maxHp, 10 + hpGain);
  EXPECT_EQ(s().hp, s().maxHp);
  EXPECT_EQ(s().maxMp, 5 + mpGain);
  EXPECT_EQ(s().mp, s().maxMp);
  EXPECT_EQ(s().strength, str ? 1 : 0);
  EXPECT_EQ(s().wisdom, wis ? 1 : 0);
  EXPECT_EQ(s().spirit, spi ? 1 : 0);

  std::vector<std::string> expected = {
      Said("yellow2", "経験値 30を入手"),
      Said("yellow", "レベルアップ!! → 1"),
      Said("pink", "最大HP が " + std::to_string(hpGain) + "上昇"),
      Said("pink", "最大MP が " + std::to_string(mpGain) + "上昇"),
  };
  if (str) expected.push_back(Said("pink", "力が 1上昇"));
  if (wis) expected.push_back(Said("pink", "知恵が 1上昇"));
  if (spi) expected.push_back(Said("pink", "精神が 1上昇"));
  EXPECT_EQ(SaidLines(host), expected);
  EXPECT_EQ(SoundsPlayed(host), (std::vector<std::string>{"2:exp.wav", "3:lvup.wav"}));
  EXPECT_EQ(host.Showed("lvup.bmp"), 1);
  EXPECT_EQ(WaitsIn(host), static_cast<int>(expected.size()));
  EXPECT_EQ(game->random.seed(), probe.seed());

  // One level per call, however full the bar: 110 is needed at level 1.
  host.events.clear();
  GainExp(*game, 500);
  EXPECT_EQ(s().level, 2);
  EXPECT_EQ(s().exp, 0);
}

TEST_F(GrowthTest, NoLevelBelowTheBarAndZeroIsStillTold) {
  Start(1);
  s().level = 3;
  s().exp = 100;
  GainExp(*game, 29);  // bar at 130
  EXPECT_EQ(s().level, 3);
  EXPECT_EQ(s().exp, 129);
  GainExp(*game, 0);
  EXPECT_EQ(SaidLines(host), (std::vector<std::string>{Said("yellow2", "経験値 29を入手"),
                                                       Said("yellow2", "経験値 0を入手")}));
  EXPECT_EQ(SoundsPlayed(host), (std::vector<std::string>{"2:exp.wav", "2:exp.wav"}));
}

TEST_F(GrowthTest, LearningAidsAddTheirBonus) {
  // The bonus stands whether or not an aid breaks on its roll.
  Start(3);
  s().itemCount[97] = 1;
  s().itemCount[100] = 4;  // software is flat: four copies give +8 like one
  GainExp(*game, 10);
  EXPECT_EQ(SaidLines(host).back(), Said("yellow2", "経験値 20を入手"));
  EXPECT_EQ(s().exp, 20);

  Start(3);
  s().itemCount[105] = 3;  // the fish counts every piece
  s().itemCount[98] = 1;
  s().itemCount[99] = 1;
  host.events.clear();
  GainExp(*game, 1);
  EXPECT_EQ(s().exp, 1 + 4 + 6 + 6);
}

TEST_F(GrowthTest, ALearningAidBreaksOnItsRoll) {
  // The first seed whose first draw is 0 out of 50: 学習ソフトLV1 breaks before the gain is told.
  uint32_t seed = 1;
  while (RandomGenerator(seed).Next(50) != 0) ++seed;
  Start(seed);
  s().itemCount[97] = 1;
  GainExp(*game, 5);
  EXPECT_EQ(s().itemCount[97], 0);
  EXPECT_EQ(s().exp, 7);  // the bonus of this gain stays
  EXPECT_EQ(SaidLines(host),
            (std::vector<std::string>{Said("red", "【学習ソフトLV1】が壊れてしまった....!(残:0個)"),
                                      Said("yellow2", "経験値 7を入手")}));
}

TEST_F(GrowthTest, MoneyIsToldAndNeverWraps) {
  Start(1);
  GainMoney(*game, 250);
  EXPECT_EQ(s().money, 250);
  EXPECT_EQ(SaidLines(host), std::vector<std::string>{Said("yellow2", "お金 250円を入手")});
  EXPECT_EQ(SoundsPlayed(host), std::vector<std::string>{"0:coin.wav"});

  // Two doublings of a full purse before a frame clamps it (silent mode: no frames between).
  s().clickState = -1;
  s().money = 999999999;
  GainMoney(*game, s().money);
  GainMoney(*game, s().money);
  EXPECT_EQ(s().money, std::numeric_limits<int32_t>::max());

  s().exp = std::numeric_limits<int32_t>::max() - 1;
  s().level = 300000000;  // a bar beyond the int range: no level-up
  GainExp(*game, 50);
  EXPECT_EQ(s().exp, std::numeric_limits<int32_t>::max());
}

}  // namespace
}  // namespace pp
