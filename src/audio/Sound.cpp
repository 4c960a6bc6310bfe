#include "audio/Sound.h"

#include <fstream>
#include <sstream>

#include "audio/MixerError.h"
#include "audio/RecordingAudioDevice.h"
#include "core/FileLookup.h"
#include "core/Json.h"
#include "game/Game.h"
#include "platform/NullAudioDevice.h"

namespace pp {
namespace {

std::filesystem::path DatPath(const Game& g, std::string_view name) {
  if (auto found = FindDataFile(g.config.dataDir, "dat", name)) return *found;
  return g.config.dataDir / "dat" / std::string(name);
}

std::string ReadSettingsText(const Game& g) {
  auto path = FindDataFile(g.config.dataDir, "dat", "WAVEMIX.INI");
  if (!path) return {};
  std::ifstream in(*path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The host's device in `format`, wrapped for recording when the command line asks for it (a
// recording needs no real device: it then plays on a silent one by the host clock).
std::unique_ptr<AudioDevice> OpenOutput(Game& g, const AudioFormat& format) {
  auto device = g.host.OpenAudioDevice(format);
  if (!g.config.recordAudioPath.empty()) {
    auto clock = [&host = g.host] { return host.NowMs(); };
    if (!device) device = std::make_unique<NullAudioDevice>(format, clock);
    device = std::make_unique<RecordingAudioDevice>(std::move(device), format,
                                                    g.config.recordAudioPath, clock);
  }
  if (device) device->SetMuted(g.config.mute);
  return device;
}

// Frees the channels' earlier waves that no play uses any more.
void ReleaseUnheard(SoundSystem& s) {
  std::erase_if(s.replaced, [&s](const Wave* w) {
    if (s.mixer.IsWaveQueued(w)) return false;
    s.waveMix->FreeWave(w);
    return true;
  });
}

}  // namespace

SoundSystem::SoundSystem(Game& g)
    : mixer([&g](const AudioFormat& f) { return OpenOutput(g, f); },
            [&host = g.host] { return host.NowMs(); }, ReadSettingsText(g)) {}

void StartSound(Game& g) {
  g.sound = std::make_unique<SoundSystem>(g);
  SoundSystem& s = *g.sound;
  try {
    s.waveMix.emplace(s.mixer);
    s.waveMix->SetChannels(63);
    s.waveMix->SetActivated(true);
  } catch (const MixerError&) {
    // No usable audio device: the game plays on without sound.
    s.waveMix.reset();
    return;
  } catch (const std::exception& e) {
    g.host.ShowError(e.what());
    s.waveMix.reset();
    return;
  }
  try {
    std::string start = DatPath(g, "1.wav").string();
    for (auto& wave : s.channelWave) wave = s.waveMix->OpenWave(start);
  } catch (const MixerError&) {
    // The remaining channels hold no wave until their first play.
  }
}

void PumpSound(Game& g) {
  if (!g.sound || !g.sound->waveMix) return;
  try {
    g.sound->mixer.MixerPump();
    ReleaseUnheard(*g.sound);
  } catch (const MixerError&) {
    // A block the device refused is simply not heard.
  }
}

void StopSound(Game& g) {
  if (!g.sound) return;
  SoundSystem& s = *g.sound;
  if (s.waveMix) {
    try {
      for (int ch = 5; ch >= 0; --ch) {
        s.waveMix->FreeWave(s.channelWave[ch]);
        s.channelWave[ch] = nullptr;
      }
    } catch (const MixerError&) {
      // An error while freeing ends the sequence.
    }
  }
  g.sound.reset();
}

void PlayWave(Game& g, int channel, std::string_view fileName) {
  g.host.Trace(JsonObject("sound").Add("channel", channel).Add("file", fileName).str());
  if (!g.sound || !g.sound->waveMix || channel < 0 || channel > 5) return;
  SoundSystem& s = *g.sound;
  try {
    const Wave* wave = s.waveMix->OpenWave(DatPath(g, fileName).string());
    if (s.channelWave[channel]) s.replaced.push_back(s.channelWave[channel]);
    s.channelWave[channel] = wave;
    s.waveMix->Play(channel, wave, 0, 0);
    ReleaseUnheard(s);
  } catch (const MixerError&) {
    // The sound is simply not heard.
  }
}

void SetMute(Game& g, bool muted) {
  g.config.mute = muted;
  if (!g.sound) return;
  if (AudioDevice* device = g.sound->mixer.Device()) device->SetMuted(muted);
}

}  // namespace pp
