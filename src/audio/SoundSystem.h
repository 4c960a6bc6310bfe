#pragma once
// The game's sound: the mixer with its session component and the six channel waves, playing the
// data folder's waves on the host's audio device. Every failure is swallowed: without a device
// the game runs silent.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "audio/WaveMix.h"
#include "audio/WaveMixer.h"
#include "platform/AudioDevice.h"

namespace pp {

struct SoundConfig {
  std::filesystem::path dataDir;          // the waves are dataDir/dat/NAME
  std::filesystem::path recordAudioPath;  // non-empty: also write the output to this WAVE
  bool mute = false;                      // silence the output; the mixer plays the same
};

class SoundSystem {
 public:
  // Opens the host's device in a format (nullptr when there is none).
  using DeviceOpener = std::function<std::unique_ptr<AudioDevice>(const AudioFormat&)>;

  // `clock` is the host's clock in milliseconds. Nothing is opened yet.
  SoundSystem(DeviceOpener openDevice, std::function<int64_t()> clock, SoundConfig config);

  // Creates the mixer session and its component (Channels 63, Activated) and opens dat/1.wav as
  // the six channel waves. A missing or unusable device leaves the sound off and says nothing;
  // any other failure is returned for the caller to show.
  std::optional<std::string> Start();
  // The mixer's block-done work; for every finished audio block and every timer tick.
  void Pump();
  // Releases the channel waves (5 down to 0), then the component and the session.
  void Stop();
  // Opens dat/fileName and queues it once on `channel` (0..5) behind what that channel still
  // plays. A missing or bad file, or a channel outside 0..5, is silent.
  void Play(int channel, std::string_view fileName);
  // Silences the output (or lets it be heard again).
  void SetMuted(bool muted);

  // For inspection: the mixer, its component (null when the sound is off), the wave each channel
  // last opened, and the replaced waves still waiting to be heard.
  const WaveMixer& mixer() const { return mixer_; }
  const WaveMix* waveMix() const { return waveMix_ ? &*waveMix_ : nullptr; }
  const Wave* channelWave(int channel) const { return channelWave_[channel]; }
  const std::vector<const Wave*>& replaced() const { return replaced_; }

 private:
  std::filesystem::path DatPath(std::string_view name) const;
  std::unique_ptr<AudioDevice> OpenOutput(const AudioFormat& format);
  // Frees the channels' earlier waves that no play uses any more.
  void ReleaseUnheard();

  DeviceOpener openDevice_;
  std::function<int64_t()> clock_;
  SoundConfig config_;
  WaveMixer mixer_;
  std::optional<WaveMix> waveMix_;            // empty when the mixer could not start
  std::array<const Wave*, 6> channelWave_{};  // the wave last opened for each channel
  std::vector<const Wave*> replaced_;         // earlier channel waves, freed once unheard
};

}  // namespace pp
