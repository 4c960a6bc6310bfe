#pragma once
// Sound effects: PlayWave on channels 0..5; every failure is swallowed.

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "audio/WaveMix.h"
#include "audio/WaveMixer.h"

namespace pp {

class Game;

// The game's sound: the mixer with its session component and the six channel waves.
class SoundSystem {
 public:
  explicit SoundSystem(Game& g);

  WaveMixer mixer;
  std::optional<WaveMix> waveMix;             // empty when the mixer could not start
  std::array<const Wave*, 6> channelWave{};   // the wave last opened for each channel
  std::vector<const Wave*> replaced;          // earlier channel waves, freed once unheard
};

// Start-up: creates the mixer session and its component (Channels 63, Activated) on the host's
// audio device and opens dat/1.wav as the six channel waves. Without an audio device the game
// runs silent.
void StartSound(Game& g);
// The mixer's block-done work; called for every AudioDone host event and every timer tick.
void PumpSound(Game& g);
// Shutdown: releases the channel waves (5 down to 0), then the component and the session.
void StopSound(Game& g);
// Opens dat/fileName and queues it once on `channel` (0..5) behind what that channel still
// plays. A missing or bad file is silent. Every call is traced as a "sound" event.
void PlayWave(Game& g, int channel, std::string_view fileName);
// Silences the output (or lets it be heard again); the game goes on the same either way.
void SetMute(Game& g, bool muted);

}  // namespace pp
