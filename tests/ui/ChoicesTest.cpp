#include "ui/Choices.h"

#include <vector>

#include "UiFixture.h"
#include "ui/ChoiceButtons.h"

namespace pp {
namespace {

class Choices : public UiTest {
 protected:
  void SetUp() override { g.state.titlePhase = 0; }
  // Runs the button drawing for frame f.
  void Frame(int f) {
    g.state.frameCounter = f;
    DrawChoices(g);
  }
};

TEST_F(Choices, SetChoicesStoresResetsAndTraces) {
  g.state.choiceBlink2 = 4;
  g.state.choicesEnabled = 0;
  g.state.choiceSlide = -160;
  SetChoices(g, "", "", "旅立つ");
  EXPECT_EQ(g.state.choiceLabel3, "旅立つ");
  EXPECT_EQ(g.state.choiceBlink2, 0);
  EXPECT_EQ(g.state.choiceSlide, -200);
  EXPECT_EQ(g.state.choicesEnabled, 1);
  EXPECT_EQ(host.traces.back(), R"({"ev":"choices","labels":["","","旅立つ"]})");
}

TEST_F(Choices, SlideInAndOutSequences) {
  std::vector<int> in;
  g.state.choiceSlide = -200;
  for (int i = 0; i < 8; ++i) {
    SlideChoices(g.state);
    in.push_back(g.state.choiceSlide);
  }
  EXPECT_EQ(in, (std::vector<int>{-99, -49, -24, -11, -5, -2, 0, 0}));

  std::vector<int> out;
  g.state.choicesEnabled = 0;
  for (int i = 0; i < 8; ++i) {
    SlideChoices(g.state);
    out.push_back(g.state.choiceSlide);
  }
  EXPECT_EQ(out, (std::vector<int>{-81, -121, -141, -151, -156, -159, -160, -160}));
}

TEST_F(Choices, GlowCyclesOverTwelveFrames) {
  const Color glow[] = {0xCC9922, 0xDDAA33, 0xEEBB44, 0xEECC55, 0xFFDD66, 0xFFEE77,
                        0xFFFF88, 0xFFEE77, 0xFFDD66, 0xEECC55, 0xEEBB44, 0xDDAA33};
  for (int f = 0; f < 36; ++f) EXPECT_EQ(ChoiceGlow(f), glow[f % 12]) << f;
}

TEST_F(Choices, HoverPlaysKeyOncePerChange) {
  SetChoices(g, "はい", "いいえ", "");
  ChoiceMouseMove(g, 1);
  ChoiceMouseMove(g, 1);
  ChoiceMouseMove(g, 2);
  ChoiceMouseMove(g, 2);
  EXPECT_EQ(SoundCount(0, "key.wav"), 2);
  // An empty place is hovered silently.
  ChoiceMouseMove(g, 3);
  EXPECT_EQ(g.state.hoveredChoice, 3);
  EXPECT_EQ(SoundCount(0, "key.wav"), 2);
  ChoiceMouseMove(g, 1);
  EXPECT_EQ(SoundCount(0, "key.wav"), 3);
}

TEST_F(Choices, TitleScreensIgnoreButtons) {
  g.state.titlePhase = -1;
  g.state.clickState = 0;
  ChoiceMouseMove(g, 3);
  ChoiceMouseDown(g, 3);
  EXPECT_TRUE(host.traces.empty());
  EXPECT_EQ(g.state.hoveredChoice, 0);
  EXPECT_EQ(g.state.clickState, 0);
  EXPECT_EQ(g.state.choicesEnabled, 1);
}

TEST_F(Choices, ClickTakesTheSetOnceAndEmptyPlacesNever) {
  SetChoices(g, "", "", "謎の札");
  ChoiceMouseDown(g, 1);
  EXPECT_EQ(SoundCount(4, "pi.wav"), 0);
  EXPECT_EQ(g.state.choicesEnabled, 1);

  ChoiceMouseDown(g, 3);
  EXPECT_EQ(SoundCount(4, "pi.wav"), 1);
  EXPECT_EQ(g.state.choiceBlink3, 1);
  EXPECT_EQ(g.state.choicesEnabled, 0);

  // A second click on the same set only advances a wait.
  g.state.clickState = 0;
  ChoiceMouseDown(g, 3);
  EXPECT_EQ(g.state.clickState, 1);
  EXPECT_EQ(SoundCount(2, "1.wav"), 1);
  EXPECT_EQ(SoundCount(4, "pi.wav"), 1);
  // Hover is off while the set is taken.
  ChoiceMouseMove(g, 3);
  EXPECT_EQ(g.state.hoveredChoice, 0);
}

TEST_F(Choices, ClickedButtonFlashesOnEvenFramesForEightCounts) {
  SetChoices(g, "", "", "謎の札");
  g.state.choiceSlide = 0;
  ChoiceMouseDown(g, 3);
  // Hold the set at rest (it would slide out of sight in three frames) to watch the flash.
  g.state.choicesEnabled = 1;
  std::vector<int> counts;
  std::vector<bool> filled;
  for (int f = 0; f < 16; ++f) {
    Frame(f);
    counts.push_back(g.state.choiceBlink3);
    // Inside the tab, right of the label.
    filled.push_back(g.cg.Pixel(380, 232) == ChoiceGlow(f));
  }
  EXPECT_EQ(counts, (std::vector<int>{2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 0, 0}));
  for (int f = 0; f < 16; ++f) EXPECT_EQ(filled[f], f % 2 == 0) << f;
}

TEST_F(Choices, RestingTabShapeAndHoverOffset) {
  SetChoices(g, "", "", "旅立つ");
  g.state.choiceSlide = 0;
  g.state.frameCounter = 1;
  DrawChoices(g);
  const Color glow = ChoiceGlow(1);
  // Top outline from the circle's left edge to the right of the picture.
  EXPECT_EQ(g.cg.Pixel(300, 220), glow);
  EXPECT_EQ(g.cg.Pixel(389, 243), glow);
  EXPECT_EQ(g.cg.Pixel(389, 232), 0u);
  EXPECT_EQ(g.cg.Pixel(244, 232), glow);  // the circle's leftmost column
  EXPECT_EQ(g.cg.Pixel(243, 232), 0u);
  // The seam line hides the rectangle's left outline in its upper half.
  EXPECT_EQ(g.cg.Pixel(256, 226), 0u);
  EXPECT_EQ(g.cg.Pixel(257, 226), 0u);
  // No other button was drawn.
  EXPECT_EQ(g.cg.Pixel(300, 156), 0u);

  g.cg.Fill(0);
  g.state.hoveredChoice = 3;
  DrawChoices(g);
  EXPECT_EQ(g.cg.Pixel(234, 232), glow);
  EXPECT_EQ(g.cg.Pixel(233, 232), 0u);
}

TEST_F(Choices, ClickPromptOnlyWhileAdventuringAndWaiting) {
  g.state.choiceSlide = -160;
  g.state.choicesEnabled = 0;
  g.state.clickState = 0;
  Frame(1);
  EXPECT_EQ(CountColour(g.bak, ChoiceGlow(1), 270, 240, 400, 260), 0);
  g.state.titlePhase = 1;
  Frame(1);
  EXPECT_GT(CountColour(g.bak, ChoiceGlow(1), 275, 245, 400, 260), 20);
  EXPECT_EQ(CountColour(g.bak, ChoiceGlow(1), 0, 0, 275, 300), 0);
}

}  // namespace
}  // namespace pp
