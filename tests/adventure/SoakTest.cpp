#include <gtest/gtest.h>

#include "AdventureTest.h"
#include "adventure/Step.h"
#include "ui/Choices.h"

namespace pp {
namespace {

// Thousands of decisions by a fixed policy (the third button, else the last one shown): every
// decision of the opening, the camp, the step, the encounters, battle and death ends before a
// new choice, a wait-free panel, or a game over.
TEST(Soak, EveryDecisionEndsBeforeTheNextOne) {
  for (uint32_t seed : {1u, 2u, 3u}) {
    Play p;
    p.g.random.set_seed(seed);
    p.s.titlePhase = 0;
    int steps = 0;
    for (int i = 0; i < 3000; ++i) {
      p.Clear();
      const GameState& s = p.s;
      std::string label = "冒険!!!!";
      if (s.choicesEnabled == 1) {
        const int n = !s.choiceLabel3.empty() ? 3 : !s.choiceLabel2.empty() ? 2 : 1;
        label = n == 3 ? s.choiceLabel3 : n == 2 ? s.choiceLabel2 : s.choiceLabel1;
        ASSERT_FALSE(label.empty());
        ChoiceMouseDown(p.g, n);
      } else {
        AdventureStep(p.g);  // what the player would do after the scene or the panel
      }
      if (label == "冒険!!!!") ++steps;
      if (p.s.choicesEnabled == 1) continue;
      const bool panel = !p.host.All<PanelEvent>().empty();
      EXPECT_TRUE(panel) << "no choice after " << label;
    }
    EXPECT_GT(steps, 500);
    EXPECT_GT(p.s.deathCount + p.s.deepestLevel, 0);
  }
}

// The rules draw nothing: a game whose font cannot be opened plays them all the same, and only
// the first text drawn would open it.
TEST(Soak, TheRulesNeedNoFont) {
  TestHost host;
  GameConfig config;
  config.fontPath = "/nonexistent/panipani-font.ttf";
  Game g(host, config, 5);
  InitItemCatalogue(g);
  g.state.titlePhase = 1;
  for (int i = 0; i < 300; ++i) {
    AdventureStep(g);
    if (g.state.choicesEnabled == 1) ChoiceMouseDown(g, 3);
  }
  EXPECT_GT(host.Messages().size(), 100u);
  EXPECT_THROW(g.text.Open(), std::runtime_error);
}

}  // namespace
}  // namespace pp
