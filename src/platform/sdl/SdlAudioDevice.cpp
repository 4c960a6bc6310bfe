#include "platform/sdl/SdlAudioDevice.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <deque>
#include <mutex>
#include <vector>

namespace pp {
namespace {

class SdlAudioDevice : public AudioDevice {
 public:
  // Made before the SDL device is opened (SDL may call back at once), with the audio
  // subsystem already initialised; Attach hands it the opened device.
  SdlAudioDevice(std::string name, int bitsPerSample, const OutputLevel* level)
      : name_(std::move(name)),
        bitsPerSample_(bitsPerSample),
        silence_(bitsPerSample == 8 ? 128 : 0),
        level_(level),
        doneEvent_(SdlAudioDoneEventType()) {}

  ~SdlAudioDevice() override {
    if (id_ != 0) SDL_CloseAudioDevice(id_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  void Attach(SDL_AudioDeviceID id) { id_ = id; }

  // SDL's callback: copies what is queued into `stream`, silence after it.
  static void SDLCALL Callback(void* self, Uint8* stream, int len) {
    static_cast<SdlAudioDevice*>(self)->Fill(stream, static_cast<size_t>(len));
  }

  std::string Name() const override { return name_; }

  bool Write(std::span<const uint8_t> block) override {
    std::vector<uint8_t> copy(block.begin(), block.end());
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(copy));
    return true;
  }

  void Pause() override { SDL_PauseAudioDevice(id_, 1); }
  void Restart() override { SDL_PauseAudioDevice(id_, 0); }

  void Reset() override {
    std::lock_guard lock(mutex_);
    queue_.clear();
    frontDone_ = 0;
    played_ = 0;
    done_ = 0;
  }

  int64_t PlayedBytes() override {
    std::lock_guard lock(mutex_);
    return played_;
  }

  int TakeDoneBlocks() override {
    std::lock_guard lock(mutex_);
    int n = done_;
    done_ = 0;
    eventPosted_ = false;
    return n;
  }

  void SetMuted(bool muted) override { muted_.store(muted); }

 private:
  void Fill(Uint8* stream, size_t len) {
    // The output, scaled to the player's level once it is filled (silence stays silence).
    const std::span<uint8_t> output(stream, len);
    bool finished = false;
    bool muted = muted_.load();
    {
      std::lock_guard lock(mutex_);
      while (len > 0 && !queue_.empty()) {
        const auto& block = queue_.front();
        size_t n = std::min(len, block.size() - frontDone_);
        if (muted)
          std::memset(stream, silence_, n);
        else
          std::memcpy(stream, block.data() + frontDone_, n);
        stream += n;
        len -= n;
        frontDone_ += n;
        played_ += static_cast<int64_t>(n);
        if (frontDone_ == block.size()) {
          queue_.pop_front();
          frontDone_ = 0;
          ++done_;
          finished = true;
        }
      }
      // One event at a time: the main loop collects every finished block when it handles it.
      finished = finished && !eventPosted_;
      if (finished) eventPosted_ = true;
    }
    std::memset(stream, silence_, len);
    if (level_) ScaleSamples(output, bitsPerSample_, level_->percent());
    if (finished) {
      SDL_Event e{};
      e.type = doneEvent_;
      SDL_PushEvent(&e);
    }
  }

  SDL_AudioDeviceID id_ = 0;
  std::string name_;
  int bitsPerSample_;
  uint8_t silence_;
  const OutputLevel* level_;
  uint32_t doneEvent_;
  std::atomic<bool> muted_{false};
  std::mutex mutex_;  // guards everything below, shared with SDL's audio thread
  std::deque<std::vector<uint8_t>> queue_;
  size_t frontDone_ = 0;
  int64_t played_ = 0;
  int done_ = 0;
  bool eventPosted_ = false;
};

}  // namespace

uint32_t SdlAudioDoneEventType() {
  static const uint32_t type = SDL_RegisterEvents(1);
  return type;
}

std::unique_ptr<AudioDevice> OpenSdlAudioDevice(const AudioFormat& format,
                                                const OutputLevel* level) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
  SDL_AudioSpec want{};
  want.freq = format.sampleRate;
  want.format = format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
  want.channels = static_cast<Uint8>(format.channels);
  // About 12 ms per callback: SDL's own buffer adds little to the mixer's blocks.
  want.samples = static_cast<Uint16>(std::clamp(format.sampleRate / 86, 64, 4096));
  want.samples = static_cast<Uint16>(1u << (31 - __builtin_clz(want.samples)));
  want.callback = &SdlAudioDevice::Callback;
  const char* driverName = SDL_GetCurrentAudioDriver();
  std::string name = std::string("SDL ") + (driverName ? driverName : "audio");
  auto device = std::make_unique<SdlAudioDevice>(name, format.bitsPerSample, level);
  want.userdata = device.get();
  // No allowed changes: SDL converts our format to the hardware's itself.
  SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (id == 0) return nullptr;
  device->Attach(id);
  SDL_PauseAudioDevice(id, 0);  // SDL opens devices paused; ours play as soon as written
  return device;
}

}  // namespace pp
