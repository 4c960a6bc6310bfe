#include "ui/Choices.h"

#include <string>

#include "adventure/Death.h"
#include "audio/Sound.h"
#include "core/Json.h"
#include "game/Game.h"
#include "story/Dispatch.h"
#include "ui/ChoiceButtons.h"
#include "ui/Messages.h"

namespace pp {

void SetChoices(Game& g, std::string_view label1, std::string_view label2,
                std::string_view label3) {
  if (CheckDeath(g) != 0) return;
  GameState& s = g.state;
  // The labels may point into the state itself; copy before storing.
  std::string l1(label1), l2(label2), l3(label3);
  s.choiceLabel1 = std::move(l1);
  s.choiceLabel2 = std::move(l2);
  s.choiceLabel3 = std::move(l3);
  s.choiceBlink1 = s.choiceBlink2 = s.choiceBlink3 = 0;
  s.choiceSlide = -200;
  s.choicesEnabled = 1;
  TraceChoices(g);
}

void TraceChoices(Game& g) {
  const GameState& s = g.state;
  std::string labels = "[" + JsonQuote(s.choiceLabel1) + "," + JsonQuote(s.choiceLabel2) + "," +
                       JsonQuote(s.choiceLabel3) + "]";
  g.host.Trace(JsonObject("choices").AddRaw("labels", labels).str());
}

void ChoiceMouseMove(Game& g, int n) {
  GameState& s = g.state;
  if (n < 1 || n > 3 || s.titlePhase < 0 || s.choicesEnabled == 0) return;
  if (s.hoveredChoice != n && !ChoiceLabel(s, n).empty()) PlayWave(g, 0, "key.wav");
  s.hoveredChoice = n;
}

void ChoiceMouseDown(Game& g, int n) {
  GameState& s = g.state;
  if (n < 1 || n > 3 || s.titlePhase < 0) return;
  ClickAdvance(g);
  if (s.choicesEnabled != 1 || ChoiceLabel(s, n).empty()) return;
  PlayWave(g, 4, "pi.wav");
  ChoiceBlink(s, n) = 1;
  s.choicesEnabled = 0;
  // The scene that follows replaces the labels; hand it a copy.
  std::string label = ChoiceLabel(s, n);
  g.host.Trace(JsonObject("chosen").Add("button", n).Add("label", label).str());
  DispatchChoice(g, label);
}

}  // namespace pp
