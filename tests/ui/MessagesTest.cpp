#include "ui/Messages.h"

#include "UiFixture.h"
#include "ui/MessageColours.h"

namespace pp {
namespace {

using Messages = UiTest;

TEST_F(Messages, ThreeLinesStackTenPixelsApartNewestLowest) {
  AddMessage(g, "一");
  AddMessage(g, "二");
  AddColorMessage(g, "三", "red");
  const auto& ring = g.state.overlayRing;
  EXPECT_EQ(g.state.overlayRingIndex, 3);
  // Drawn at y - age: the newest at 234, each older one 10 higher.
  EXPECT_EQ(ring[3].y - ring[3].age, 234);
  EXPECT_EQ(ring[2].y - ring[2].age, 224);
  EXPECT_EQ(ring[1].y - ring[1].age, 214);
  EXPECT_EQ(ring[1].x, 5);
  EXPECT_EQ(ring[1].text, "一");
  EXPECT_EQ(ring[3].kind, 307);
}

TEST_F(Messages, FiftyFirstPushOverwritesSlotOneWhileStillLive) {
  for (int i = 1; i <= 51; ++i) PushOverlayText(g, 5, 245, std::to_string(i), 4);
  EXPECT_EQ(g.state.overlayRingIndex, 1);
  EXPECT_EQ(g.state.overlayRing[0].text, "50");
  EXPECT_EQ(g.state.overlayRing[1].text, "51");
  EXPECT_EQ(g.state.overlayRing[1].age, 1);
  EXPECT_EQ(g.state.overlayRing[2].text, "2");
}

TEST_F(Messages, SoundThenTraceWithKindAndColourName) {
  AddMessage(g, "やあ");
  AddColorMessage(g, "痛い", "red");
  AddColorMessage(g, "大文字", "Red");
  AddColorMessage(g, "無名", "");
  ASSERT_EQ(host.traces.size(), 8u);
  EXPECT_EQ(host.traces[0], R"({"ev":"sound","channel":1,"file":"moji.wav"})");
  EXPECT_EQ(host.traces[1], R"({"ev":"message","kind":4,"colour":"plain","text":"やあ"})");
  EXPECT_EQ(host.traces[3], R"({"ev":"message","kind":307,"colour":"red","text":"痛い"})");
  EXPECT_EQ(host.traces[5], R"({"ev":"message","kind":4,"colour":"plain","text":"大文字"})");
  EXPECT_EQ(host.traces[7], R"({"ev":"message","kind":4,"colour":"plain","text":"無名"})");
  EXPECT_EQ(g.state.overlayRing[3].kind, 4);
}

TEST_F(Messages, EveryNameSelectsItsKind) {
  const std::pair<const char*, int> names[] = {{"green", 301}, {"yellow", 302},  {"blue", 303},
                                               {"pink", 304},  {"purple", 305},  {"aqua", 306},
                                               {"red", 307},   {"yellow2", 308}, {"orange", 309},
                                               {"pink2", 310}, {"blue2", 312},   {"blue3", 4}};
  for (auto [name, kind] : names) EXPECT_EQ(MessageKind(name), kind) << name;
}

TEST_F(Messages, SilentModeAddsNothingAndWaitsForNothing) {
  g.state.clickState = -1;
  AddMessage(g, "静か");
  AddColorMessage(g, "静か", "red");
  WaitForClick(g);
  EXPECT_TRUE(host.traces.empty());
  EXPECT_EQ(g.state.overlayRingIndex, 0);
  EXPECT_EQ(g.state.overlayRing[1].age, 0);
  EXPECT_EQ(g.state.clickState, -1);
  // A click leaves silent mode without the click sound.
  ClickAdvance(g);
  EXPECT_EQ(g.state.clickState, 1);
  EXPECT_EQ(SoundCount(2, "1.wav"), 0);
}

TEST_F(Messages, ClickSoundOnlyWhenAWaitIsOpen) {
  ClickAdvance(g);
  EXPECT_EQ(SoundCount(2, "1.wav"), 0);
  g.state.clickState = 0;
  ClickAdvance(g);
  EXPECT_EQ(g.state.clickState, 1);
  EXPECT_EQ(SoundCount(2, "1.wav"), 1);
}

TEST_F(Messages, WaitEndsOnAClickOnThePicture) {
  g.state.titlePhase = 0;
  WaitForClick(g);
  EXPECT_EQ(g.state.clickState, 1);
  ASSERT_GE(host.traces.size(), 2u);
  EXPECT_EQ(host.traces[0], R"({"ev":"wait"})");
  EXPECT_EQ(SoundCount(2, "1.wav"), 1);
}

TEST_F(Messages, FreedSlotsAreLiftedTooButStayEmpty) {
  PushOverlayText(g, 5, 245, "古い", 4);
  g.state.overlayRing[1].age = 0;
  g.state.overlayRing[1].text.clear();
  AddMessage(g, "新しい");
  EXPECT_EQ(g.state.overlayRing[1].age, 10);
  EXPECT_EQ(g.state.overlayRing[1].text, "");
  EXPECT_EQ(g.state.overlayRing[2].age, 11);
  // Never-used slots (kind 0) stay free.
  EXPECT_EQ(g.state.overlayRing[3].age, 0);
}

}  // namespace
}  // namespace pp
