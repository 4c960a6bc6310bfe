#pragma once
// The three choice buttons.

#include <string_view>

namespace pp {

class Game;

// Offers a decision; does nothing when CheckDeath reports a death. An empty label hides its
// button.
void SetChoices(Game& g, std::string_view label1, std::string_view label2, std::string_view label3);
// Reports the three current labels (a ChoicesEvent).
void ReportChoices(Game& g);
// The pointer moved onto button n (1..3).
void ChoiceMouseMove(Game& g, int n);
// A mouse button went down on button n (1..3). A press the buttons take is reported (a
// ChosenEvent) before its scene runs.
void ChoiceMouseDown(Game& g, int n);

}  // namespace pp
