#pragma once
// Reading a RIFF WAVE image: the format chunk and the data chunk, as the mixer loads them.

#include <cstdint>
#include <span>

#include "platform/AudioDevice.h"

namespace pp {

// The 16 bytes of a WAVE format chunk.
struct WaveFormatChunk {
  uint16_t formatTag = 0;  // 1 is PCM
  uint16_t channels = 0;
  uint32_t samplesPerSec = 0;
  uint32_t avgBytesPerSec = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
};

// A PCM wave as found in the file; `data` points into the image it was read from.
struct WaveImage {
  WaveFormatChunk format;
  std::span<const uint8_t> data;
};

// Finds the RIFF "WAVE" form, its "fmt " chunk and, after it, its "data" chunk. Raises MixerError
// with the mixer's message when the image is not a PCM WAVE or is cut short. Every read stays
// inside `image` and inside the chunk that holds it.
WaveImage ReadWaveImage(std::span<const uint8_t> image);

}  // namespace pp
