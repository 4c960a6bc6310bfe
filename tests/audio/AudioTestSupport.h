#pragma once
// Helpers for the audio tests: WAVE images built byte by byte, and an audio device the test
// drives by hand.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/AudioDevice.h"

namespace pp::test {

inline void PutLe(std::vector<uint8_t>& b, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline void PutChunk(std::vector<uint8_t>& b, const char* id, const std::vector<uint8_t>& body) {
  b.insert(b.end(), id, id + 4);
  PutLe(b, static_cast<uint32_t>(body.size()), 4);
  b.insert(b.end(), body.begin(), body.end());
  if (body.size() & 1) b.push_back(0);
}

inline std::vector<uint8_t> FmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
  std::vector<uint8_t> f;
  uint16_t align = static_cast<uint16_t>(channels * bits / 8);
  PutLe(f, tag, 2);
  PutLe(f, channels, 2);
  PutLe(f, rate, 4);
  PutLe(f, rate * align, 4);
  PutLe(f, align, 2);
  PutLe(f, bits, 2);
  return f;
}

// RIFF "WAVE" around the given chunks, which are already encoded.
inline std::vector<uint8_t> Riff(const std::vector<uint8_t>& chunks) {
  std::vector<uint8_t> b{'R', 'I', 'F', 'F'};
  PutLe(b, static_cast<uint32_t>(chunks.size() + 4), 4);
  b.insert(b.end(), {'W', 'A', 'V', 'E'});
  b.insert(b.end(), chunks.begin(), chunks.end());
  return b;
}

// A plain PCM WAVE image: format chunk, then data chunk.
inline std::vector<uint8_t> MakeWave(const std::vector<uint8_t>& data, uint32_t rate = 11025,
                                     uint16_t channels = 1, uint16_t bits = 8,
                                     uint16_t tag = 1) {
  std::vector<uint8_t> chunks;
  PutChunk(chunks, "fmt ", FmtBody(tag, channels, rate, bits));
  PutChunk(chunks, "data", data);
  return Riff(chunks);
}

// An 8-bit mono 11025 Hz wave of `n` samples all equal to `value`.
inline std::vector<uint8_t> FlatWave(size_t n, uint8_t value) {
  return MakeWave(std::vector<uint8_t>(n, value));
}

// A device the test drives: it keeps every block written and plays only when told to.
class ManualDevice : public AudioDevice {
 public:
  std::string Name() const override { return name; }
  bool IsSynchronous() const override { return synchronous; }
  bool Write(std::span<const uint8_t> block) override {
    if (failWrites) return false;
    queued.emplace_back(block.begin(), block.end());
    return true;
  }
  void Pause() override { ++pauses; }
  void Restart() override { ++restarts; }
  void Reset() override {
    queued.clear();
    played = 0;
    done = 0;
    ++resets;
  }
  int64_t PlayedBytes() override { return played; }
  int TakeDoneBlocks() override {
    int n = done;
    done = 0;
    return n;
  }
  void SetMuted(bool m) override { muted = m; }

  // Plays the oldest queued block to its end, appending it to `heard`.
  void FinishBlock() {
    heard.insert(heard.end(), queued.front().begin(), queued.front().end());
    played += static_cast<int64_t>(queued.front().size());
    queued.erase(queued.begin());
    ++done;
  }

  std::string name = "Test Device";
  bool synchronous = false;
  bool failWrites = false;
  bool muted = false;
  std::vector<std::vector<uint8_t>> queued;
  std::vector<uint8_t> heard;
  int64_t played = 0;
  int done = 0;
  int pauses = 0, restarts = 0, resets = 0;
};

}  // namespace pp::test
