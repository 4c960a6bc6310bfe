#pragma once
// Automation commands that the game itself answers: `state`, `screenshot PATH`,
// `set FIELD VALUE` and `set FIELD[I] VALUE`. A command that fails is reported through the
// host's error and changes nothing.

#include <string_view>

namespace pp {

class Game;

void RunCommand(Game& g, std::string_view line);

}  // namespace pp
