#include "ui/Messages.h"

#include <cstdint>

#include "UiFixture.h"
#include "ui/MessageColours.h"

namespace pp {
namespace {

using Messages = UiTest;

TEST_F(Messages, LinesStackTenPixelsApartAndTraceAfterTheirSound) {
  AddMessage(g, "一");
  AddColorMessage(g, "二", "red");
  AddColorMessage(g, "三", "Red");  // names are case-sensitive
  const auto& ring = g.state.overlayRing;
  EXPECT_EQ(ring[3].y - ring[3].age, 234);  // drawn at y - age, the newest lowest
  EXPECT_EQ(ring[2].y - ring[2].age, 224);
  EXPECT_EQ(ring[1].y - ring[1].age, 214);
  EXPECT_EQ(ring[2].kind, 307);
  EXPECT_EQ(ring[3].kind, 4);
  ASSERT_EQ(host.events.size(), 6u);
  EXPECT_EQ(host.events[2], GameEvent(SoundEvent{1, "moji.wav"}));
  EXPECT_EQ(host.events[3], GameEvent(MessageEvent{307, "red", MessageColour(307, 0), "二"}));
  EXPECT_EQ(host.events[5], GameEvent(MessageEvent{4, "plain", MessageColour(4, 0), "三"}));
}

TEST_F(Messages, EveryColourNameSelectsItsKind) {
  const char* names[] = {"green", "yellow",  "blue",   "pink",  "purple", "aqua",
                         "red",   "yellow2", "orange", "pink2", "blue2"};
  const int kinds[] = {301, 302, 303, 304, 305, 306, 307, 308, 309, 310, 312};
  for (int i = 0; i < 11; ++i) EXPECT_EQ(MessageKind(names[i]), kinds[i]) << names[i];
  EXPECT_EQ(MessageKind(""), 4);
}

TEST_F(Messages, FiftyFirstPushOverwritesSlotOneWhileStillLive) {
  for (int i = 1; i <= 51; ++i) PushOverlayText(g, 5, 245, std::to_string(i), 4);
  EXPECT_EQ(g.state.overlayRingIndex, 1);
  EXPECT_EQ(g.state.overlayRing[0].text, "50");
  EXPECT_EQ(g.state.overlayRing[1].text, "51");
  EXPECT_EQ(g.state.overlayRing[2].text, "2");
  // An index set outside the ring (by automation) starts over at slot 0.
  for (int32_t index : {INT32_MAX, -7}) {
    g.state.overlayRingIndex = index;
    PushOverlayText(g, 5, 245, "外", 4);
    EXPECT_EQ(g.state.overlayRingIndex, 0);
    EXPECT_EQ(g.state.overlayRing[0].text, "外");
  }
}

TEST_F(Messages, FreedSlotsAreLiftedTooButStayEmpty) {
  PushOverlayText(g, 5, 245, "古い", 4);
  g.state.overlayRing[1].age = 0;
  g.state.overlayRing[1].text.clear();
  AddMessage(g, "新しい");
  EXPECT_EQ(g.state.overlayRing[1].age, 10);
  EXPECT_EQ(g.state.overlayRing[2].age, 11);
  EXPECT_EQ(g.state.overlayRing[3].age, 0);  // never used: no message kind
}

TEST_F(Messages, SilentModeAddsNothingAndAClickLeavesIt) {
  g.state.clickState = -1;
  AddColorMessage(g, "静か", "red");
  WaitForClick(g);
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(g.state.overlayRing[1].age, 0);
  ClickAdvance(g);
  EXPECT_EQ(g.state.clickState, 1);
  EXPECT_TRUE(host.events.empty());  // no click sound either
}

TEST_F(Messages, WaitEndsOnAClickOnThePictureWithTheClickSound) {
  g.state.titlePhase = 0;
  WaitForClick(g);
  EXPECT_EQ(g.state.clickState, 1);
  ASSERT_EQ(host.events.size(), 2u);
  EXPECT_EQ(host.events[0], GameEvent(ClickWaitEvent{}));
  EXPECT_EQ(host.events[1], GameEvent(SoundEvent{2, "1.wav"}));
}

}  // namespace
}  // namespace pp
