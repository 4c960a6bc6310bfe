#include "platform/OutputLevel.h"

#include <algorithm>

namespace pp {

void OutputLevel::Set(int percent) {
  percent_.store(std::clamp(percent, 0, kFull), std::memory_order_relaxed);
}

void ScaleSamples(std::span<uint8_t> samples, int bitsPerSample, int percent) {
  if (percent >= OutputLevel::kFull) return;
  const int level = std::max(percent, 0);
  if (bitsPerSample == 8) {
    for (uint8_t& s : samples)
      s = static_cast<uint8_t>(128 + (s - 128) * level / OutputLevel::kFull);
    return;
  }
  for (size_t i = 0; i + 1 < samples.size(); i += 2) {
    const auto value = static_cast<int16_t>(samples[i] | (samples[i + 1] << 8));
    const auto scaled = static_cast<uint16_t>(value * level / OutputLevel::kFull);
    samples[i] = static_cast<uint8_t>(scaled & 0xFF);
    samples[i + 1] = static_cast<uint8_t>(scaled >> 8);
  }
}

}  // namespace pp
