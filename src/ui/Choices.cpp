#include "ui/Choices.h"

#include <string>

#include "adventure/Death.h"
#include "game/Game.h"
#include "game/Sound.h"
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
  ReportChoices(g);
}

void ReportChoices(Game& g) {
  const GameState& s = g.state;
  g.host.Report(ChoicesEvent{{s.choiceLabel1, s.choiceLabel2, s.choiceLabel3}});
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
  g.host.Report(ChosenEvent{n, label});
  DispatchChoice(g, label);
}

}  // namespace pp
