#include "audio/WaveFile.h"

#include <algorithm>
#include <optional>

#include "audio/MixerError.h"

namespace pp {
namespace {

constexpr uint32_t FourCc(const char (&s)[5]) {
  return uint32_t{static_cast<uint8_t>(s[0])} | uint32_t{static_cast<uint8_t>(s[1])} << 8 |
         uint32_t{static_cast<uint8_t>(s[2])} << 16 | uint32_t{static_cast<uint8_t>(s[3])} << 24;
}

uint32_t Le32(std::span<const uint8_t> b, size_t at) {
  return uint32_t{b[at]} | uint32_t{b[at + 1]} << 8 | uint32_t{b[at + 2]} << 16 |
         uint32_t{b[at + 3]} << 24;
}

uint16_t Le16(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

struct Chunk {
  size_t dataStart;  // first byte after the 8-byte header
  uint64_t size;     // as declared; may reach past the image
};

// The first chunk named `id` among the chunks lying one after another in [from, end); for a
// RIFF chunk `formType` must follow its header. A chunk whose declared size runs past `end`
// ends the search after it is looked at, as the file holds nothing beyond it.
std::optional<Chunk> FindChunk(std::span<const uint8_t> image, size_t from, size_t end,
                               uint32_t id, std::optional<uint32_t> formType = std::nullopt) {
  size_t pos = from;
  while (end >= 8 && pos <= end - 8) {
    uint32_t chunkId = Le32(image, pos);
    uint64_t size = Le32(image, pos + 4);
    size_t dataStart = pos + 8;
    if (chunkId == id &&
        (!formType || (dataStart + 4 <= end && Le32(image, dataStart) == *formType))) {
      return Chunk{dataStart, size};
    }
    uint64_t next = dataStart + size + (size & 1);
    if (next > end) break;
    pos = static_cast<size_t>(next);
  }
  return std::nullopt;
}

}  // namespace

WaveImage ReadWaveImage(std::span<const uint8_t> image) {
  auto riff = FindChunk(image, 0, image.size(), FourCc("RIFF"), FourCc("WAVE"));
  if (!riff) throw MixerError("This is not a WAVE file");
  size_t formStart = riff->dataStart + 4;
  size_t formEnd = static_cast<size_t>(std::min<uint64_t>(riff->dataStart + riff->size, image.size()));

  auto fmt = FindChunk(image, formStart, formEnd, FourCc("fmt "));
  if (!fmt) throw MixerError("WAVE file is corrupted");
  if (fmt->size < 16 || fmt->dataStart + 16 > image.size())
    throw MixerError("Failed to read format chunk");
  WaveImage wave;
  wave.format.formatTag = Le16(image, fmt->dataStart);
  wave.format.channels = Le16(image, fmt->dataStart + 2);
  wave.format.samplesPerSec = Le32(image, fmt->dataStart + 4);
  wave.format.avgBytesPerSec = Le32(image, fmt->dataStart + 8);
  wave.format.blockAlign = Le16(image, fmt->dataStart + 12);
  wave.format.bitsPerSample = Le16(image, fmt->dataStart + 14);
  if (wave.format.formatTag != 1) throw MixerError("The file is not a PCM file");

  // The data chunk is looked for after the format chunk only, as the mixer always did: a file
  // that puts its data first has, for it, no data.
  uint64_t afterFmt = fmt->dataStart + fmt->size + (fmt->size & 1);
  auto data = afterFmt > formEnd ? std::nullopt
                                 : FindChunk(image, static_cast<size_t>(afterFmt), formEnd,
                                             FourCc("data"));
  if (!data) throw MixerError("WAVE file has no data chunk");
  if (data->size == 0) throw MixerError("The data chunk has no data");
  if (data->dataStart + data->size > image.size()) throw MixerError("Failed to read data chunk");
  wave.data = image.subspan(data->dataStart, static_cast<size_t>(data->size));
  return wave;
}

}  // namespace pp
