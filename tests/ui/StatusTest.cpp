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

TEST_F(Status, OverlaySlidesInAndShownValuesGlide) {
  g.state.statusSlideX = -200;
  g.state.hp = 100;
  g.state.maxHp = 100;
  std::vector<int> xs, hps;
  for (int i = 0; i < 3; ++i) {
    DrawStatus(g);
    xs.push_back(g.state.statusSlideX);
    hps.push_back(g.state.hpShown);
  }
  EXPECT_EQ(xs, (std::vector<int>{-149, -111, -83}));
  EXPECT_EQ(hps, (std::vector<int>{11, 20, 29}));
  int32_t shown = 20;
  Ease(shown, 0);
  EXPECT_EQ(shown, 17);
}

TEST_F(Status, BarLengthsColoursAndBlink) {
  GameState& s = g.state;
  s.hp = s.hpShown = 5;
  s.maxHp = 10;
  s.tp = 50;
  s.worldLevel = 2;  // distance maximum 50
  s.auDistance = 25;
  s.frameCounter = 6;
  DrawStatus(g);
  // HP: 5 * 10 * 100 / 10 / 10 = 50 long from x -1 on rows 24-25, background 100 on 26-27.
  EXPECT_EQ(g.cg.Pixel(48, 24), Hex(0xFFCC00));
  EXPECT_EQ(g.cg.Pixel(48, 25), Hex(0xFFCC00));
  EXPECT_NE(g.cg.Pixel(49, 25), Hex(0xFFCC00));
  EXPECT_EQ(g.cg.Pixel(99, 27), Hex(0x335522));
  EXPECT_NE(g.cg.Pixel(100, 27), Hex(0x335522));
  EXPECT_EQ(g.cg.Pixel(78, 15), Hex(0x00FFCC));  // TP: 40 long from 39
  EXPECT_NE(g.cg.Pixel(79, 15), Hex(0x00FFCC));
  EXPECT_EQ(g.cg.Pixel(338, 136), Hex(0xCC9922));  // distance: 50 long from 289, frame 6
  EXPECT_EQ(g.cg.Pixel(339, 137), Hex(0x663311));

  // Gliding from 8 down to 5: pale on even frames.
  g.cg.Fill(0);
  s.hpShown = 8;
  s.frameCounter = 2;
  DrawStatus(g);
  EXPECT_EQ(g.cg.Pixel(70, 25), Hex(0xFFFFEE));
  EXPECT_EQ(s.hpShown, 7);
}

TEST_F(Status, EnemyBarSlidesInAndZeroMaximaAreDrawnAsOne) {
  GameState& s = g.state;
  s.enemyName = "スライム";
  s.maxHp = s.maxMp = s.maxHunger = s.enemyMaxHp = 0;
  s.hp = 0;
  DrawStatus(g);
  EXPECT_EQ(s.enemyBarX, 349);
  EXPECT_EQ(s.maxHp + s.maxMp + s.maxHunger + s.enemyMaxHp, 4);  // written back
  s.enemyMaxHp = 10;
  s.enemyHp = s.enemyHpShown = 10;
  s.enemyBarX = 200;
  DrawStatus(g);
  EXPECT_EQ(g.cg.Pixel(388, 5), Hex(0xFF4444));  // 190 long from 199
  EXPECT_EQ(g.cg.Pixel(200, 8), Hex(0x550055));
  s.enemyHp = -50;
  s.enemyHpShown = 1;
  DrawStatus(g);
  EXPECT_EQ(s.enemyHpShown, 0);
}

TEST_F(Status, TextColours) {
  const std::pair<int, Color> bands[] = {
      {-5, 0x800000}, {10, 0x800000}, {11, 0xFF0000}, {20, 0xFF0000}, {21, 0xFF7744},
      {31, 0xFFCC55}, {50, 0xFFCC55}, {51, 0xFFFFBB}, {66, 0xFFFFDD}, {76, 0xFFFFFF}};
  for (auto [p, c] : bands) EXPECT_EQ(PercentColour(p, 100), c) << p;
  EXPECT_EQ(PercentColour(1, 0), 0x800000u);  // no maximum: no crash

  g.state.hp = g.state.maxHp = 10;
  DrawStatus(g);
  EXPECT_GT(CountColour(g.cg, Hex(0x00FFFF), 0, 15, 40, 24), 5);  // full: cyan
  g.cg.Fill(0);
  g.state.maxHp = 100;
  DrawStatus(g);
  EXPECT_EQ(CountColour(g.cg, Hex(0x00FFFF), 0, 15, 40, 24), 0);
  EXPECT_GT(CountColour(g.cg, Hex(0x800000), 0, 15, 40, 24), 5);  // 10%: dark red
}

