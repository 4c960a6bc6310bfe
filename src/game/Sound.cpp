#include "game/Sound.h"

#include "audio/SoundSystem.h"
#include "game/Game.h"

namespace pp {

void StartSound(Game& g) {
  g.sound = std::make_unique<SoundSystem>(
      [&host = g.host](const AudioFormat& f) { return host.OpenAudioDevice(f); },
      [&host = g.host] { return host.NowMs(); },
      SoundConfig{g.config.dataDir, g.config.recordAudioPath, g.config.mute});
  if (auto error = g.sound->Start()) g.host.ShowError(*error);
}

void PumpSound(Game& g) {
  if (g.sound) g.sound->Pump();
}

void StopSound(Game& g) {
  if (!g.sound) return;
  g.sound->Stop();
  g.sound.reset();
}

void PlayWave(Game& g, int channel, std::string_view fileName) {
  g.host.Report(SoundEvent{channel, std::string(fileName)});
  if (g.sound) g.sound->Play(channel, fileName);
}

void SetMute(Game& g, bool muted) {
  g.config.mute = muted;
  if (g.sound) g.sound->SetMuted(muted);
}

}  // namespace pp
