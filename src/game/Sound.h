#pragma once
// The game's sound effects: PlayWave on channels 0..5 through the game's SoundSystem; every
// failure is swallowed.

#include <string_view>

namespace pp {

class Game;

// Start-up: opens the game's SoundSystem on the host's audio device. Without an audio device the
// game runs silent; another failure is shown through the host.
void StartSound(Game& g);
// The mixer's block-done work; called for every AudioDone host event and every timer tick.
void PumpSound(Game& g);
// Shutdown: releases the channel waves (5 down to 0), then the component and the session.
void StopSound(Game& g);
// Reports the sound, then opens dat/fileName and queues it once on `channel` (0..5) behind what
// that channel still plays. A missing or bad file is silent.
void PlayWave(Game& g, int channel, std::string_view fileName);
// Silences the output (or lets it be heard again); the game goes on the same either way.
void SetMute(Game& g, bool muted);

}  // namespace pp
