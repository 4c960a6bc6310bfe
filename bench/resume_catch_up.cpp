// Continuing a left run: the time to catch up one hour of recorded play (180,000 ticks of the
// 20 ms timer, a choice or a click every second or so), unseen and unheard as a resumed run is,
// against the same hour replayed with every frame drawn. Reads the build's data folder
// (PANIPANI_DATA, else data/ beside the working folder).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "app/Program.h"
#include "platform/headless/HeadlessHost.h"
#include "replay/CatchUpHost.h"
#include "replay/RecordingHost.h"
#include "ui/Renderer.h"

namespace {

constexpr int kTicksPerHour = 180000;

pp::GameConfig Config(const char* save) {
  pp::GameConfig config;
  const char* data = std::getenv("PANIPANI_DATA");
  config.dataDir = data ? data : "data";
  config.saveDir = std::filesystem::temp_directory_path() / save;
  config.mute = true;
  return config;
}

// An hour of play recorded as a window run records it.
const std::string& HourRecording() {
  static const std::string recording = [] {
    std::string script = "tick 50\nclick\ntick 50\nclick\ntick 60\nchoose 3\n";
    for (int played = 160; played < kTicksPerHour; played += 50) {
      script += "tick 50\n";
      script += played % 350 == 10 ? "click\n" : "choose " + std::to_string(3 - played % 3) + "\n";
    }
    std::istringstream in(script);
    std::ostringstream events, out;
    pp::HeadlessHost headless(in, events);
    pp::RecordingHost recorder(headless, out, {1234, "data", "bench"});
    pp::RunGame(recorder, Config("panipani-bench-record"), 1234);
    return out.str();
  }();
  return recording;
}

void CatchUp(benchmark::State& state, bool drawing) {
  const std::string& recording = HourRecording();
  for (auto _ : state) {
    std::istringstream in(recording), none;
    std::ostringstream events;
    pp::HeadlessHost live(none, events);
    pp::CatchUpHost host(live, in, [] { return false; });
    pp::RunGame(host, Config("panipani-bench-catch-up"), 1234, {},
                [drawing](pp::Game& g) { pp::SetDrawing(g, drawing); });
  }
  state.counters["ticks"] = kTicksPerHour;
}

void BM_CatchUpAnHourUnseen(benchmark::State& state) { CatchUp(state, false); }
void BM_CatchUpAnHourDrawn(benchmark::State& state) { CatchUp(state, true); }

BENCHMARK(BM_CatchUpAnHourUnseen)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CatchUpAnHourDrawn)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
