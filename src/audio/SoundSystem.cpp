#include "audio/SoundSystem.h"

#include <fstream>
#include <sstream>

#include "audio/MixerError.h"
#include "audio/RecordingAudioDevice.h"
#include "core/FileLookup.h"
#include "platform/NullAudioDevice.h"

namespace pp {
namespace {

std::string ReadSettingsText(const std::filesystem::path& dataDir) {
  auto path = FindDataFile(dataDir, "dat", "WAVEMIX.INI");
  if (!path) return {};
  std::ifstream in(*path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

SoundSystem::SoundSystem(DeviceOpener openDevice, std::function<int64_t()> clock,
                         SoundConfig config)
    : openDevice_(std::move(openDevice)),
      clock_(std::move(clock)),
      config_(std::move(config)),
      mixer_([this](const AudioFormat& f) { return OpenOutput(f); }, clock_,
             ReadSettingsText(config_.dataDir)) {}

std::filesystem::path SoundSystem::DatPath(std::string_view name) const {
  if (auto found = FindDataFile(config_.dataDir, "dat", name)) return *found;
  return config_.dataDir / "dat" / std::string(name);
}

// The host's device in `format`, wrapped for recording when asked (a recording needs no real
// device: it then plays on a silent one by the host clock).
std::unique_ptr<AudioDevice> SoundSystem::OpenOutput(const AudioFormat& format) {
  auto device = openDevice_(format);
  if (!config_.recordAudioPath.empty()) {
    if (!device) device = std::make_unique<NullAudioDevice>(format, clock_);
    device = std::make_unique<RecordingAudioDevice>(std::move(device), format,
                                                    config_.recordAudioPath, clock_);
  }
  if (device) device->SetMuted(config_.mute);
  return device;
}

void SoundSystem::ReleaseUnheard() {
  std::erase_if(replaced_, [this](const Wave* w) {
    if (mixer_.IsWaveQueued(w)) return false;
    waveMix_->FreeWave(w);
    return true;
  });
}

std::optional<std::string> SoundSystem::Start() {
  try {
    waveMix_.emplace(mixer_);
    waveMix_->SetChannels(63);
    waveMix_->SetActivated(true);
  } catch (const MixerError&) {
    // No usable audio device: the game plays on without sound.
    waveMix_.reset();
    return std::nullopt;
  } catch (const std::exception& e) {
    waveMix_.reset();
    return std::string(e.what());
  }
  try {
    const std::string start = DatPath("1.wav").string();
    for (auto& wave : channelWave_) wave = waveMix_->OpenWave(start);
  } catch (const MixerError&) {
    // The remaining channels hold no wave until their first play.
  }
  return std::nullopt;
}

void SoundSystem::Pump() {
  if (!waveMix_) return;
  try {
    mixer_.MixerPump();
    ReleaseUnheard();
  } catch (const MixerError&) {
    // A block the device refused is simply not heard.
  }
}

void SoundSystem::Stop() {
  if (!waveMix_) return;
  try {
    for (int ch = 5; ch >= 0; --ch) {
      waveMix_->FreeWave(channelWave_[ch]);
      channelWave_[ch] = nullptr;
    }
  } catch (const MixerError&) {
    // An error while freeing ends the sequence.
  }
}

void SoundSystem::Play(int channel, std::string_view fileName) {
  if (!waveMix_ || channel < 0 || channel > 5) return;
  try {
    const Wave* wave = waveMix_->OpenWave(DatPath(fileName).string());
    if (channelWave_[channel]) replaced_.push_back(channelWave_[channel]);
    channelWave_[channel] = wave;
    waveMix_->Play(channel, wave, 0, 0);
    ReleaseUnheard();
  } catch (const MixerError&) {
    // The sound is simply not heard.
  }
}

void SoundSystem::SetMuted(bool muted) {
  config_.mute = muted;
  if (AudioDevice* device = mixer_.Device()) device->SetMuted(muted);
}

}  // namespace pp
