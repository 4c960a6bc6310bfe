// The open message log: the cost of one frame drawn over a copy of the picture with a full log
// (2,000 coloured lines, most wrapped to two rows), and of taking those lines in at the first
// open (wrapping every line with the font's metrics).

#include <benchmark/benchmark.h>

#include <string>

#include "extras/log/LogExtra.h"
#include "gfx/Surface.h"
#include "gfx/Text.h"

namespace {

pp::GameEvent LongMessage(int i) {
  return pp::MessageEvent{307, "red", pp::Hex(0xFF4646),
                          "魔法使いの攻撃！ 精神に " + std::to_string(i) +
                              " のダメージ、体力が尽きかけている。修行 \\-50 の札が光る"};
}

pp::HostEvent KeyL() {
  pp::HostEvent e;
  e.type = pp::HostEvent::Type::Key;
  e.value = pp::HostKey::kL;
  return e;
}

void BM_OpenLogFrame(benchmark::State& state) {
  pp::TextRenderer text;
  pp::LogExtra log(text);
  for (int i = 0; i < 2000; ++i) log.OnEvent(LongMessage(i));
  log.OnInput(KeyL());
  const pp::Surface frame(390, 260, 0x808080);
  pp::Surface shown;
  for (auto _ : state) {
    shown = frame;
    log.DrawOver(shown);
    benchmark::DoNotOptimize(shown.data());
  }
}
BENCHMARK(BM_OpenLogFrame);

void BM_FirstOpenOfAFullLog(benchmark::State& state) {
  pp::TextRenderer text;
  for (auto _ : state) {
    state.PauseTiming();
    pp::LogExtra log(text);
    for (int i = 0; i < 2000; ++i) log.OnEvent(LongMessage(i));
    state.ResumeTiming();
    log.OnInput(KeyL());
    benchmark::DoNotOptimize(log.view().RowCount());
  }
}
BENCHMARK(BM_FirstOpenOfAFullLog)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