TEST_F(Status, TagLinesInTheirOrder) {
  GameState& s = g.state;
  EXPECT_EQ(AilmentTags(s) + BlessingTags(s), "");
  s.statusHellTraining = 3;
  s.statusPoison = 1;
  s.statusTraining = -1;
  EXPECT_EQ(AilmentTags(s), "<毒><地獄修行>");
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

TEST_F(Status, DeepestRecordStarsOnTheLoginScreenOnly) {
  const Color star = Hex(0x88FFBB);
  g.state.deepestLevel = 3;
  DrawStatus(g);
  EXPECT_EQ(CountColour(g.cg, star, 0, 0, 390, 260), 0);
  g.state.titlePhase = 0;
  DrawStatus(g);
  int leftmost = LeftmostColour(g.cg, star, 0, 17, 390, 30);
  EXPECT_GE(leftmost, 349);  // stars at 373, 361, 349
  EXPECT_LE(leftmost, 352);
  EXPECT_GT(CountColour(g.cg, star, 349, 17, 361, 30), 5);
  EXPECT_GT(CountColour(g.cg, star, 361, 17, 373, 30), 5);
  EXPECT_GT(CountColour(g.cg, star, 373, 17, 390, 30), 5);
  // A record beyond all reason draws stars to the left edge and returns.
  g.state.deepestLevel = 2000000000;
  DrawStatus(g);
  EXPECT_LE(LeftmostColour(g.cg, star, 0, 17, 390, 30), 12);
  // With the overlay pushed far to the left the row ends far to the right; only the stars that
  // reach the picture are drawn, and the frame still ends.
  g.cg.Fill(0);
  g.state.statusSlideX = -2000000000;
  DrawStatus(g);
  EXPECT_LE(LeftmostColour(g.cg, star, 0, 17, 390, 30), 12);
  EXPECT_GT(CountColour(g.cg, star, 378, 17, 390, 30), 5);
}

TEST_F(Status, ClampPullsEveryRangeBackInOrder) {
  GameState& s = g.state;
  s.maxHp = 30, s.hp = 40, s.tp = 130, s.maxMp = 5, s.mp = -3, s.level = 2, s.exp = 500;
  s.money = 1234567890, s.worldLevel = -1, s.auDistance = -2, s.daysLeft = 400;
  s.maxHunger = 50, s.hunger = -5, s.strength = s.wisdom = s.spirit = -1;
  s.forestProgress = s.mazeProgress = s.mountainProgress = s.lockedChestTries = s.caveProgress = -1;
  s.enemyMaxHp = 20, s.enemyHp = 25;
  s.enemyStrength = s.enemyDefence = s.enemyWisdom = s.enemySpirit = -4;
  ClampState(g);
  EXPECT_EQ(s.hp, 30);
  EXPECT_EQ(s.tp, 100);
  EXPECT_EQ(s.mp, 0);
  EXPECT_EQ(s.exp, 120);
  EXPECT_EQ(s.money, 999999999);
  EXPECT_EQ(s.daysLeft, 365);
  EXPECT_EQ(s.hunger, 0);
  EXPECT_EQ(s.enemyHp, 20);
  EXPECT_EQ(s.worldLevel + s.auDistance + s.strength + s.wisdom + s.spirit + s.forestProgress +
                s.mazeProgress + s.mountainProgress + s.lockedChestTries + s.caveProgress +
                s.enemyStrength + s.enemyDefence + s.enemyWisdom + s.enemySpirit,
            0);
  // hp is cut to its maximum before it is raised to 0; hunger the other way round.
  s.maxHp = -5, s.hp = 3, s.hunger = 70;
  ClampState(g);
  EXPECT_EQ(s.hp, 0);
  EXPECT_EQ(s.hunger, 50);
  s.maxHunger = -5;
  ClampState(g);
  EXPECT_EQ(s.hunger, -5);
}

}  // namespace
}  // namespace pp
