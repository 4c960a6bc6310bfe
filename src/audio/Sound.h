#pragma once
// Sound effects: PlayWave on channels 0..5; every failure is swallowed.

#include <string_view>

namespace pp {

class Game;

// The game's sound: mixer session, TWaveMix component and the six channel waves.
// (Filled in by the mixer work; an empty shell until then.)
class SoundSystem {
 public:
  virtual ~SoundSystem() = default;
};

// Opens dat/fileName and queues it once on `channel` (0..5) behind what that channel still
// plays. A missing or bad file is silent.
void PlayWave(Game& g, int channel, std::string_view fileName);

}  // namespace pp
