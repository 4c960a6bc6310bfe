// Time of one busy game frame (support/BusyFrame.h; the browser's bench/web/render_frame.cpp
// draws the same), and beside it the memory floor: the time to write the same pixels the frame
// must at least touch, five times over.
//
// Memory floor: std::fill of 390x260 + 2 x 400x300 32-bit pixels (the picture and the two
// glow layers), done five times, i.e. 1,707,000 pixel writes per iteration.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "game/Game.h"
#include "support/BusyFrame.h"

namespace {

void BM_RenderFrame(benchmark::State& state) {
  pp::BenchHost host;
  pp::Game g(host, pp::GameConfig{}, 1);
  pp::SetUpBusyFrame(g);
  for (auto _ : state) {
    pp::DrawBusyFrame(g);
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
