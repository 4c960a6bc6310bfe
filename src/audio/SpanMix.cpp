#include "audio/SpanMix.h"

#include <algorithm>
#include <cstring>

namespace pp {
namespace {

// Sixteen samples at a time in the compiler's portable vector types (SSE2, NEON, or plain code
// where there is neither). Each 16-bit lane holds two samples: the low and the high byte are
// summed apart, in 16 bits so that no partial sum saturates, and put back where they came from.
using U16x8 = uint16_t __attribute__((vector_size(16)));
using I16x8 = int16_t __attribute__((vector_size(16)));
constexpr size_t kLanes = 16;

// 128 + sum(source - 128) over sources[k][at..at+16), clamped to 0..255, into out. (No vector
// crosses a function boundary, so the calling convention never depends on the target.)
void MixLanes(uint8_t* out, std::span<const uint8_t* const> sources, size_t at) {
  U16x8 raw;
  std::memcpy(&raw, sources[0] + at, kLanes);
  I16x8 low = (I16x8)(raw & 0xFF), high = (I16x8)(raw >> 8);
  for (size_t k = 1; k < sources.size(); ++k) {
    std::memcpy(&raw, sources[k] + at, kLanes);
    low += (I16x8)(raw & 0xFF) - 128;
    high += (I16x8)(raw >> 8) - 128;
  }
  const I16x8 zero = {}, top = zero + 255;
  low = low < zero ? zero : low;
  low = low > top ? top : low;
  high = high < zero ? zero : high;
  high = high > top ? top : high;
  raw = (U16x8)low | ((U16x8)high << 8);
  std::memcpy(out, &raw, kLanes);
}

}  // namespace

void MixSpan(std::span<uint8_t> out, std::span<const uint8_t* const> sources) {
  if (sources.empty()) return;
  if (sources.size() == 1) {
    std::memcpy(out.data(), sources[0], out.size());
    return;
  }
  const size_t whole = out.size() / kLanes * kLanes;
  for (size_t i = 0; i < whole; i += kLanes) MixLanes(out.data() + i, sources, i);
  if (whole == out.size()) return;
  // The last few samples go through the same lanes from padded copies.
  const size_t rest = out.size() - whole;
  uint8_t padded[8][kLanes];
  const uint8_t* tails[8];
  for (size_t k = 0; k < sources.size(); ++k) {
    std::fill(std::begin(padded[k]), std::end(padded[k]), uint8_t{128});
    std::memcpy(padded[k], sources[k] + whole, rest);
    tails[k] = padded[k];
  }
  uint8_t mixed[kLanes];
  MixLanes(mixed, {tails, sources.size()}, 0);
  std::memcpy(out.data() + whole, mixed, rest);
}

}  // namespace pp
