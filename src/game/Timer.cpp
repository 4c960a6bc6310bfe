#include "game/Timer.h"

#include <string>

#include "core/Int32.h"
#include "game/Game.h"
#include "ui/Renderer.h"
#include "ui/Status.h"

namespace pp {
namespace {

constexpr int64_t kReportIntervalMs = 1000;
// The pacing seeks this many frames a second and moves the interval by kPacingStepMs.
constexpr int32_t kTargetFrames = 10;
constexpr int32_t kPacingStepMs = 5;
constexpr int32_t kFrameCounterWrap = 1000;

// Once a second: the frame-rate caption, then the interval nudged toward 10 frames a second.
void ReportFrameRate(Game& g, int64_t now) {
  GameState& s = g.state;
  s.nextReportTime = now + kReportIntervalMs;
  g.host.Report(CaptionEvent{"FLM:" + std::to_string(s.framesThisSecond) + " 1F@" +
                             std::to_string(s.frameIntervalMs) + "ms."});
  if (s.framesThisSecond < kTargetFrames)
    s.frameIntervalMs = Sub32(s.frameIntervalMs, kPacingStepMs);
  if (s.framesThisSecond > kTargetFrames)
    s.frameIntervalMs = Add32(s.frameIntervalMs, kPacingStepMs);
  if (s.frameIntervalMs < 0) s.frameIntervalMs = 0;
  s.framesThisSecond = 0;
}

// The first title screen: each tick shows black or the title picture, at even odds. With
// reduced flashing the draw is still made and the title stays.
void FlickerTitle(Game& g) {
  const bool black = Random(g, 2) != 0;
  if (black && !g.config.drawing->reduceFlashing) {
    g.cg.SetPen(0);
    g.cg.SetBrush(0);
    g.cg.Rectangle(0, 0, 390, 260);
  } else {
    g.cg.CopyFrom(g.bak, Rect{0, 0, g.bak.width(), g.bak.height()}, 0, 0);
  }
  g.host.Present(g.cg);
}

}  // namespace

void Timer1Timer(Game& g) {
  GameState& s = g.state;
  const int64_t now = g.host.NowMs();
  if (now > s.nextFrameTime) {
    s.nextFrameTime = now + s.frameIntervalMs;
    FrameTick(g);
  }
  if (now > s.nextReportTime) ReportFrameRate(g, now);
  g.goldLabel = std::to_string(s.money) + "円";
  if (s.titlePhase == -2) FlickerTitle(g);
}

void FrameTick(Game& g) {
  GameState& s = g.state;
  s.framesThisSecond = Add32(s.framesThisSecond, 1);
  s.frameCounter = Add32(s.frameCounter, 1);
  // Also pulls back a counter set out of range from outside.
  if (s.frameCounter >= kFrameCounterWrap) s.frameCounter = 0;
  if (s.titlePhase >= 0) {
    RenderFrame(g);
    ClampState(g);
    g.host.Present(g.cg);
  }
}

}  // namespace pp
