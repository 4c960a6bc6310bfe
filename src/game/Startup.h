#pragma once
// The window's life: start-up, closing and destruction.

#include <optional>
#include <string>

namespace pp {

class Game;

// Start-up: opens the sound, loads the title pictures and the save, sets the start values and
// begins a new game (which saves). The random generator is seeded by whoever built `g`.
// Returns why start-up stopped; nothing has been written then.
std::optional<std::string> FormCreate(Game& g);
// The window closes: silent mode (every wait ends), then the save. False when the save failed.
bool FormClose(Game& g);
// Releases the sound; after FormClose.
void FormDestroy(Game& g);

}  // namespace pp
