#pragma once
// Names for nameless monsters.

#include <string>

namespace pp {

class Game;

// A name from the name.dat list (always drawn), replaced one time in a hundred by four random
// katakana units. Draws: Random(226), Random(100), then on 1 four times Random(92).
std::string MakeRandomName(Game& g);

}  // namespace pp
