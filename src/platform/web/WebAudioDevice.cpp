#include "platform/web/WebAudioDevice.h"

#include <emscripten.h>

// The page script's `Module.audio` keeps the context, the scheduled blocks and the counts.
EM_JS(int, pp_audio_open, (int rate, int channels, int bits),
      { return Module.audio.open(rate, channels, bits) ? 1 : 0; });
EM_JS(void, pp_audio_write, (const uint8_t* block, int size),
      { Module.audio.write(HEAPU8.slice(block, block + size)); });
EM_JS(void, pp_audio_pause, (int paused), { Module.audio.pause(!!paused); });
EM_JS(void, pp_audio_reset, (), { Module.audio.reset(); });
EM_JS(double, pp_audio_played_bytes, (), { return Module.audio.playedBytes(); });
EM_JS(int, pp_audio_take_done, (), { return Module.audio.takeDone(); });
EM_JS(void, pp_audio_mute, (int muted), { Module.audio.mute(!!muted); });

namespace pp {
namespace {

class WebAudioDevice final : public AudioDevice {
 public:
  std::string Name() const override { return "Web Audio"; }
  bool Write(std::span<const uint8_t> block) override {
    pp_audio_write(block.data(), static_cast<int>(block.size()));
    return true;
  }
  void Pause() override { pp_audio_pause(1); }
  void Restart() override { pp_audio_pause(0); }
  void Reset() override { pp_audio_reset(); }
  int64_t PlayedBytes() override { return static_cast<int64_t>(pp_audio_played_bytes()); }
  int TakeDoneBlocks() override { return pp_audio_take_done(); }
  void SetMuted(bool muted) override { pp_audio_mute(muted ? 1 : 0); }
};

}  // namespace

std::unique_ptr<AudioDevice> OpenWebAudioDevice(const AudioFormat& format) {
  if (!pp_audio_open(format.sampleRate, format.channels, format.bitsPerSample)) return nullptr;
  return std::make_unique<WebAudioDevice>();
}

}  // namespace pp
