#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Game.h"
#include "app/Timer.h"
#include "support/TestHost.h"

namespace pp {
namespace {

// A game still on the title screen, with the report due at `now` and no frame due.
struct ReportFixture {
  TestHost host;
  Game g{host, GameConfig{}, 1};
  void Report(int32_t framesThisSecond, int32_t intervalMs) {
    host.nowMs = 5000;
    g.state.titlePhase = -1;
    g.state.nextFrameTime = host.nowMs;  // not past: no frame this tick
    g.state.nextReportTime = host.nowMs - 1;
    g.state.framesThisSecond = framesThisSecond;
    g.state.frameIntervalMs = intervalMs;
    Timer1Timer(g);
  }
};

TEST(Pacing, OnceASecondTheIntervalSeeksTenFrames) {
  struct Case {
    int32_t frames, interval, expected;
  };
  const Case cases[] = {{10, 90, 90}, {9, 90, 85}, {0, 90, 85}, {11, 90, 95},
                        {30, 90, 95}, {0, 3, 0},   {9, 0, 0},   {11, 0, 5}};
  for (const Case& c : cases) {
    ReportFixture f;
    f.Report(c.frames, c.interval);
    EXPECT_EQ(f.g.state.frameIntervalMs, c.expected) << c.frames << " frames at " << c.interval;
    EXPECT_EQ(f.g.state.framesThisSecond, 0);
    EXPECT_EQ(f.g.state.nextReportTime, 6000);
  }
}

TEST(Pacing, CaptionShowsTheSecondBeforeTheChange) {
  ReportFixture f;
  f.Report(9, 90);
  EXPECT_EQ(f.host.caption, "FLM:9 1F@90ms.");
}

TEST(Pacing, TwentyMillisecondTicksGiveTenFramesASecond) {
  TestHost host;
  Game g(host, GameConfig{}, 1);
  g.state.titlePhase = -1;  // frames are counted but not drawn
  std::vector<std::string> captions;
  for (int tick = 1; tick <= 50 * 5; ++tick) {
    host.nowMs = tick * 20;
    const int64_t due = g.state.nextReportTime;
    Timer1Timer(g);
    if (g.state.nextReportTime != due) captions.push_back(host.caption);
  }
  // The first report comes at the first tick, after one frame, and slows the pace by 5 ms;
  // at 85 ms a 20 ms timer still gives a frame every 100 ms.
  const std::vector<std::string> expected = {"FLM:1 1F@90ms.", "FLM:10 1F@85ms.", "FLM:10 1F@85ms.",
                                             "FLM:10 1F@85ms.", "FLM:10 1F@85ms."};
  EXPECT_EQ(captions, expected);
  EXPECT_EQ(g.state.frameIntervalMs, 85);
}

TEST(FrameTick, CounterRunsToNineHundredNinetyNineAndWraps) {
  TestHost host;
  Game g(host, GameConfig{}, 1);
  g.state.titlePhase = -2;
  g.state.frameCounter = 998;
  FrameTick(g);
  EXPECT_EQ(g.state.frameCounter, 999);
  FrameTick(g);
  EXPECT_EQ(g.state.frameCounter, 0);
  EXPECT_EQ(g.state.framesThisSecond, 2);
  g.state.frameCounter = 5000;  // set from outside
  FrameTick(g);
  EXPECT_EQ(g.state.frameCounter, 0);
  EXPECT_EQ(host.presented, 0) << "the title phases draw no frames";
}

TEST(FrameTick, FromTheLoginScreenOnEveryFrameIsDrawnAndPresented) {
  TestHost host;
  Game g(host, GameConfig{}, 1);
  g.state.titlePhase = 0;
  g.state.money = 2'000'000'000;  // above the range: the frame's clamp pulls it back
  FrameTick(g);
  EXPECT_EQ(host.presented, 1);
  EXPECT_EQ(g.state.money, 999999999);
  EXPECT_EQ(host.lastFrame.width(), 390);
}

TEST(Timer, MoneyLabelFollowsEveryTick) {
  TestHost host;
  Game g(host, GameConfig{}, 1);
  g.state.titlePhase = 1;
  g.state.money = 1234;
  Timer1Timer(g);
  EXPECT_EQ(g.goldLabel, "1234円");
}

TEST(Timer, TitleFlickersBetweenBlackAndTheTitlePicture) {
  TestHost host;
  Game g(host, GameConfig{}, 7);
  g.bak.Fill(0x123456);
  RandomGenerator expected(7);
  int black = 0, title = 0;
  for (int tick = 1; tick <= 40; ++tick) {
    host.nowMs = tick * 20;
    Timer1Timer(g);
    const Color want = expected.Next(2) != 0 ? 0 : 0x123456;
    ASSERT_EQ(g.cg.Pixel(0, 0), want) << "tick " << tick;
    ASSERT_EQ(g.cg.Pixel(389, 259), want) << "tick " << tick;
    (want == 0 ? black : title)++;
  }
  EXPECT_GT(black, 0);
  EXPECT_GT(title, 0);
  EXPECT_EQ(host.presented, 40);
  EXPECT_EQ(g.random.seed(), expected.seed());

  // Past the flicker no roll is drawn on a tick without a frame.
  g.state.titlePhase = -1;
  host.nowMs += 1;
  g.state.nextFrameTime = host.nowMs;
  Timer1Timer(g);
  EXPECT_EQ(g.random.seed(), expected.seed());
}

}  // namespace
}  // namespace pp
