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

// Start-up: creates the mixer session and its component (Activated, Channels 63) on the host's
// audio device and opens dat/1.wav as the six channel waves.
void StartSound(Game& g);
// The mixer's block-done work; called for every AudioDone host event.
void PumpSound(Game& g);
// Shutdown: releases the channel waves (5 down to 0), then the component and the session.
void StopSound(Game& g);
// Opens dat/fileName and queues it once on `channel` (0..5) behind what that channel still
// plays. A missing or bad file is silent.
void PlayWave(Game& g, int channel, std::string_view fileName);

}  // namespace pp
