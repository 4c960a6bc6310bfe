// Reduced flashing and text backing: drawing only. The default frames are pinned by the other
// ui tests; these show what each option draws instead and that the game goes on the same.

#include "UiFixture.h"
#include "game/Timer.h"
#include "support/SeededRun.h"
#include "ui/ChoiceButtons.h"
#include "ui/Choices.h"
#include "ui/MessageColours.h"
#include "ui/Messages.h"
#include "ui/Renderer.h"

namespace pp {
namespace {

class EyeOptions : public UiTest {
 protected:
  void SetUp() override {
    g.config.drawing->reduceFlashing = true;
    g.state.titlePhase = 0;
  }
};

TEST_F(EyeOptions, TheTitleStaysButEveryRollIsStillDrawn) {
  g.state.titlePhase = -2;  // the first title screen
  g.bak.Fill(0x123456);
  RandomGenerator expected(1);
  for (int tick = 1; tick <= 40; ++tick) {
    host.nowMs = tick * 20;
    Timer1Timer(g);
    expected.Next(2);
    ASSERT_EQ(g.cg.Pixel(0, 0), 0x123456u) << "tick " << tick;
  }
  EXPECT_EQ(g.random.seed(), expected.seed());
  EXPECT_EQ(host.presented, 40);
}

TEST_F(EyeOptions, ButtonAndHurtFlashesAreSteadyAndCountTheSame) {
  SetChoices(g, "", "", "謎の札");
  g.state.choiceSlide = 0;
  ChoiceMouseDown(g, 3);
  g.state.choicesEnabled = 1;
  std::vector<int> counts;
  for (int f = 0; f < 16; ++f) {
    g.state.frameCounter = f;
    DrawChoices(g);
    counts.push_back(g.state.choiceBlink3);
    EXPECT_EQ(g.cg.Pixel(380, 232) == ChoiceGlow(f), f < 15) << f;
  }
  EXPECT_EQ(counts, (std::vector<int>{2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 0, 0}));

  g.state.titlePhase = 1;
  g.state.statusSlideX = 0;
  g.state.hurtFlash = 5;
  for (int f = 1; f <= 5; ++f) {
    g.state.frameCounter = f;
    RenderFrame(g);
    EXPECT_EQ(g.cg.Pixel(40, 57), Hex(0x330000)) << f;
  }
  EXPECT_EQ(g.state.hurtFlash, 0);
  RenderFrame(g);
  EXPECT_EQ(g.cg.Pixel(40, 57), 0u);
}

TEST_F(EyeOptions, TextBackingOutlinesTheLinesInBlackOverABrightScene) {
  g.config.drawing->reduceFlashing = false;
  g.state.titlePhase = 1;
  g.state.statusSlideX = 0;
  g.state.frameCounter = 2;  // even: the line keeps its age
  g.haikei.Fill(0xFFFFFF);
  PushOverlayText(g, 5, 201, "■■", 307);
  const int top = 201 - 1;
  const Color red = MessageColour(307, 1);

  RenderFrame(g);
  EXPECT_EQ(CountColour(g.cg, 0, 0, top - 2, 60, top + 14), 0) << "no backing by default";
  EXPECT_EQ(CountColour(g.cg, red, 0, top - 2, 60, top + 14), 0) << "OR over white is white";

  g.config.drawing->textBacking = true;
  g.state.overlayRing[1].age = 1;
  RenderFrame(g);
  const int lit = CountColour(g.cg, red, 0, top - 2, 60, top + 14);
  EXPECT_GT(lit, 40) << "the line in its own colour";
  EXPECT_GT(CountColour(g.cg, 0, 0, top - 2, 60, top + 14), lit / 4) << "an outline around it";
  // The outline is one pixel: two pixels away from every lit one the scene is untouched.
  EXPECT_EQ(g.cg.Pixel(60, top + 5), Hex(0xFFFFFF));
  EXPECT_EQ(g.cg.Pixel(10, top - 3), Hex(0xFFFFFF));
}

TEST(EyeOptionsRun, ASeededRunGivesTheSameEventsWithBothOptions) {
  const std::string script = test::LongScript(120);
  const std::vector<std::string> plain = test::PlaySeeded(script, 11);
  test::SeededRunOptions options;
  options.configure = [](GameConfig& c) {
    c.drawing->reduceFlashing = true;
    c.drawing->textBacking = true;
  };
  const std::vector<std::string> eyes = test::PlaySeeded(script, 11, options);
  ASSERT_GT(plain.size(), 200u);
  EXPECT_EQ(plain, eyes);
}

}  // namespace
}  // namespace pp
