#include <gtest/gtest.h>

#include <climits>

#include "AdventureTest.h"
#include "adventure/Camp.h"
#include "adventure/Encounters.h"
#include "adventure/Flavour.h"
#include "adventure/Step.h"
#include "core/Cp932.h"

namespace pp {
namespace {

using Labels = std::vector<std::string>;

TEST(Border, TheThirtiethStepOfLevelZeroIsTheBorderAndSpendsNoDay) {
  Play p;
  p.s.auDistance = 29;
  p.s.statusPoison = 5;
  p.s.hp = 3;
  const int32_t days = p.s.daysLeft, hunger = p.s.hunger;
  AdventureStep(p.g);
  EXPECT_EQ(p.s.worldLevel, 1);
  EXPECT_EQ(p.s.auDistance, 0);
  EXPECT_EQ(p.s.daysLeft, days);
  EXPECT_EQ(p.s.hunger, hunger);
  EXPECT_EQ(p.s.statusPoison, 5);
  EXPECT_EQ(p.s.hp, p.s.maxHp);
  EXPECT_EQ(p.s.deepestLevel, 1);
  EXPECT_EQ(p.s.deepestAu, 0);
  EXPECT_TRUE(p.Said("あなたは境界に到達しました!!"));
  EXPECT_EQ(LineAt(p.Messages(), 1).rfind("上位のﾈｯﾄﾜｰｸ界 Level 1 [", 0), 0u);
  // Level 1 is odd: the camp.
  EXPECT_EQ(p.Labels(), (Labels{"", "アイテム", "冒険!!!!"}));
}

TEST(Border, AnEvenLevelAsksForAWish) {
  Play p;
  p.s.worldLevel = 1;
  p.s.auDistance = 39;
  AdventureStep(p.g);
  EXPECT_EQ(p.s.worldLevel, 2);
  EXPECT_EQ(p.Messages().back(), "何が望み？");
  EXPECT_EQ(p.Labels(), (Labels{"お金", "スキル", "精神を強化"}));
}

TEST(Border, AnAdventurerIsPaidTwiceAndGetsTheTravellersWatch) {
  Play p;
  p.s.auDistance = 29;
  p.s.cowardice = -5;
  AdventureStep(p.g);
  EXPECT_EQ(p.s.money, 200);
  EXPECT_TRUE(p.Said("あなたの冒険スキルx20分、100円を授与されました"));
  EXPECT_TRUE(p.Said("お金 100円を入手"));
  EXPECT_EQ(p.s.itemCount[186], 1);
  EXPECT_EQ(p.s.itemCount[187], 0);
}

TEST(Border, ACowardPaysAToll) {
  Play p;
  p.s.auDistance = 29;
  p.s.cowardice = 3;
  p.s.money = 10;
  AdventureStep(p.g);
  EXPECT_EQ(p.s.money, -50);  // brought back to 0 by the frame's clamp
  EXPECT_TRUE(p.Said("あなたの臆病スキルx20分、60円を徴収されました"));
}

TEST(Border, AHugeAxisSaturatesTheTollAndTheGift) {
  Play coward;
  coward.s.auDistance = 29;
  coward.s.cowardice = 200000000;
  coward.s.money = 500;
  AdventureStep(coward.g);
  EXPECT_TRUE(coward.Said("あなたの臆病スキルx20分、2147483647円を徴収されました"));
  EXPECT_LT(coward.s.money, 0);

  Play adventurer;
  adventurer.s.auDistance = 29;
  adventurer.s.cowardice = -200000000;
  AdventureStep(adventurer.g);
  EXPECT_TRUE(adventurer.Said("あなたの冒険スキルx20分、2147483647円を授与されました"));
  EXPECT_EQ(adventurer.s.money, INT32_MAX);
}

TEST(Border, LevelEightBlocksTheCharacterOnce) {
  Play p;
  p.s.worldLevel = 7;
  p.s.auDistance = 99;
  p.s.blockReleaseCount = 9;
  AdventureStep(p.g);
  EXPECT_EQ(p.Labels(), (Labels{"", "", "ブロック解除"}));
  EXPECT_EQ(p.s.blockReleaseCount, 0);
  EXPECT_TRUE(p.Said("…私が見えるだろ。"));
  EXPECT_TRUE(p.Said("おまえの全構造は我が社の管理下に置かれる"));
  EXPECT_TRUE(p.Said("－警告－"));
}

TEST(Step, BossesWaitOnTheLastAuOfLevelsTwoFourAndSix) {
  const std::vector<std::pair<int32_t, std::string>> bosses{
      {2, "３番目に強いボス"}, {4, "２番目に強いボス"}, {6, "イレイサー"}};
  for (const auto& [level, name] : bosses) {
    Play p;
    p.s.worldLevel = level;
    p.s.auDistance = level * 10 + 28;
    p.s.records[3] = p.s.records[4] = p.s.records[5] = 1;  // beaten before: it comes again
    AdventureStep(p.g);
    EXPECT_EQ(p.s.auDistance, level * 10 + 29);
    EXPECT_EQ(p.s.enemyName, name);
    EXPECT_EQ(p.Labels(), (Labels{"攻撃", "魔法", "逃亡"}));
  }
  Play odd;
  odd.s.worldLevel = 3;
  odd.s.auDistance = 57;
  odd.s.money = 0;
  odd.g.random.set_seed(SeedFor({Is(51, 1)}));
  AdventureStep(odd.g);
  EXPECT_TRUE(odd.s.enemyName.empty());
}

TEST(Step, RunningOutOfDaysKillsUnlessTheClauseRevives) {
  Play dies;
  dies.s.daysLeft = 1;
  dies.s.deathCount = 2;
  AdventureStep(dies.g);
  EXPECT_TRUE(dies.Said("時間が尽きた....!!"));
  EXPECT_EQ(dies.s.deathCount, 3);
  EXPECT_EQ(dies.Labels(), (Labels{"", "", "旅立つ"}));

  Play saved;
  saved.s.daysLeft = 1;
  saved.s.maxHp = 30;
  saved.s.itemCount[190] = 1;
  AdventureStep(saved.g);
  EXPECT_EQ(saved.s.itemCount[190], 0);
  EXPECT_EQ(saved.s.daysLeft, 30);
  EXPECT_EQ(saved.s.hp, 4);
  EXPECT_EQ(saved.s.deathCount, 0);
  EXPECT_TRUE(saved.Said("あなたは例外処理条件によって復活し、30日の有余を得た!!"));
}

TEST(Step, HungerAndPoisonBiteInOrder) {
  Play p;
  p.s.hunger = 1;
  p.s.maxHp = 40;
  p.s.hp = 40;
  p.s.statusPoison = 1;
  p.s.statusHeal = 2;
  p.Seed({Is(2, 0), Is(2, 0), Is(51, 1)});
  AdventureStep(p.g);
  const auto m = p.Messages();
  ASSERT_GE(m.size(), 3u);
  EXPECT_EQ(m[0], "お腹が減って体力が消えてゆく.... HP -3");
  EXPECT_EQ(m[1], "毒ダメージ 3をくらった");
  EXPECT_EQ(m[2], "毒がきれた");
  EXPECT_EQ(p.s.hp, 35);
  EXPECT_EQ(p.s.hunger, 0);
  EXPECT_EQ(p.s.statusHeal, 1);
}

TEST(Step, ShepherdCharmsActInOrderAndTheMedicineOnlyWhenUsed) {
  // Necklace MP, orb HP, doll TP: each with its chance roll and its wear roll.
  Play p;
  p.s.itemCount[124] = p.s.itemCount[125] = p.s.itemCount[126] = 1;
  p.s.hp = 5;
  p.s.mp = 1;
  p.Seed({Is(5, 0), Not(80, 0), Is(5, 0), Not(80, 0), Is(5, 0), Is(80, 0), Is(51, 1)});
  AdventureStep(p.g);
  EXPECT_EQ(p.s.mp, 2);
  EXPECT_EQ(p.s.hp, 6);
  EXPECT_EQ(p.s.tp, 1);
  EXPECT_EQ(p.s.itemCount[126], 0);
  EXPECT_EQ(p.s.itemCount[124], 1);

  // The medicine does nothing by being carried: the same seed gives the same step.
  Play with, without;
  with.s.itemCount[127] = 3;
  for (Play* q : {&with, &without}) {
    q->s.worldLevel = 1;
    q->g.random.set_seed(77);
    for (int i = 0; i < 5 && q->s.enemyName.empty(); ++i) AdventureStep(q->g);
  }
  EXPECT_EQ(with.s.tp, without.s.tp);
  EXPECT_EQ(with.s.itemCount[127], 3);
  EXPECT_EQ(with.Messages(), without.Messages());
}

TEST(Step, AnAbsurdLevelFromASaveWrapsInsteadOfOverflowing) {
  // A border crossed at the largest level wraps round to an even level and asks for a wish.
  Play border;
  border.s.worldLevel = INT32_MAX;
  border.s.deepestLevel = INT32_MAX;
  border.s.auDistance = 19;  // the border of this level wraps round to AU 20
  AdventureStep(border.g);
  EXPECT_EQ(border.s.worldLevel, INT32_MIN);
  EXPECT_EQ(border.Labels(), (Labels{"お金", "スキル", "精神を強化"}));

  // Enemy stats that add to the level wrap the same way.
  Play ai;
  ai.s.worldLevel = INT32_MAX;
  ai.Seed({Not(5, 0)});
  MeetAi(ai.g);
  EXPECT_EQ(ai.s.enemyName, "AI");
  EXPECT_EQ(ai.s.enemySpirit, INT32_MIN);
  EXPECT_EQ(ai.s.enemyWisdom, INT32_MIN);

  // Training there draws from the wrapped range: nothing above its base experience.
  Play training;
  training.s.worldLevel = INT32_MAX;
  training.s.money = 50;
  training.s.statusTraining = 1;
  Training(training.g);
  EXPECT_EQ(training.s.exp, 3);
  EXPECT_EQ(training.s.statusTraining, 0);
}

TEST(Encounters, LevelZeroFallsBackToNothingTwentyOneTimesInFiftyOne) {
  auto fallsBack = [](int32_t k, int32_t money) {
    Play p;
    p.s.money = money;
    p.g.random.set_seed(SeedFor({Is(51, k)}));
    RollEncounter(p.g);
    const auto m = p.Messages();
    const auto* first = std::get_if<PictureEvent>(&p.host.events.front());
    return !m.empty() && (m[0] == FlavourLine(0) || m[0] == FlavourLine(1)) && first &&
           first->file == "load.bmp";
  };
  int withMoney = 0, withoutMoney = 0;
  for (int32_t k = 0; k < 51; ++k) {
    withMoney += fallsBack(k, 100);
    withoutMoney += fallsBack(k, 0);
  }
  EXPECT_EQ(withMoney, 21);
  EXPECT_EQ(withoutMoney, 22);
}

TEST(Encounters, StrongVariantsNeedTheirLevel) {
  // Outcome 9 (the witch) on level 4 never rolls the variant; on level 5 it may.
  Play low;
  low.s.worldLevel = 4;
  low.Seed({Is(51, 9), Is(5, 0)});
  RollEncounter(low.g);
  EXPECT_EQ(low.s.enemyName, "魔女");
  Play high;
  high.s.worldLevel = 5;
  high.Seed({Is(51, 9), Is(5, 0)});
  RollEncounter(high.g);
  EXPECT_EQ(high.s.enemyName, "大魔女");
  EXPECT_EQ(high.s.enemyElite, 1);
}

TEST(Encounters, SpecialEnemyTakesItsWisdomFromThePlayersSpirit) {
  Play p;
  p.s.worldLevel = 5;
  p.s.spirit = 7;
  p.s.wisdom = 3;
  p.Seed({Is(5, 0)});
  MeetExtraEnemy(p.g);
  EXPECT_EQ(p.s.enemyName, "スペシャルエネミー");
  EXPECT_EQ(p.s.enemyWisdom, 12);
  EXPECT_EQ(p.s.wisdom, 3);
  EXPECT_EQ(p.s.enemyDropCount, 2);
  EXPECT_GE(p.s.enemyMaxHp, 180);
  EXPECT_EQ(p.s.enemyHp, p.s.enemyMaxHp);
}

TEST(Encounters, DebatersAnnounceThemselvesAndOpenTheDebateMenu) {
  Play p;
  p.s.worldLevel = 1;
  MeetAi(p.g);
  EXPECT_EQ(p.Messages(), (Labels{"AIだ....!!"}));
  EXPECT_EQ(p.s.enemyName, "AI");
  EXPECT_EQ(p.Labels(), (Labels{"問答", "理論武装", "逃亡"}));
}

TEST(Encounters, MerchantOffersOnePieceWithoutCharm) {
  for (uint32_t seed : {3u, 4u, 5u}) {
    Play p;
    p.s.worldLevel = 2;
    p.s.money = 0;
    p.g.random.set_seed(seed);
    MeetMerchant(p.g);
    EXPECT_EQ(p.s.merchantCount, 1);
    EXPECT_FALSE(p.g.itemCatalogue[p.s.merchantItem].name.empty());
    EXPECT_EQ(p.Labels(), (Labels{"", "買わないfrom商人", "奪うfrom商人"}));
  }
  Play charming;
  charming.s.charmSkill = 40;
  charming.Seed({Not(999, 0), Is(20, 19)});
  MeetMerchant(charming.g);
  EXPECT_LE(charming.s.merchantCount, 9);
}

TEST(Flavour, LinesFitTwoMessageLinesAndSplitOnACharacter) {
  for (int i = 0; i < kFlavourLines; ++i) {
    const auto line = FlavourLine(i);
    EXPECT_FALSE(line.empty());
    EXPECT_LE(Cp932Length(line), 80u) << i;
    const auto [first, rest] = SplitAtCp932Bytes(line, kFlavourSplitBytes);
    EXPECT_EQ(first + rest, line);
    EXPECT_LE(Cp932Length(first), 40u);
  }
  const auto [first, rest] =
      SplitAtCp932Bytes("ab" + std::string("あいうえおかきくけこさしすせそたちつてとな"), 40);
  EXPECT_EQ(Cp932Length(first), 40u);
  EXPECT_EQ(rest, "とな");
}

TEST(Flavour, DeepLevelsMayFindAnEmptySlot) {
  Play p;
  p.s.worldLevel = 12;
  p.Seed({Is(26, 25)});
  NothingHappened(p.g);
  EXPECT_EQ(p.Messages(), (Labels{"何も無かった...."}));
  EXPECT_EQ(p.Labels(), (Labels{"", "アイテム", "冒険!!!!"}));
}

}  // namespace
}  // namespace pp
