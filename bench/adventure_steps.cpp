// Plays the game headless with an automatic click on every wait and a fixed choice policy
// (the third button, or the last one shown when the third is empty) and reports adventure steps
// per second. Where a choice leads to a scene that offers nothing yet, the next step is taken.

#include <benchmark/benchmark.h>

#include "adventure/Step.h"
#include "game/Game.h"
#include "items/Catalogue.h"
#include "platform/AudioDevice.h"
#include "platform/Host.h"
#include "ui/Choices.h"

namespace {

// Answers every wait with a click on the picture; no window, no sound, no automation events.
class ClickingHost : public pp::Host {
 public:
  int64_t NowMs() override { return now_; }
  pp::HostEvent WaitEvent() override {
    now_ += 20;
    pp::HostEvent click;
    click.type = pp::HostEvent::Type::MouseDown;
    click.x = 100;
    click.y = 100;
    return click;
  }
  void Present(const pp::Surface&) override {}
  bool ConfirmYesNo(const std::string&) override { return false; }
  void Report(const pp::GameEvent&) override {}
  std::unique_ptr<pp::AudioDevice> OpenAudioDevice(const pp::AudioFormat&) override {
    return nullptr;
  }

 private:
  int64_t now_ = 0;
};

// The button the policy presses: 3, else the last one with a label; 0 when none is shown.
int PolicyButton(const pp::GameState& s) {
  if (!s.choiceLabel3.empty()) return 3;
  if (!s.choiceLabel2.empty()) return 2;
  if (!s.choiceLabel1.empty()) return 1;
  return 0;
}

void BM_AdventureSteps(benchmark::State& state) {
  ClickingHost host;
  pp::Game g(host, pp::GameConfig{}, 12345);
  pp::InitItemCatalogue(g);
  g.state.titlePhase = 0;
  int64_t steps = 0;
  for (auto _ : state) {
    const int n = PolicyButton(g.state);
    if (g.state.choicesEnabled == 1 && n != 0) {
      if (n == 3 && g.state.choiceLabel3 == "冒険!!!!") ++steps;
      pp::ChoiceMouseDown(g, n);
    } else {
      ++steps;
      pp::AdventureStep(g);
    }
  }
  state.counters["steps"] = benchmark::Counter(static_cast<double>(steps));
  state.counters["game_overs"] = benchmark::Counter(static_cast<double>(g.state.deathCount));
  state.counters["deepest_level"] = benchmark::Counter(static_cast<double>(g.state.deepestLevel));
  state.counters["steps_per_s"] =
      benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AdventureSteps)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
