#pragma once
// The scene dispatchers: a clicked label is the key of the scene that follows.

#include <string_view>

namespace pp {

class Game;

// Runs the branch of the first known label (first table); unknown labels go to
// DispatchChoice2, and a label neither knows does nothing.
void DispatchChoice(Game& g, std::string_view label);
// The second table of labels.
void DispatchChoice2(Game& g, std::string_view label);

}  // namespace pp
