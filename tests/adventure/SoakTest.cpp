#include <gtest/gtest.h>

#include <set>

#include "AdventureTest.h"
#include "adventure/Step.h"
#include "ui/Choices.h"

namespace pp {
namespace {

// Labels whose scenes come with the events work and may offer nothing yet.
bool IsEventSceneLabel(const std::string& label) {
  static const std::set<std::string> kOwn{
      "Promortion", "旅立つ",       "力",         "知恵",
      "精神",       "冒険の始まり", "冒険者です", "冒険者ではない",
      "冒険!!!!",   "アイテム",     "修行 \\-50", "地獄修行 \\-1000",
      "回復魔法",   "攻撃",         "必殺",       "魔法",
      "問答",       "理論武装",     "証明",       "逃亡"};
  return kOwn.count(label) == 0;
}

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
      const bool panel = !p.host.TracesWith("\"ev\":\"panel\"").empty();
      EXPECT_TRUE(panel || IsEventSceneLabel(label)) << "no choice after " << label;
    }
    EXPECT_GT(steps, 500);
    EXPECT_GT(p.s.deathCount + p.s.deepestLevel, 0);
  }
}

}  // namespace
}  // namespace pp
