#include <filesystem>
#include <memory>

#include "core/Int32.h"
#include "game/Game.h"
#include "items/Catalogue.h"
#include "items/Panel.h"
#include "platform/AudioDevice.h"
#include "soak/Soak.h"
#include "support/Scratch.h"
#include "ui/Choices.h"

namespace pp {

namespace {

namespace fs = std::filesystem;

// A scene that waits this often for one choice is taken to be stuck.
constexpr int64_t kMaxEventsPerChoice = 200000;

// Every clamped variable out of its range, by name, after a frame.
std::string OutOfRange(const GameState& s) {
  std::string out;
  auto check = [&out](const char* name, int32_t v, int32_t lo, int32_t hi) {
    if (v < lo || v > hi) out += std::string(name) + "=" + std::to_string(v) + " ";
  };
  constexpr int32_t kMax = INT32_MAX;
  check("hp", s.hp, 0, s.maxHp);
  check("tp", s.tp, 0, 100);
  check("mp", s.mp, 0, s.maxMp);
  check("exp", s.exp, 0, Add32(Mul32(s.level, 10), 100));
  check("money", s.money, 0, 999999999);
  check("worldLevel", s.worldLevel, 0, kMax);
  check("auDistance", s.auDistance, 0, kMax);
  check("daysLeft", s.daysLeft, 0, 365);
  check("hunger", s.hunger, 0, s.maxHunger);
  check("strength", s.strength, 0, kMax);
  check("wisdom", s.wisdom, 0, kMax);
  check("spirit", s.spirit, 0, kMax);
  check("forestProgress", s.forestProgress, 0, kMax);
  check("mazeProgress", s.mazeProgress, 0, kMax);
  check("mountainProgress", s.mountainProgress, 0, kMax);
  check("lockedChestTries", s.lockedChestTries, 0, kMax);
  check("caveProgress", s.caveProgress, 0, kMax);
  check("enemyHp", s.enemyHp, 0, s.enemyMaxHp);
  check("enemyStrength", s.enemyStrength, 0, kMax);
  check("enemyDefence", s.enemyDefence, 0, kMax);
  check("enemyWisdom", s.enemyWisdom, 0, kMax);
  check("enemySpirit", s.enemySpirit, 0, kMax);
  return out;
}

// Answers every wait with a click on the picture and lets the timer tick now and then, so that
// frames are drawn; checks the state after each frame.
class SoakHost : public Host {
 public:
  int64_t NowMs() override { return nowMs; }
  HostEvent WaitEvent() override {
    nowMs += 20;
    HostEvent e;
    if (++eventsThisChoice > kMaxEventsPerChoice) {
      if (eventsThisChoice == kMaxEventsPerChoice + 1) faults.push_back("a scene that never ends");
      e.type = HostEvent::Type::Close;
      return e;
    }
    if (++events % kTickEvery == 0) return e;  // a Tick
    e.type = HostEvent::Type::MouseDown;
    e.x = 100;
    e.y = 100;
    return e;
  }
  void Present(const Surface&) override {
    ++frames;
    if (state == nullptr) return;
    if (std::string bad = OutOfRange(*state); !bad.empty()) faults.push_back("frame: " + bad);
  }
  bool ConfirmYesNo(const std::string&) override { return false; }
  void Report(const GameEvent& e) override {
    if (const auto* error = std::get_if<ErrorEvent>(&e)) faults.push_back("error: " + error->text);
  }
  std::unique_ptr<AudioDevice> OpenAudioDevice(const AudioFormat&) override { return nullptr; }

  static constexpr int64_t kTickEvery = 7;
  int64_t nowMs = 0;
  int64_t events = 0;
  int64_t eventsThisChoice = 0;
  int64_t frames = 0;
  const GameState* state = nullptr;
  std::vector<std::string> faults;
};

// Uses or buys a random row, or closes the panel (which offers the camp menu).
void ActOnPanel(Game& g) {
  const ItemPanel& panel = g.itemPanel;
  if (!panel.rows.empty() && Random(g, 3) != 0) {
    SelectRow(g, Random(g, static_cast<int32_t>(panel.rows.size())));
    Image1Click(g);
  } else {
    Image2Click(g);
  }
}

// Presses a random shown button after checking every label; returns its label, or nothing
// when no button is shown.
std::string PressButton(Game& g, const std::string& where, std::vector<std::string>& faults) {
  const GameState& s = g.state;
  const std::string* labels[3] = {&s.choiceLabel1, &s.choiceLabel2, &s.choiceLabel3};
  int shown[3];
  int n = 0;
  for (int i = 0; i < 3; ++i) {
    if (labels[i]->empty()) continue;
    if (!IsVocabularyLabel(*labels[i])) faults.push_back(where + ": unknown label " + *labels[i]);
    shown[n++] = i + 1;
  }
  if (s.choicesEnabled != 1 || n == 0) return {};
  const int pick = shown[Random(g, n)];
  std::string label = *labels[pick - 1];
  ChoiceMouseDown(g, pick);
  return label;
}

}  // namespace

SoakResult Soak(uint32_t seed, int64_t lives, int64_t maxChoices) {
  const fs::path saveDir = test::ScratchPath("soak-" + std::to_string(seed));
  fs::create_directories(saveDir);
  SoakResult result;
  {
    SoakHost host;
    GameConfig config;
    config.saveDir = saveDir;
    Game g(host, config, seed);
    InitItemCatalogue(g);
    host.state = &g.state;
    g.state.titlePhase = 0;
    std::string last = "(start)";
    while (result.lives < lives && result.choices < maxChoices && host.faults.empty()) {
      const int32_t deaths = g.state.deathCount;
      const std::string where = "seed " + std::to_string(seed) + " after " + last;
      host.eventsThisChoice = 0;
      if (g.itemPanel.visible) {
        last = "the panel";
        ActOnPanel(g);
      } else if (std::string label = PressButton(g, where, host.faults); !label.empty()) {
        last = label;
      } else {
        host.faults.push_back(where + ": no button and no panel");
      }
      ++result.choices;
      if (g.state.deathCount != deaths) ++result.lives;
    }
    result.frames = host.frames;
    result.faults = host.faults;
  }
  fs::remove_all(saveDir);
  return result;
}

}  // namespace pp
