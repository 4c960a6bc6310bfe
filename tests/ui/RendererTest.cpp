#include "ui/Renderer.h"

#include "UiFixture.h"
#include "ui/ChoiceButtons.h"
#include "ui/MessageColours.h"
#include "ui/Messages.h"
#include "ui/Status.h"

namespace pp {
namespace {

class Renderer : public UiTest {
 protected:
  void SetUp() override {
    g.state.titlePhase = 1;
    g.state.statusSlideX = 0;
  }
};

TEST(SparkRing, CentresUseTheRingsOwnPiAndRoundHalfToEven) {
  EXPECT_EQ(CornerRadius(0), 70);
  EXPECT_EQ(CornerRadius(-200), 0);
  const std::pair<int, Point> dots[] = {
      {0, {150, 0}},
      {30, {130, 35}},
      {90, {0, 70}},
      {271, {3, -70}},
      {1011, {54, -65}},
      // With 3.1415 these land one pixel off where an exact pi would put them.
      {135, {-106, 50}},
      {238, {-80, -59}},
      {626, {-11, -70}}};
  for (auto [deg, p] : dots) {
    Point c = SparkCentre(deg, 70);
    EXPECT_EQ(c.x, p.x) << deg;
    EXPECT_EQ(c.y, p.y) << deg;
  }
}

TEST_F(Renderer, SparkDotsOnTheGlowLayerLargestOnTop) {
  g.state.frameCounter = 5;
  RenderFrame(g);
  // Group 1: large dots at 36..38 degrees, middle ones from 32, small ones from 28.
  Point large = SparkCentre(37, 70);
  EXPECT_EQ(g.bak.Pixel(large.x, large.y), Hex(0xFFFF99));
  Point middle = SparkCentre(33, 70);
  EXPECT_EQ(g.bak.Pixel(middle.x, middle.y), Hex(0xFFCC55));
  Point smallDot = SparkCentre(28, 70);
  EXPECT_EQ(g.bak.Pixel(smallDot.x, smallDot.y), Hex(0xDDAA33));
  // Away from the rim the layer stays black.
  EXPECT_EQ(g.bak.Pixel(60, 30), 0u);
  // The sparks show on the picture through the OR.
  EXPECT_EQ(g.cg.Pixel(large.x, large.y) & Hex(0xFFFF99), Hex(0xFFFF99));
}

TEST_F(Renderer, OrbPulsesGreenWhenChargedAndRedWhenHurt) {
  g.state.frameCounter = 5;
  g.state.tp = 98;
  RenderFrame(g);
  EXPECT_EQ(g.cg.Pixel(40, 57), 0u);
  g.state.tp = 99;
  RenderFrame(g);
  EXPECT_EQ(g.cg.Pixel(40, 57), Hex(0x335500));
  g.state.frameCounter = 3;
  g.state.tp = 100;
  RenderFrame(g);
  EXPECT_EQ(g.cg.Pixel(40, 57), Hex(0x223300));
  g.state.hurtFlash = 8;
  RenderFrame(g);
  EXPECT_EQ(g.cg.Pixel(40, 57), Hex(0x330000));
  EXPECT_EQ(g.state.hurtFlash, 7);
}

TEST_F(Renderer, NothingOfTheCornerBeforeTheOverlayHasCome) {
  g.state.statusSlideX = -200;
  g.state.hurtFlash = 8;
  g.state.choiceSlide = -200;
  g.state.clickState = 0;
  RenderFrame(g);
  EXPECT_EQ(g.state.hurtFlash, 8);
  EXPECT_EQ(g.state.choiceSlide, -200);
  EXPECT_EQ(CountColour(g.bak, Hex(0xFFFF99), 0, 0, 400, 300), 0);
  EXPECT_EQ(CountColour(g.bak, ChoiceGlow(0), 0, 0, 400, 300), 0);
  EXPECT_EQ(g.state.statusSlideX, -149);
}

TEST_F(Renderer, MaskHidesLinesInTheCornerOnly) {
  const Color kLineColour = MessageColour(4, 1);
  g.state.frameCounter = 2;             // even: lines keep their age
  PushOverlayText(g, 5, 51, "■■", 4);   // drawn at y 50, inside the mask
  PushOverlayText(g, 5, 201, "■■", 4);  // drawn at y 200
  RenderFrame(g);
  EXPECT_EQ(CountColour(g.bak2, kLineColour, 0, 50, 60, 61), 0);
  EXPECT_GT(CountColour(g.bak2, kLineColour, 0, 200, 60, 211), 20);

  // With the corner away the mask is a flat ellipse 164 wide and 4 high.
  g.state.statusSlideX = -200;
  g.state.overlayRing[1].age = 1;
  RenderFrame(g);
  EXPECT_GT(CountColour(g.bak2, kLineColour, 0, 50, 60, 61), 20);
}

TEST_F(Renderer, LinesRiseEverySecondFrameInTheirAgeColourUntilAboveTheTop) {
  PushOverlayText(g, 5, 100, "■■", 307);
  PushOverlayText(g, 5, 0, "上へ", 4);
  g.state.overlayRing[1].age = 4;
  g.state.overlayRing[2].age = 9;
  g.state.frameCounter = 1;
  UpdateEffects(g);
  EXPECT_EQ(g.state.overlayRing[1].age, 5);
  EXPECT_GT(CountColour(g.bak2, Hex(0xB50000), 0, 95, 60, 106), 20);
  EXPECT_EQ(g.state.overlayRing[2].age, 10);  // drawn at -10: still alive
  g.state.frameCounter = 2;
  UpdateEffects(g);
  EXPECT_EQ(g.state.overlayRing[1].age, 5);
  g.state.frameCounter = 3;
  UpdateEffects(g);  // -11: freed
  EXPECT_EQ(g.state.overlayRing[2].age, 0);
  EXPECT_EQ(g.state.overlayRing[2].text, "");
}

// Automation may set any value; a frame must still draw and clamp without a fault.
TEST_F(Renderer, ExtremeValuesDrawAndClamp) {
  for (int32_t v : {INT32_MIN, INT32_MAX}) {
    GameState& s = g.state;
    for (int32_t* f :
         {&s.level,     &s.exp,          &s.expShown,    &s.tp,           &s.hp,
          &s.hpShown,   &s.maxHp,        &s.mp,          &s.mpShown,      &s.maxMp,
          &s.hunger,    &s.hungerShown,  &s.maxHunger,   &s.worldLevel,   &s.auDistance,
          &s.money,     &s.daysLeft,     &s.enemyHp,     &s.enemyHpShown, &s.enemyMaxHp,
          &s.enemyBarX, &s.statusSlideX, &s.choiceSlide, &s.deepestLevel, &s.deepestAu,
          &s.hurtFlash, &s.choiceBlink1})
      *f = v;
    s.enemyName = "巨人";
    s.titlePhase = 0;
    s.choiceLabel1 = "札";
    PushOverlayText(g, v, v, "端", 307);
    for (int f = 0; f < 3; ++f) {
      s.frameCounter = f;
      RenderFrame(g);
      ClampState(g);
    }
    EXPECT_GE(s.hp, 0);
    EXPECT_LE(s.daysLeft, 365);
  }
}

}  // namespace
}  // namespace pp
