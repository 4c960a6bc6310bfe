#include "ui/Choices.h"

#include <cstdint>
#include <vector>

#include "UiFixture.h"
#include "ui/ChoiceButtons.h"

namespace pp {
namespace {

class Choices : public UiTest {
 protected:
  void SetUp() override { g.state.titlePhase = 0; }
  std::vector<int> Slides(int n) {
    std::vector<int> out;
    for (int i = 0; i < n; ++i) {
      SlideChoices(g.state);
      out.push_back(g.state.choiceSlide);
    }
    return out;
  }
};

TEST_F(Choices, SlideInThenOutOnceClicked) {
  SetChoices(g, "", "", "旅立つ");
  EXPECT_EQ(host.events.back(), GameEvent(ChoicesEvent{{"", "", "旅立つ"}}));
  EXPECT_EQ(Slides(8), (std::vector<int>{-99, -49, -24, -11, -5, -2, 0, 0}));
  g.state.choicesEnabled = 0;
  EXPECT_EQ(Slides(8), (std::vector<int>{-81, -121, -141, -151, -156, -159, -160, -160}));
}

TEST_F(Choices, GlowCyclesOverTwelveFrames) {
  const Color glow[] = {0xCC9922, 0xDDAA33, 0xEEBB44, 0xEECC55, 0xFFDD66, 0xFFEE77,
                        0xFFFF88, 0xFFEE77, 0xFFDD66, 0xEECC55, 0xEEBB44, 0xDDAA33};
  for (int f = 0; f < 24; ++f) EXPECT_EQ(ChoiceGlow(f), glow[f % 12]) << f;
}

TEST_F(Choices, HoverPlaysKeyOncePerChangeAndNeverOnEmptyPlaces) {
  SetChoices(g, "はい", "いいえ", "");
  for (int n : {1, 1, 2, 2, 3, 1}) ChoiceMouseMove(g, n);
  EXPECT_EQ(host.Played("key.wav", 0), 3);
  EXPECT_EQ(g.state.hoveredChoice, 1);
}

TEST_F(Choices, TitleScreensIgnoreButtons) {
  g.state.titlePhase = -1;
  g.state.clickState = 0;
  ChoiceMouseMove(g, 3);
  ChoiceMouseDown(g, 3);
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(g.state.hoveredChoice, 0);
  EXPECT_EQ(g.state.clickState, 0);
}

TEST_F(Choices, ASetIsTakenOnceAndEmptyPlacesNever) {
  SetChoices(g, "", "", "謎の札");
  ChoiceMouseDown(g, 1);
  EXPECT_EQ(g.state.choicesEnabled, 1);
  ChoiceMouseDown(g, 3);
  EXPECT_EQ(g.state.choiceBlink3, 1);
  EXPECT_EQ(g.state.choicesEnabled, 0);
  g.state.clickState = 0;
  ChoiceMouseDown(g, 3);  // only ends the wait
  ChoiceMouseMove(g, 3);  // hover is off while the set is taken
  EXPECT_EQ(g.state.clickState, 1);
  EXPECT_EQ(host.Played("pi.wav", 4), 1);
  EXPECT_EQ(host.Played("1.wav", 2), 1);
  EXPECT_EQ(g.state.hoveredChoice, 0);
}

TEST_F(Choices, ClickedButtonFlashesOnEvenFramesForEightCounts) {
  SetChoices(g, "", "", "謎の札");
  g.state.choiceSlide = 0;
  ChoiceMouseDown(g, 3);
  // Hold the set at rest (it would slide out of sight in three frames) to watch the flash.
  g.state.choicesEnabled = 1;
  std::vector<int> counts;
  for (int f = 0; f < 16; ++f) {
    g.state.frameCounter = f;
    DrawChoices(g);
    counts.push_back(g.state.choiceBlink3);
    EXPECT_EQ(g.cg.Pixel(380, 232) == ChoiceGlow(f), f % 2 == 0) << f;  // the tab's inside
  }
  EXPECT_EQ(counts, (std::vector<int>{2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 0, 0}));
  // A counter set out of range by automation ends its flash without overflowing.
  g.state.choiceBlink3 = INT32_MAX;
  g.state.frameCounter = 0;
  DrawChoices(g);
  EXPECT_EQ(g.state.choiceBlink3, 0);
}

TEST_F(Choices, TabShapeAndHoverOffset) {
  SetChoices(g, "", "", "旅立つ");
  g.state.choiceSlide = 0;
  g.state.frameCounter = 1;
  DrawChoices(g);
  const Color glow = ChoiceGlow(1);
  EXPECT_EQ(g.cg.Pixel(300, 220), glow);  // top outline
  EXPECT_EQ(g.cg.Pixel(389, 243), glow);  // bottom outline, to the right edge
  EXPECT_EQ(g.cg.Pixel(244, 232), glow);  // the circle's leftmost column
  EXPECT_EQ(g.cg.Pixel(243, 232), 0u);
  EXPECT_EQ(g.cg.Pixel(256, 226), 0u);  // the seam line
  EXPECT_EQ(g.cg.Pixel(300, 156), 0u);  // no first button
  g.state.hoveredChoice = 3;
  DrawChoices(g);
  EXPECT_EQ(g.cg.Pixel(234, 232), glow);
}

TEST_F(Choices, ClickPromptOnlyWhileAdventuringAndWaiting) {
  g.state.choiceSlide = -160;
  g.state.choicesEnabled = 0;
  g.state.clickState = 0;
  g.state.frameCounter = 1;
  DrawChoices(g);
  EXPECT_EQ(CountColour(g.bak, ChoiceGlow(1), 0, 0, 400, 300), 0);
  g.state.titlePhase = 1;
  DrawChoices(g);
  EXPECT_GT(CountColour(g.bak, ChoiceGlow(1), 275, 245, 400, 260), 20);
  EXPECT_EQ(CountColour(g.bak, ChoiceGlow(1), 0, 0, 275, 300), 0);
}

}  // namespace
}  // namespace pp
