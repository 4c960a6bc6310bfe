#include <gtest/gtest.h>

#include "AdventureTest.h"
#include "adventure/Battle.h"
#include "adventure/Encounters.h"
#include "story/Dispatch.h"

namespace pp {
namespace {

using Labels = std::vector<std::string>;

Draw Between(int32_t n, int32_t lo, int32_t hi) {
  return {n, [lo, hi](int32_t v) { return v >= lo && v <= hi; }};
}

// A sturdy player before a patient enemy of ten thousand HP.
void Face(Play& p, std::string name) {
  p.s.enemyName = std::move(name);
  p.s.enemyHp = p.s.enemyMaxHp = 10000;
  p.s.maxHp = p.s.hp = 500;
  p.s.strength = 10;
}

// The messages up to and including the first damage line of the player's action.
Labels PlayerLines(const Play& p) {
  Labels out;
  for (const auto& m : p.Messages()) {
    out.push_back(m);
    if (m.find("ダメージ") != std::string::npos) break;
  }
  return out;
}

TEST(Attack, ACriticalExcludesEveryLaterRoll) {
  Play p;
  Face(p, "的");
  p.s.cowardice = 10;
  p.s.statusParalysis = 10;
  // Had they been drawn, the miss, evasion, defence and both freezes would all have fired.
  p.Seed({Is(2, 0), Is(10, 0), Is(10, 0), Is(10, 0), Is(10, 0), Is(10, 0), Is(3, 0)});
  PlayerAttack(p.g);
  EXPECT_EQ(PlayerLines(p), (Labels{"攻撃した!!", "＞クリティカル", "的に 25ダメージ"}));
  EXPECT_EQ(p.s.enemyHp, 10000 - 25);
}

TEST(Attack, TheEnemysGuardHalvesWithoutExcludingTheFreeze) {
  Play p;
  Face(p, "的");
  p.s.cowardice = 10;
  p.Seed({Is(2, 1), Not(10, 0), Not(10, 0), Not(10, 0), Is(10, 0), Is(10, 0), Any(3)});
  PlayerAttack(p.g);
  EXPECT_EQ(PlayerLines(p), (Labels{"攻撃した!!", "的＞防御",
                                    "あなたは脅えてしまって攻撃できなかった", "的に 0ダメージ"}));
}

TEST(Attack, FourGlassesMakeMissesOneInTwentyOne) {
  // A draw of 10..20 out of 210 is 0 out of 10 but not out of 21.
  const std::vector<Draw> nearMiss{Any(2), Not(10, 0), Between(210, 10, 20), Between(210, 21, 209)};
  Play bare;
  Face(bare, "的");
  bare.Seed(nearMiss);
  PlayerAttack(bare.g);
  EXPECT_EQ(LineAt(PlayerLines(bare), 1), "＞Miss");

  Play glasses;
  Face(glasses, "的");
  for (int id : {151, 152, 153, 154}) glasses.s.itemCount[id] = 1;
  glasses.Seed(nearMiss);
  PlayerAttack(glasses.g);
  EXPECT_EQ(PlayerLines(glasses).size(), 2u);  // no miss, no evasion: straight to the damage

  Play unlucky;
  Face(unlucky, "的");
  for (int id : {151, 152, 153, 154}) unlucky.s.itemCount[id] = 1;
  unlucky.Seed({Any(2), Not(10, 0), Between(210, 0, 9)});
  PlayerAttack(unlucky.g);
  EXPECT_EQ(LineAt(PlayerLines(unlucky), 1), "＞Miss");
}

TEST(Attack, TheDolbanSwordNotTheGrimoireWearsDefenceDown) {
  const std::vector<Draw> clean{Any(2),     Not(10, 0), Not(10, 0), Not(10, 0),
                                Not(10, 0), Any(10),    Any(3),     Not(100, 0)};
  Play sword;
  Face(sword, "的");
  sword.s.enemyDefence = 3;
  sword.s.itemCount[167] = 1;
  sword.Seed(clean);
  PlayerAttack(sword.g);
  EXPECT_EQ(sword.s.enemyDefence, 2);
  EXPECT_TRUE(sword.Said("的の防御力を 1減少させた"));

  Play book;
  Face(book, "的");
  book.s.enemyDefence = 3;
  book.s.itemCount[122] = 1;
  book.Seed(clean);
  PlayerAttack(book.g);
  EXPECT_EQ(book.s.enemyDefence, 3);
  EXPECT_FALSE(book.SaidSomething("防御力を"));
}

TEST(Attack, FafnirsClawHalvesTheCriticalDenominator) {
  // 1 out of 10 is 0 out of 5.
  Play claw;
  Face(claw, "的");
  claw.s.itemCount[123] = 1;
  claw.Seed({Any(2), Not(100, 0), Is(10, 1)});
  PlayerAttack(claw.g);
  EXPECT_EQ(LineAt(PlayerLines(claw), 1), "＞クリティカル");

  Play bare;
  Face(bare, "的");
  bare.Seed({Any(2), Is(10, 1), Not(10, 0), Not(10, 0)});
  PlayerAttack(bare.g);
  EXPECT_NE(LineAt(PlayerLines(bare), 1), "＞クリティカル");
}

TEST(Magic, TheModernGrimoireDoublesTheBoostRate) {
  Play book;
  Face(book, "的");
  book.s.itemCount[122] = 1;
  book.Seed({Any(2), Any(0), Not(100, 0), Is(10, 1)});
  PlayerMagic(book.g);
  EXPECT_EQ(LineAt(PlayerLines(book), 1), "＞ブースト");
  EXPECT_EQ(book.s.mp, 4);

  // Fafnir's claw has no say in spells.
  Play claw;
  Face(claw, "的");
  claw.s.itemCount[123] = 1;
  claw.Seed({Any(2), Any(0), Is(10, 1), Not(10, 0), Not(10, 0), Not(10, 0)});
  PlayerMagic(claw.g);
  EXPECT_EQ(claw.s.itemCount[123], 1);
  EXPECT_NE(LineAt(PlayerLines(claw), 1), "＞ブースト");
}

TEST(Debate, TheoryArmourLowersByTwentyAtMost) {
  Play p;
  Face(p, "坊");
  p.s.enemyDebater = 1;
  p.s.spirit = 100;
  p.s.enemyWisdom = 5;
  p.s.enemySpirit = 30;
  PlayerTheoryArmour(p.g);
  EXPECT_TRUE(p.Said("坊の知力と精神を 20減少させた!!"));
  EXPECT_EQ(p.s.enemySpirit, 10);
  // The wisdom may go below nothing; the frame's clamp lifts it.
  EXPECT_LE(p.s.enemyWisdom, -15 + 2 * 1);
}

TEST(Debate, TheoryArmourWrapsAnEnemyAtTheBottomOfTheRange) {
  Play p;
  Face(p, "坊");
  p.s.enemyDebater = 1;
  p.s.spirit = 100;
  p.s.enemyWisdom = INT32_MIN + 5;
  p.s.enemySpirit = INT32_MIN;
  p.Seed({Any(0), Not(100, 0), Is(3, 1)});  // then 坊 builds a theory worth 2L = 0
  PlayerTheoryArmour(p.g);
  EXPECT_EQ(p.s.enemyWisdom, INT32_MAX - 14);
  EXPECT_EQ(p.s.enemySpirit, INT32_MAX - 19);
}

TEST(EnemyTurn, TheWitchsSpellKillsAtOneHp) {
  Play p;
  p.s.enemyName = "魔女";
  p.s.enemyHp = p.s.enemyMaxHp = 20;
  p.s.hp = 1;
  p.Seed({Is(3, 1)});
  BattleTurn(p.g);
  EXPECT_TRUE(p.Said("魔女はＭ法を唱えた"));
  EXPECT_TRUE(p.Said("あなたはHPが半分になってしまった!!"));
  EXPECT_TRUE(p.Said("あなたは死んでしまった...."));
  EXPECT_EQ(p.s.deathCount, 1);
  EXPECT_EQ(p.Labels(), (Labels{"", "", "旅立つ"}));
}

TEST(EnemyTurn, TheCharmOfMayumiCancelsTheSpell) {
  Play p;
  p.s.enemyName = "大魔女";
  p.s.enemyHp = p.s.enemyMaxHp = 20;
  p.s.hp = 9;
  p.s.hunger = 9;
  p.s.itemCount[206] = 1;
  p.Seed({Is(3, 1), Not(50, 0)});
  BattleTurn(p.g);
  EXPECT_TRUE(p.Said("魔夕未教魔除けの札＞真Ｍ法を無効化した!!"));
  EXPECT_EQ(p.s.hp, 9);
  EXPECT_EQ(p.s.hunger, 9);
  EXPECT_EQ(p.Labels(), (Labels{"攻撃", "魔法", "逃亡"}));
}

TEST(EnemyTurn, TheCharmCrumblesBeforeItCancelsItsLastSpell) {
  Play p;
  p.s.enemyName = "魔女";
  p.s.enemyHp = p.s.enemyMaxHp = 20;
  p.s.hp = 9;
  p.s.itemCount[206] = 1;
  p.Seed({Is(3, 1), Is(50, 0)});
  BattleTurn(p.g);
  const Labels lines = p.Messages();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "魔女はＭ法を唱えた");
  EXPECT_NE(lines[1].find("が壊れてしまった....!(残:0個)"), std::string::npos);
  EXPECT_EQ(lines[2], "魔夕未教魔除けの札＞Ｍ法を無効化した!!");
  EXPECT_EQ(p.s.hp, 9);
  EXPECT_EQ(p.s.itemCount[206], 0);
}

TEST(EnemyTurn, TheDemonStatueAtAnAbsurdLevelWrapsItsDrain) {
  Play p;
  p.s.enemyName = "魔人像";
  p.s.enemyHp = p.s.enemyMaxHp = 20;
  p.s.worldLevel = INT32_MAX;
  BattleTurn(p.g);
  EXPECT_TRUE(p.Said("魔人像はあなたのHPを -2147483648吸収した!!"));
}

TEST(EnemyTurn, AnEliteThatHasPoisonedAndParalysedOnlyWatches) {
  Play p;
  Face(p, "何か＋");
  p.s.enemyElite = 1;
  p.s.statusPoison = 3;
  p.s.statusParalysis = 3;
  p.Seed({Is(3, 1)});
  BattleTurn(p.g);
  EXPECT_TRUE(p.Said("何か＋は見守っている.."));
  EXPECT_EQ(p.s.daysLeft, 364);
}

TEST(EnemyTurn, ARebuttalAlwaysDealsOneAndTheDebateMayDealNothing) {
  Play rebut;
  Face(rebut, "坊");
  rebut.s.enemyDebater = 1;
  rebut.s.spirit = 50;
  rebut.Seed({Is(3, 0), Any(1), Not(10, 0), Not(10, 0), Not(10, 0), Not(10, 0), Any(4)});
  BattleTurn(rebut.g);
  EXPECT_TRUE(rebut.Said("あなたは 1ダメージ食らった"));
  EXPECT_EQ(rebut.s.hp, 499);
  EXPECT_GE(rebut.s.tp, 6);

  Play debate;
  Face(debate, "坊");
  debate.s.enemyDebater = 1;
  debate.s.spirit = 50;
  debate.Seed({Is(3, 2), Any(1), Not(10, 0), Not(10, 0), Not(10, 0)});
  BattleTurn(debate.g);
  EXPECT_TRUE(debate.Said("あなたは 0ダメージ食らった"));
  EXPECT_EQ(debate.s.tp, 0);
  EXPECT_EQ(debate.s.hurtFlash, 0);
}

TEST(Flee, AFailedFlightHandsTheTurnToTheEnemy) {
  Play p;
  Face(p, "的");
  p.Seed({Is(2, 1)});
  DispatchChoice(p.g, "逃亡");
  EXPECT_TRUE(p.Said("逃亡失敗...."));
  EXPECT_EQ(p.s.daysLeft, 364);
  EXPECT_EQ(p.s.enemyName, "的");
}

TEST(Flee, FleeingTheEraserCostsTwentyPointsOfCourage) {
  Play p;
  Face(p, "イレイサー");
  p.s.denFightCount = 3;
  p.Seed({Is(2, 0), Not(10, 0)});
  DispatchChoice(p.g, "逃亡");
  EXPECT_EQ(p.s.cowardice, 20);
  EXPECT_TRUE(p.s.enemyName.empty());
  EXPECT_EQ(p.s.denFightCount, 0);
  EXPECT_EQ(p.Labels(), (Labels{"", "アイテム", "冒険!!!!"}));
}

TEST(Battle, AWitchFightFromMeetingToVictory) {
  Play p;
  p.s.strength = 6;
  p.s.maxHp = p.s.hp = 30;
  p.g.random.set_seed(20261208);
  MeetWitch(p.g);
  int turns = 0;
  while (p.s.choiceLabel1 == "攻撃" && turns++ < 50) DispatchChoice(p.g, "攻撃");
  EXPECT_EQ(p.Messages(), (Labels{
                              "魔女が現れた",
                              "攻撃した!!",
                              "魔女に 8ダメージ",
                              "魔女の攻撃",
                              "魔女＞Miss",
                              "あなたは 0ダメージ食らった",
                              "攻撃した!!",
                              "魔女に 7ダメージ",
                              "魔女を殺した!!",
                              "お金 11円を入手",
                              "経験値 36を入手",
                              "Item【赤い実】を 1個入手した(所持:1個)",
                          }));
  EXPECT_EQ(p.s.money, 11);
  EXPECT_EQ(p.s.exp, 36);
  EXPECT_EQ(p.s.daysLeft, 364);
  EXPECT_TRUE(p.s.enemyName.empty());
  EXPECT_EQ(p.host.All<ChoicesEvent>().size(), 3u);
  EXPECT_EQ(p.Labels(), (Labels{"", "アイテム", "冒険!!!!"}));
}

}  // namespace
}  // namespace pp
