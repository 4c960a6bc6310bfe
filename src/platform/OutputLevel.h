#pragma once
// The loudness of the sound output, which the player sets while the game runs. The mixer draws
// the very same samples whatever it is; the audio device scales them on their way out, on
// whichever thread it plays (so the level is read and written atomically).

#include <atomic>
#include <cstdint>
#include <span>

namespace pp {

class OutputLevel {
 public:
  static constexpr int kFull = 100;

  // 0 (silent) to kFull (the samples as drawn); values outside are pulled in.
  int percent() const { return percent_.load(std::memory_order_relaxed); }
  void Set(int percent);

 private:
  std::atomic<int> percent_{kFull};
};

// Scales PCM `samples` toward silence in place: unsigned 8-bit around 128 or signed 16-bit
// little-endian around 0, to `percent` of their distance from it. At full level nothing changes.
void ScaleSamples(std::span<uint8_t> samples, int bitsPerSample, int percent);

}  // namespace pp
