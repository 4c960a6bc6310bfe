#include "audio/SpanMix.h"

#include <algorithm>
#include <cstring>

namespace pp {

void MixSpan(std::span<uint8_t> out, std::span<const uint8_t* const> sources) {
  if (sources.empty()) return;
  if (sources.size() == 1) {
    std::memcpy(out.data(), sources[0], out.size());
    return;
  }
  // Sums in chunks so each pass is a straight loop over one source.
  constexpr size_t kChunk = 512;
  int16_t acc[kChunk];
  for (size_t base = 0; base < out.size(); base += kChunk) {
    size_t n = std::min(kChunk, out.size() - base);
    const uint8_t* first = sources[0] + base;
    for (size_t i = 0; i < n; ++i) acc[i] = static_cast<int16_t>(first[i]);
    for (size_t k = 1; k < sources.size(); ++k) {
      const uint8_t* src = sources[k] + base;
      for (size_t i = 0; i < n; ++i) acc[i] = static_cast<int16_t>(acc[i] + src[i] - 128);
    }
    uint8_t* dst = out.data() + base;
    for (size_t i = 0; i < n; ++i)
      dst[i] = static_cast<uint8_t>(std::clamp<int16_t>(acc[i], 0, 255));
  }
}

}  // namespace pp
