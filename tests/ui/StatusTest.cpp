#include "ui/Status.h"

#include "UiFixture.h"

namespace pp {
namespace {

class Status : public UiTest {
 protected:
  void SetUp() override {
    g.state.statusSlideX = 0;
    g.state.titlePhase = 1;
    g.state.frameCounter = 1;
  }
};

TEST_F(Status, OverlaySlidesInByQuarters) {
  g.state.statusSlideX = -200;
  std::vector<int> xs;
  for (int i = 0; i < 4; ++i) {
    DrawStatus(g);
    xs.push_back(g.state.statusSlideX);
  }
  EXPECT_EQ(xs, (std::vector<int>{-149, -111, -83, -62}));
}

TEST_F(Status, HpBarLengthAndBlink) {
  g.state.hp = g.state.hpShown = 5;
  g.state.maxHp = 10;
  DrawStatus(g);
  // Value line: 5 * 10 * 100 / 10 / 10 = 50 pixels from x -1, rows 24 and 25.
  EXPECT_EQ(g.cg.Pixel(48, 24), Hex(0xFFCC00));
  EXPECT_EQ(g.cg.Pixel(48, 25), Hex(0xFFCC00));
  EXPECT_NE(g.cg.Pixel(49, 25), Hex(0xFFCC00));
  EXPECT_NE(g.cg.Pixel(48, 23), Hex(0xFFCC00));
  // Background: x 0..99, rows 26 and 27.
  EXPECT_EQ(g.cg.Pixel(99, 27), Hex(0x335522));
  EXPECT_EQ(g.cg.Pixel(60, 26), Hex(0x335522));
  EXPECT_NE(g.cg.Pixel(100, 27), Hex(0x335522));

  // Gliding down from 8 toward 5: pale on even frames.
  g.cg.Fill(0);
  g.state.hpShown = 8;
  g.state.frameCounter = 2;
  DrawStatus(g);
  EXPECT_EQ(g.cg.Pixel(70, 25), Hex(0xFFFFEE));
  EXPECT_EQ(g.state.hpShown, 7);
}

TEST_F(Status, OtherBarsUseTheirOwnScale) {
  g.state.level = 10;  // experience maximum 200
  g.state.expShown = 100;
  g.state.tp = 50;
  g.state.worldLevel = 2;  // distance maximum 50
  g.state.auDistance = 25;
  g.state.frameCounter = 6;
  DrawStatus(g);
  // 45 long from -1; the level text, drawn later, covers some of it.
  int lastExp = -1;
  for (int x = 0; x < 390; ++x)
    if (g.cg.Pixel(x, 10) == Hex(0x33DDFF) || g.cg.Pixel(x, 11) == Hex(0x33DDFF)) lastExp = x;
  EXPECT_GE(lastExp, 38);
  EXPECT_LE(lastExp, 43);
  EXPECT_EQ(g.cg.Pixel(89, 13), Hex(0x002244));
  EXPECT_NE(g.cg.Pixel(90, 13), Hex(0x002244));
  EXPECT_EQ(g.cg.Pixel(78, 15), Hex(0x00FFCC));  // 40 long from 39
  EXPECT_NE(g.cg.Pixel(79, 15), Hex(0x00FFCC));
  EXPECT_EQ(g.cg.Pixel(338, 136), Hex(0xCC9922));  // 50 long from 289, frame 6
  EXPECT_EQ(g.cg.Pixel(339, 137), Hex(0x663311));
}

TEST_F(Status, ZeroMaximaAreDrawnAsOneAndWrittenBack) {
  g.state.maxHp = g.state.maxMp = g.state.maxHunger = 0;
  g.state.hp = g.state.hpShown = 0;
  g.state.enemyName = "スライム";
  g.state.enemyMaxHp = 0;
  DrawStatus(g);
  EXPECT_EQ(g.state.maxHp, 1);
  EXPECT_EQ(g.state.maxMp, 1);
  EXPECT_EQ(g.state.maxHunger, 1);
  EXPECT_EQ(g.state.enemyMaxHp, 1);
}

TEST_F(Status, ShownValuesGlideByATenthPlusOne) {
  int32_t shown = 0;
  Ease(shown, 100);
  EXPECT_EQ(shown, 11);
  Ease(shown, 100);
  EXPECT_EQ(shown, 20);
  Ease(shown, 0);
  EXPECT_EQ(shown, 17);
  shown = 5;
  Ease(shown, 5);
  EXPECT_EQ(shown, 5);
  // A gap of one closes in one step, downward too.
  shown = 0;
  Ease(shown, -1);
  EXPECT_EQ(shown, -1);
}

TEST_F(Status, EnemyBarSlidesInAndNeverShowsBelowZero) {
  g.state.enemyName = "スライム";
  g.state.enemyMaxHp = 10;
  g.state.enemyHp = g.state.enemyHpShown = 10;
  DrawStatus(g);
  EXPECT_EQ(g.state.enemyBarX, 349);
  g.state.enemyBarX = 200;
  g.cg.Fill(0);
  DrawStatus(g);
  EXPECT_EQ(g.cg.Pixel(388, 5), Hex(0xFF4444));  // 190 long from 199
  EXPECT_EQ(g.cg.Pixel(199, 6), Hex(0xFF4444));
  EXPECT_EQ(g.cg.Pixel(200, 8), Hex(0x550055));
  g.state.enemyHp = -50;
  g.state.enemyHpShown = 1;
  DrawStatus(g);
  EXPECT_EQ(g.state.enemyHpShown, 0);
  // No enemy, no bar and no slide.
  g.state.enemyName.clear();
  g.state.enemyBarX = 400;
  DrawStatus(g);
  EXPECT_EQ(g.state.enemyBarX, 400);
}

TEST_F(Status, PercentColourBands) {
  const std::pair<int, Color> bands[] = {
      {-5, 0x800000}, {0, 0x800000},  {10, 0x800000}, {11, 0xFF0000}, {20, 0xFF0000},
      {21, 0xFF7744}, {30, 0xFF7744}, {31, 0xFFCC55}, {50, 0xFFCC55}, {51, 0xFFFFBB},
      {65, 0xFFFFBB}, {66, 0xFFFFDD}, {75, 0xFFFFDD}, {76, 0xFFFFFF}, {100, 0xFFFFFF}};
  for (auto [p, c] : bands) EXPECT_EQ(PercentColour(p, 100), c) << p;
  EXPECT_EQ(PercentColour(36, 365), 0x800000u);  // 9%
  EXPECT_EQ(PercentColour(1, 0), 0x800000u);     // no maximum: no crash
}

TEST_F(Status, HpTextCyanWhenFullDarkRedAtTenPercent) {
  g.state.hp = g.state.maxHp = 10;
  DrawStatus(g);
  EXPECT_GT(CountColour(g.cg, Hex(0x00FFFF), 0, 15, 40, 24), 5);
  g.cg.Fill(0);
  g.state.maxHp = 100;
  DrawStatus(g);
  EXPECT_EQ(CountColour(g.cg, Hex(0x00FFFF), 0, 15, 40, 24), 0);
  EXPECT_GT(CountColour(g.cg, Hex(0x800000), 0, 15, 40, 24), 5);
}

TEST_F(Status, TagLinesInTheirOrder) {
  EXPECT_EQ(AilmentTags(g.state), "");
  EXPECT_EQ(BlessingTags(g.state), "");
  g.state.statusHellTraining = 3;
  g.state.statusPoison = 1;
  g.state.statusTraining = -1;
  EXPECT_EQ(AilmentTags(g.state), "<毒><地獄修行>");
  g.state.statusParalysis = g.state.statusStomachache = g.state.statusTraining = 1;
  EXPECT_EQ(AilmentTags(g.state), "<麻痺><毒><腹痛><修行><地獄修行>");
  GameState& s = g.state;
  for (int32_t* v :
       {&s.statusHero, &s.statusPhantomThief, &s.statusLogicAttack, &s.statusLogicDefence,
        &s.statusTheoryArmour, &s.statusAttackUp, &s.statusDefenceUp, &s.statusMagicDefenceUp,
        &s.statusMagicAttackUp, &s.statusHeal, &s.statusMagic, &s.statusSpirit, &s.statusExtra})
    *v = 2;
  EXPECT_EQ(BlessingTags(s),
            "<英雄><怪盗><論攻><論防><理装><攻↑><防↑><魔防↑><魔攻↑><癒><魔><精><追加>");
  DrawStatus(g);
  EXPECT_GT(CountColour(g.cg, Hex(0xFF5555), 150, 30, 390, 41), 20);
  EXPECT_GT(CountColour(g.cg, Hex(0x00FF88), 150, 40, 390, 51), 20);
}

TEST_F(Status, DeepestRecordStarsOnTheLoginScreen) {
  g.state.titlePhase = 0;
  g.state.deepestLevel = 3;
  DrawStatus(g);
  const Color star = Hex(0x88FFBB);
  EXPECT_GE(LeftmostColour(g.cg, star, 0, 17, 390, 30), 349);
  EXPECT_LE(LeftmostColour(g.cg, star, 0, 17, 390, 30), 352);
  EXPECT_GT(CountColour(g.cg, star, 349, 17, 361, 30), 5);
  EXPECT_GT(CountColour(g.cg, star, 361, 17, 373, 30), 5);
  EXPECT_GT(CountColour(g.cg, star, 373, 17, 390, 30), 5);
  EXPECT_GT(CountColour(g.cg, Hex(0x00FF88), 150, 5, 386, 16), 20);

  g.cg.Fill(0);
  g.state.titlePhase = 1;
  DrawStatus(g);
  EXPECT_EQ(CountColour(g.cg, star, 0, 0, 390, 260), 0);
}

TEST_F(Status, HugeDeepestRecordDrawsWithoutHanging) {
  g.state.titlePhase = 0;
  g.state.deepestLevel = 2000000000;
  DrawStatus(g);
  // Stars run on to the left edge of the picture.
  int leftmost = LeftmostColour(g.cg, Hex(0x88FFBB), 0, 17, 390, 30);
  EXPECT_GE(leftmost, 0);
  EXPECT_LE(leftmost, 12);
}

TEST_F(Status, ClampPullsEveryRangeBack) {
  GameState& s = g.state;
  s.maxHp = 30;
  s.hp = 40;
  s.tp = 130;
  s.maxMp = 5;
  s.mp = -3;
  s.level = 2;
  s.exp = 500;
  s.money = 1234567890;
  s.worldLevel = -1;
  s.auDistance = -2;
  s.daysLeft = 400;
  s.maxHunger = 50;
  s.hunger = -5;
  s.strength = s.wisdom = s.spirit = -1;
  s.forestProgress = s.mazeProgress = s.mountainProgress = s.lockedChestTries = s.caveProgress = -1;
  s.enemyMaxHp = 20;
  s.enemyHp = 25;
  s.enemyStrength = s.enemyDefence = s.enemyWisdom = s.enemySpirit = -4;
  ClampState(g);
  EXPECT_EQ(s.hp, 30);
  EXPECT_EQ(s.tp, 100);
  EXPECT_EQ(s.mp, 0);
  EXPECT_EQ(s.exp, 120);
  EXPECT_EQ(s.money, 999999999);
  EXPECT_EQ(s.worldLevel, 0);
  EXPECT_EQ(s.auDistance, 0);
  EXPECT_EQ(s.daysLeft, 365);
  EXPECT_EQ(s.hunger, 0);
  EXPECT_EQ(s.strength + s.wisdom + s.spirit, 0);
  EXPECT_EQ(
      s.forestProgress + s.mazeProgress + s.mountainProgress + s.lockedChestTries + s.caveProgress,
      0);
  EXPECT_EQ(s.enemyHp, 20);
  EXPECT_EQ(s.enemyStrength + s.enemyDefence + s.enemyWisdom + s.enemySpirit, 0);

  s.hunger = 70;
  s.hp = -8;
  s.money = -1;
  s.daysLeft = -1;
  s.enemyHp = -1;
  ClampState(g);
  EXPECT_EQ(s.hunger, 50);
  EXPECT_EQ(s.hp, 0);
  EXPECT_EQ(s.money, 0);
  EXPECT_EQ(s.daysLeft, 0);
  EXPECT_EQ(s.enemyHp, 0);
}

TEST_F(Status, ClampOrderLetsTheLowerBoundWin) {
  // hp is cut to maxHp first, then raised to 0; hunger the other way round.
  g.state.maxHp = -5;
  g.state.hp = 3;
  g.state.maxHunger = -5;
  g.state.hunger = 3;
  ClampState(g);
  EXPECT_EQ(g.state.hp, 0);
  EXPECT_EQ(g.state.hunger, -5);
}

}  // namespace
}  // namespace pp
