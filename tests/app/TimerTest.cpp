#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/Game.h"
#include "game/Timer.h"
#include "support/TestHost.h"

namespace pp {
namespace {

TEST(Pacing, OnceASecondTheIntervalSeeksTenFrames) {
  struct Case {
    int32_t frames, interval, expected;
  };
  const Case cases[] = {{10, 90, 90}, {9, 90, 85}, {0, 90, 85}, {11, 90, 95},
                        {30, 90, 95}, {0, 3, 0},   {9, 0, 0},   {11, 0, 5}};
  for (const Case& c : cases) {
    TestHost host;
    Game g(host, GameConfig{}, 1);
    host.nowMs = 5000;
    g.state.titlePhase = -1;
    g.state.nextFrameTime = host.nowMs;  // not past: no frame this tick
    g.state.nextReportTime = host.nowMs - 1;
    g.state.framesThisSecond = c.frames;
    g.state.frameIntervalMs = c.interval;
    Timer1Timer(g);
    EXPECT_EQ(g.state.frameIntervalMs, c.expected) << c.frames << " frames at " << c.interval;
    EXPECT_EQ(g.state.framesThisSecond, 0);
  }
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
}

TEST(FrameTick, CounterWrapsAndOnlyFramesPastTheTitleAreDrawn) {
  TestHost host;
  Game g(host, GameConfig{}, 1);
  g.state.titlePhase = -2;
  g.state.frameCounter = 998;
  FrameTick(g);
  EXPECT_EQ(g.state.frameCounter, 999);
  FrameTick(g);
  EXPECT_EQ(g.state.frameCounter, 0);
  EXPECT_EQ(g.state.framesThisSecond, 2);
  EXPECT_EQ(host.presented, 0);

  g.state.titlePhase = 0;
  g.state.money = 2'000'000'000;  // the frame's clamp pulls it back
  FrameTick(g);
  EXPECT_EQ(host.presented, 1);
  EXPECT_EQ(g.state.money, 999999999);
}

TEST(Timer, TitleFlickersBetweenBlackAndTheTitlePicture) {
  TestHost host;
  Game g(host, GameConfig{}, 7);
  g.bak.Fill(0x123456);
  RandomGenerator expected(7);
  int black = 0;
  for (int tick = 1; tick <= 40; ++tick) {
    host.nowMs = tick * 20;
    Timer1Timer(g);
    const Color want = expected.Next(2) != 0 ? 0 : 0x123456;
    ASSERT_EQ(g.cg.Pixel(0, 0), want) << "tick " << tick;
    ASSERT_EQ(g.cg.Pixel(389, 259), want) << "tick " << tick;
    black += want == 0;
  }
  EXPECT_GT(black, 0);
  EXPECT_LT(black, 40);
  EXPECT_EQ(host.presented, 40);

  // Past the flicker a tick without a frame draws no roll.
  g.state.titlePhase = -1;
  host.nowMs += 1;
  g.state.nextFrameTime = host.nowMs;
  Timer1Timer(g);
  EXPECT_EQ(g.random.seed(), expected.seed());
}

}  // namespace
}  // namespace pp
