#include "audio/WaveConvert.h"

#include "audio/MixerError.h"

namespace pp {
namespace {

// Longest converted wave accepted, in samples (about ten minutes at 44100 Hz); beyond it the
// wave is refused as too large rather than exhausting memory.
constexpr size_t kMaxSamples = size_t{1} << 25;

// Interleaved samples as numbers: 0..255 around 128 for 8 bits, signed around 0 for 16 bits.
struct Samples {
  std::vector<int32_t> v;
  int32_t bits;
  int32_t channels;
  int32_t rate;
  size_t Frames() const { return v.size() / static_cast<size_t>(channels); }
  int32_t Centre() const { return bits == 8 ? 128 : 0; }
};

bool Supported(const AudioFormat& f) {
  return (f.bitsPerSample == 8 || f.bitsPerSample == 16) && (f.channels == 1 || f.channels == 2);
}

Samples Decode(const AudioFormat& f, std::span<const uint8_t> data) {
  Samples s{{}, f.bitsPerSample, f.channels, f.sampleRate};
  size_t frameBytes = static_cast<size_t>(f.BytesPerFrame());
  size_t count = data.size() / frameBytes * static_cast<size_t>(f.channels);
  if (count > kMaxSamples) throw MixerError(kMixerOutOfMemory);
  s.v.resize(count);
  for (size_t i = 0; i < count; ++i) {
    s.v[i] = f.bitsPerSample == 8
                 ? data[i]
                 : static_cast<int16_t>(static_cast<uint16_t>(data[2 * i] | data[2 * i + 1] << 8));
  }
  return s;
}

void ConvertBits(Samples& s, int32_t bits) {
  for (auto& x : s.v) x = bits == 8 ? (x >> 8) + 128 : x * 256 - 32768;
  s.bits = bits;
}

void ConvertChannels(Samples& s, int32_t channels) {
  std::vector<int32_t> out;
  if (channels == 1) {
    out.resize(s.v.size() / 2);
    for (size_t i = 0; i < out.size(); ++i) out[i] = (s.v[2 * i] + s.v[2 * i + 1]) >> 1;
  } else {
    out.resize(s.v.size() * 2);
    for (size_t i = 0; i < s.v.size(); ++i) out[2 * i] = out[2 * i + 1] = s.v[i];
  }
  s.v = std::move(out);
  s.channels = channels;
}

// Each frame but the last steps linearly toward the next one in f frames; the last is held.
void RateUp(Samples& s, int32_t f) {
  size_t frames = s.Frames(), ch = static_cast<size_t>(s.channels);
  if (s.v.size() > kMaxSamples / static_cast<size_t>(f)) throw MixerError(kMixerOutOfMemory);
  std::vector<int32_t> out(s.v.size() * static_cast<size_t>(f));
  for (size_t i = 0; i < frames; ++i) {
    for (size_t c = 0; c < ch; ++c) {
      int32_t cur = s.v[i * ch + c];
      int32_t step = i + 1 < frames ? (s.v[(i + 1) * ch + c] - cur) / f : 0;
      for (int32_t k = 0; k < f; ++k)
        out[(i * static_cast<size_t>(f) + static_cast<size_t>(k)) * ch + c] = cur + k * step;
    }
  }
  s.v = std::move(out);
}

// Each output frame but the last averages g source frames about the centre; the last output
// frame copies the source frame that follows the averaged ones.
void RateDown(Samples& s, int32_t g) {
  size_t ch = static_cast<size_t>(s.channels), group = static_cast<size_t>(g);
  size_t outFrames = s.Frames() / group;
  int32_t centre = s.Centre();
  std::vector<int32_t> out(outFrames * ch);
  for (size_t j = 0; j < outFrames; ++j) {
    for (size_t c = 0; c < ch; ++c) {
      if (j + 1 == outFrames) {
        out[j * ch + c] = s.v[j * group * ch + c];
        continue;
      }
      int64_t sum = 0;
      for (size_t k = 0; k < group; ++k) sum += s.v[(j * group + k) * ch + c] - centre;
      out[j * ch + c] = centre + static_cast<int32_t>(sum / g);
    }
  }
  s.v = std::move(out);
}

void ConvertRate(Samples& s, int32_t rate) {
  if (s.rate <= 0 || rate <= 0) throw MixerError("Failed to convert wave format");
  if (rate > s.rate) {
    RateUp(s, rate / s.rate);
  } else {
    RateDown(s, static_cast<int32_t>((int64_t{s.rate} + rate / 2) / rate));
  }
  s.rate = rate;
}

std::vector<uint8_t> Encode(const Samples& s) {
  std::vector<uint8_t> out;
  out.reserve(s.v.size() * static_cast<size_t>(s.bits / 8));
  for (int32_t x : s.v) {
    if (s.bits == 8) {
      out.push_back(static_cast<uint8_t>(x));
    } else {
      out.push_back(static_cast<uint8_t>(x & 0xFF));
      out.push_back(static_cast<uint8_t>((x >> 8) & 0xFF));
    }
  }
  return out;
}

}  // namespace

std::vector<uint8_t> ConvertWave(const AudioFormat& from, std::span<const uint8_t> data,
                                 const AudioFormat& to) {
  if (!Supported(from) || !Supported(to)) throw MixerError("File format not supported");
  Samples s = Decode(from, data);
  auto check = [&s] {
    if (s.v.empty()) throw MixerError("Failed to convert wave format");
  };
  check();
  if (s.bits != to.bitsPerSample) ConvertBits(s, to.bitsPerSample);
  if (s.channels != to.channels) ConvertChannels(s, to.channels);
  check();
  if (s.rate != to.sampleRate) ConvertRate(s, to.sampleRate);
  check();
  return Encode(s);
}

}  // namespace pp
