// Time of one busy game frame, and beside it the memory floor: the time to write the same
// pixels the frame must at least touch, five times over.
//
// Busy frame: a scene picture, 50 live message lines (plain and coloured), three choice
// buttons at rest with one hovered, the enemy bar, every status tag, the orb charged, and
// the spark ring. Each iteration restores the line ages and the hurt flash (100 integer
// writes) so every frame draws the same amount.
//
// Memory floor: std::fill of 390x260 + 2 x 400x300 32-bit pixels (the picture and the two
// glow layers), done five times, i.e. 1,707,000 pixel writes per iteration.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/Game.h"
#include "gfx/Surface.h"
#include "platform/AudioDevice.h"
#include "platform/Host.h"
#include "ui/Messages.h"
#include "ui/Renderer.h"
#include "ui/Status.h"

namespace {

// Never asked for events: the renderer does not read input.
class BenchHost : public pp::Host {
 public:
  int64_t NowMs() override { return 0; }
  pp::HostEvent WaitEvent() override {
    pp::HostEvent e;
    e.type = pp::HostEvent::Type::Close;
    return e;
  }
  void Present(const pp::Surface&) override {}
  void SetCaption(const std::string&) override {}
  bool ConfirmYesNo(const std::string&) override { return false; }
  void ShowError(const std::string&) override {}
  std::unique_ptr<pp::AudioDevice> OpenAudioDevice(const pp::AudioFormat&) override {
    return nullptr;
  }
};

void SetUpBusyFrame(pp::Game& g) {
  pp::GameState& s = g.state;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 100; ++x)
      g.haikei.SetPixel(x, y,
                        pp::Rgb(static_cast<uint32_t>(x * 2), static_cast<uint32_t>(y * 4),
                                static_cast<uint32_t>((x + y) % 256)));
  s.titlePhase = 1;
  s.statusSlideX = 0;
  s.clickState = 0;
  s.choiceSlide = 0;
  s.hoveredChoice = 2;
  s.choiceLabel1 = "攻撃";
  s.choiceLabel2 = "魔法";
  s.choiceLabel3 = "修行 \\-50";
  s.enemyName = "スライム";
  s.enemyMaxHp = 300;
  s.enemyHp = 120;
  s.enemyHpShown = 200;
  s.enemyBarX = 200;
  s.tp = 100;
  s.level = 12;
  s.exp = 80;
  s.hp = 40;
  s.maxHp = 90;
  s.mp = 7;
  s.maxMp = 20;
  s.hunger = 12;
  s.money = 123456;
  s.daysLeft = 200;
  s.worldLevel = 3;
  s.auDistance = 21;
  s.levelNames[3] = "テストの界";
  for (int32_t* status :
       {&s.statusParalysis, &s.statusPoison, &s.statusStomachache, &s.statusTraining,
        &s.statusHellTraining, &s.statusHero, &s.statusPhantomThief, &s.statusLogicAttack,
        &s.statusLogicDefence, &s.statusTheoryArmour, &s.statusAttackUp, &s.statusDefenceUp,
        &s.statusMagicDefenceUp, &s.statusMagicAttackUp, &s.statusHeal, &s.statusMagic,
        &s.statusSpirit, &s.statusExtra})
    *status = 5;
  const int32_t kinds[] = {4, 301, 302, 303, 304, 305, 306, 307, 308, 309, 310, 312};
  for (int i = 0; i < pp::kOverlaySlots; ++i)
    pp::PushOverlayText(g, 5, 250, "メッセージ行 " + std::to_string(i) + " が上ってゆく",
                        kinds[i % 12]);
}

void RestoreAges(pp::GameState& s) {
  for (int i = 0; i < pp::kOverlaySlots; ++i) s.overlayRing[static_cast<size_t>(i)].age = 5 * i + 1;
  s.hurtFlash = 4;
}

void BM_RenderFrame(benchmark::State& state) {
  BenchHost host;
  pp::Game g(host, pp::GameConfig{}, 1);
  SetUpBusyFrame(g);
  for (auto _ : state) {
    RestoreAges(g.state);
    g.state.frameCounter = (g.state.frameCounter + 1) % 1000;
    pp::RenderFrame(g);
    pp::ClampState(g);
    benchmark::DoNotOptimize(g.cg.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RenderFrame)->Unit(benchmark::kMicrosecond);

void BM_MemoryFloor(benchmark::State& state) {
  std::vector<uint32_t> picture(390 * 260), layer1(400 * 300), layer2(400 * 300);
  uint32_t value = 0;
  for (auto _ : state) {
    for (int pass = 0; pass < 5; ++pass) {
      ++value;
      std::fill(picture.begin(), picture.end(), value);
      std::fill(layer1.begin(), layer1.end(), value);
      std::fill(layer2.begin(), layer2.end(), value);
      benchmark::DoNotOptimize(picture.data());
      benchmark::DoNotOptimize(layer1.data());
      benchmark::DoNotOptimize(layer2.data());
      benchmark::ClobberMemory();
    }
  }
}
BENCHMARK(BM_MemoryFloor)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
