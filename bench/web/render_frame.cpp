// The frame benchmark in the browser: draws the busy frame of support/BusyFrame.h, as the native
// bench_render_frame does, in batches, and prints one JSON line with the time of a frame in the
// fastest batch, in the median one, and in each:
//   {"bench":"RenderFrame","fastest_us":N,"median_us":N,"batches":[...]}
// The browser test loads its page and compares the figures with the native benchmark's.

#include <emscripten.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "game/Game.h"
#include "support/BusyFrame.h"

namespace {

constexpr int kWarmUpFrames = 200;
constexpr int kBatches = 9;
constexpr int kFramesPerBatch = 300;

}  // namespace

int main() {
  pp::BenchHost host;
  pp::Game g(host, pp::GameConfig{}, 1);
  pp::SetUpBusyFrame(g);
  for (int i = 0; i < kWarmUpFrames; ++i) pp::DrawBusyFrame(g);
  std::vector<double> perFrameUs;
  for (int batch = 0; batch < kBatches; ++batch) {
    const double start = emscripten_get_now();
    for (int i = 0; i < kFramesPerBatch; ++i) pp::DrawBusyFrame(g);
    perFrameUs.push_back((emscripten_get_now() - start) * 1000.0 / kFramesPerBatch);
  }
  std::string batches;
  for (double us : perFrameUs) batches += (batches.empty() ? "" : ",") + std::to_string(us);
  std::sort(perFrameUs.begin(), perFrameUs.end());
  std::printf(
      "{\"bench\":\"RenderFrame\",\"fastest_us\":%.2f,\"median_us\":%.2f,\"batches\":[%s]}\n",
      perFrameUs.front(), perFrameUs[kBatches / 2], batches.c_str());
  return 0;
}
