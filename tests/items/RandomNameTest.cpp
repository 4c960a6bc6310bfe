#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "game/Game.h"
#include "items/EventView.h"
#include "story/RandomName.h"

namespace pp {
namespace {

// The 92 units one by one, as the player reads them.
const char* const kUnits[92] = {
    "ア", "イ", "ウ", "エ", "オ", "カ", "キ", "ク", "ケ", "コ", "サ", "シ", "ス", "セ", "ソ", "ナ",
    "ニ", "ヌ", "ネ", "ノ", "ハ", "ヒ", "フ", "ヘ", "ホ", "マ", "ミ", "ム", "メ", "モ", "ヤ", "ユ",
    "ヨ", "ラ", "リ", "ル", "レ", "ロ", "ワ", "ヲ", "ン", "ガ", "ギ", "グ", "ゲ", "ゴ", "ザ", "ジ",
    "ズ", "ゼ", "ゾ", "ダ", "ヂ", "ヅ", "デ", "ド", "バ", "ビ", "ブ", "ベ", "ボ", "パ", "ピ", "プ",
    "ペ", "ポ", "ﾁｬ", "ｷｬ", "ｼｬ", "ﾋｬ", "ﾋｭ", "ﾋｮ", "ｷｭ", "ｷｮ", "ｼｭ", "ｼｮ", "ﾁｭ", "ﾁｮ", "ﾐｬ", "ﾐｭ",
    "ﾐｮ", "ｱｯ", "ｲｯ", "ﾃｰ", "ｸｰ", "ﾏｰ", "ﾁｰ", "ﾉｯ", "ﾉｰ", "ﾗｰ", "ﾅｯ", "ﾐｰ"};

class RandomNameTest : public ::testing::Test {
 protected:
  void Start(uint32_t seed) {
    game.emplace(host, GameConfig{}, seed);
    for (int i = 0; i < kNameSyllables; ++i)
      game->state.nameSyllables[i] = "名前" + std::to_string(i);
  }
  TestHost host;
  std::optional<Game> game;
};

TEST_F(RandomNameTest, MostNamesComeFromTheListWithTwoDraws) {
  for (uint32_t seed : {1u, 2u, 1234u}) {
    RandomGenerator probe(seed);
    const int32_t pick = probe.Next(226);
    if (probe.Next(100) == 1) continue;  // a composed name; covered below
    Start(seed);
    EXPECT_EQ(MakeRandomName(*game), "名前" + std::to_string(pick));
    EXPECT_EQ(game->random.seed(), probe.seed());
  }
}

TEST_F(RandomNameTest, OneInAHundredIsFourUnitsAfterTheDiscardedListDraw) {
  int composed = 0;
  for (uint32_t seed = 1; composed < 40; ++seed) {
    RandomGenerator probe(seed);
    probe.Next(226);
    if (probe.Next(100) != 1) continue;
    std::string expected;
    for (int i = 0; i < 4; ++i) expected += kUnits[probe.Next(92)];
    Start(seed);
    EXPECT_EQ(MakeRandomName(*game), expected) << seed;
    EXPECT_EQ(game->random.seed(), probe.seed());
    ++composed;
  }
}

TEST_F(RandomNameTest, UnitsSixtySixToNinetyOneAreHalfWidthPairs) {
  // Find a seed whose four units all come from the half-width part: eight half-width kana.
  for (uint32_t seed = 1;; ++seed) {
    RandomGenerator probe(seed);
    probe.Next(226);
    if (probe.Next(100) != 1) continue;
    bool allPairs = true;
    for (int i = 0; i < 4; ++i) allPairs = allPairs && probe.Next(92) >= 66;
    if (!allPairs) continue;
    Start(seed);
    const std::string name = MakeRandomName(*game);
    EXPECT_EQ(name.size(), 8u * 3);  // U+FF61..U+FF9F are three bytes each in UTF-8
    for (size_t i = 0; i < name.size(); i += 3)
      EXPECT_EQ(static_cast<unsigned char>(name[i]), 0xEF);
    break;
  }
}

}  // namespace
}  // namespace pp
