#pragma once
// The mixer's inner loop: one span of output samples from the sources playing in it.

#include <cstdint>
#include <span>

namespace pp {

// Writes out.size() samples: one source is copied as it is; several are summed about the
// silence value 128, 128 + sum(source - 128), clamped to 0..255. Each source pointer must hold
// out.size() samples; at most 8 sources.
void MixSpan(std::span<uint8_t> out, std::span<const uint8_t* const> sources);

}  // namespace pp
