// Mixing speed: our mixer with one and with six active channels, memcpy of the same bytes (the
// floor), and SDL_mixer mixing the same six 8-bit mono sounds into U8 mono blocks of the same
// size. SDL_mixer's mix is driven directly: the benchmark answers SDL_mixer's audio-device calls
// itself and calls the mixing callback it was handed, so no real-time device paces it.

#include <SDL.h>
#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "audio/WaveMixer.h"

namespace {

constexpr int kRate = 22050;
constexpr int kBlocks = 3;
constexpr SDL_AudioDeviceID kFakeDevice = 4242;
SDL_AudioSpec capturedSpec;

// Six distinct one-second sounds, 8-bit unsigned mono.
std::vector<std::vector<uint8_t>> Sounds() {
  std::vector<std::vector<uint8_t>> sounds(6, std::vector<uint8_t>(kRate));
  uint32_t seed = 12345;
  for (size_t s = 0; s < sounds.size(); ++s) {
    for (size_t i = 0; i < sounds[s].size(); ++i) {
      seed = seed * 1103515245u + 12345u;
      int tone = static_cast<int>((i * (s + 3)) % 64) - 32;
      sounds[s][i] = static_cast<uint8_t>(128 + tone + static_cast<int>(seed >> 28) - 8);
    }
  }
  return sounds;
}

std::vector<uint8_t> WaveImage(const std::vector<uint8_t>& samples) {
  std::vector<uint8_t> b;
  auto put = [&b](uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  b.insert(b.end(), {'R', 'I', 'F', 'F'});
  put(static_cast<uint32_t>(36 + samples.size()), 4);
  b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put(16, 4), put(1, 2), put(1, 2), put(kRate, 4), put(kRate, 4), put(1, 2), put(8, 2);
  b.insert(b.end(), {'d', 'a', 't', 'a'});
  put(static_cast<uint32_t>(samples.size()), 4);
  b.insert(b.end(), samples.begin(), samples.end());
  return b;
}

// Finishes every block as soon as it is written, so each pump mixes a full set of blocks.
class InstantDevice : public pp::AudioDevice {
 public:
  std::string Name() const override { return "Instant"; }
  bool Write(std::span<const uint8_t> block) override {
    ++done_;
    played_ += static_cast<int64_t>(block.size());
    benchmark::DoNotOptimize(block.data());
    return true;
  }
  void Pause() override {}
  void Restart() override {}
  void Reset() override { played_ = 0, done_ = 0; }
  int64_t PlayedBytes() override { return played_; }
  int TakeDoneBlocks() override {
    int n = done_;
    done_ = 0;
    return n;
  }
  void SetMuted(bool) override {}

 private:
  int64_t played_ = 0;
  int done_ = 0;
};

void OurMixer(benchmark::State& state) {
  const int channels = static_cast<int>(state.range(0));
  const int blockLen = static_cast<int>(state.range(1));
  std::string ini = "[default]\nSamplesPerSec=22\nGoodWavePos=1\nWaveBlocks=" +
                    std::to_string(kBlocks) + "\nWaveBlockLen=" + std::to_string(blockLen) + "\n";
  pp::WaveMixer mixer([](const pp::AudioFormat&) { return std::make_unique<InstantDevice>(); },
                      [] { return int64_t{0}; }, ini);
  pp::MixSession session = mixer.WaveMixInit();
  mixer.MixerOpenChannel(session, 8, pp::kOpenChannelCount);
  mixer.WaveMixActivate(session, true);
  auto sounds = Sounds();
  for (int c = 0; c < channels; ++c) {
    auto image = WaveImage(sounds[c]);
    pp::PlayParams p;
    p.session = session;
    p.channel = c;
    p.wave = mixer.MixerOpenWave(session, "bench", pp::kOpenMemory, image);
    p.loops = pp::kLoopForever;
    p.flags = c + 1 < channels ? pp::kPlayWait : 0;  // all start together
    mixer.WaveMixPlay(&p);
  }
  for (auto _ : state) mixer.MixerPump();
  state.SetItemsProcessed(state.iterations() * kBlocks * blockLen);
  mixer.MixerCloseSession(session);
}
BENCHMARK(OurMixer)->ArgNames({"channels", "block"})->Args({1, 512})->Args({6, 512})
    ->Args({1, 4096})->Args({6, 4096});

void Memcpy(benchmark::State& state) {
  const size_t blockLen = static_cast<size_t>(state.range(0));
  auto sounds = Sounds();
  std::vector<uint8_t> out(blockLen);
  size_t pos = 0;
  for (auto _ : state) {
    for (int b = 0; b < kBlocks; ++b) {
      if (pos + blockLen > sounds[0].size()) pos = 0;
      std::memcpy(out.data(), sounds[0].data() + pos, blockLen);
      benchmark::DoNotOptimize(out.data());
      benchmark::ClobberMemory();
      pos += blockLen;
    }
  }
  state.SetItemsProcessed(state.iterations() * kBlocks * static_cast<int64_t>(blockLen));
}
BENCHMARK(Memcpy)->ArgName("block")->Arg(512)->Arg(4096);

void SdlMixer(benchmark::State& state) {
  const int blockLen = static_cast<int>(state.range(0));
  if (Mix_OpenAudioDevice(kRate, AUDIO_U8, 1, blockLen, nullptr, 0) != 0) {
    state.SkipWithError(Mix_GetError());
    return;
  }
  auto sounds = Sounds();
  std::vector<Mix_Chunk*> chunks;
  for (int c = 0; c < 6; ++c) {
    chunks.push_back(Mix_QuickLoad_RAW(sounds[c].data(), static_cast<Uint32>(sounds[c].size())));
    Mix_PlayChannel(c, chunks.back(), -1);
  }
  std::vector<Uint8> out(static_cast<size_t>(blockLen));
  for (auto _ : state) {
    for (int b = 0; b < kBlocks; ++b) {
      capturedSpec.callback(capturedSpec.userdata, out.data(), blockLen);
      benchmark::DoNotOptimize(out.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * kBlocks * blockLen);
  Mix_HaltChannel(-1);
  for (Mix_Chunk* c : chunks) Mix_FreeChunk(c);
  Mix_CloseAudio();
}
BENCHMARK(SdlMixer)->ArgName("block")->Arg(512)->Arg(4096);

}  // namespace

// SDL_mixer's device calls, answered here: the device "opens" in exactly the format asked for
// and never plays by itself.
extern "C" {
SDL_AudioDeviceID SDL_OpenAudioDevice(const char*, int, const SDL_AudioSpec* desired,
                                      SDL_AudioSpec* obtained, int) {
  capturedSpec = *desired;
  capturedSpec.silence = 128;
  capturedSpec.size = capturedSpec.samples;
  if (obtained) *obtained = capturedSpec;
  return kFakeDevice;
}
void SDL_PauseAudioDevice(SDL_AudioDeviceID, int) {}
void SDL_LockAudioDevice(SDL_AudioDeviceID) {}
void SDL_UnlockAudioDevice(SDL_AudioDeviceID) {}
void SDL_CloseAudioDevice(SDL_AudioDeviceID) {}
}

int main(int argc, char** argv) {
  SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
