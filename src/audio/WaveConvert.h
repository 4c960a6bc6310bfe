#pragma once
// Bringing a loaded wave into the session format, one step at a time: bits, then channels,
// then the rate by a whole-number factor.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/AudioDevice.h"

namespace pp {

// `data` in format `from` converted to `to` (8 or 16 bits, 1 or 2 channels). A step runs only
// when its value differs. Raises MixerError "File format not supported" for other sample sizes
// or channel counts and "Failed to convert wave format" when a step leaves nothing.
std::vector<uint8_t> ConvertWave(const AudioFormat& from, std::span<const uint8_t> data,
                                 const AudioFormat& to);

}  // namespace pp
