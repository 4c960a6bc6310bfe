#pragma once
// An audio device without sound for the headless host: it "plays" its queued blocks at the
// format's rate by the host clock (virtual time), so block completions and positions behave as
// a real device's would.

#include <cstdint>
#include <deque>
#include <functional>

#include "platform/AudioDevice.h"

namespace pp {

class NullAudioDevice : public AudioDevice {
 public:
  // `nowMs` is the host clock in milliseconds.
  NullAudioDevice(const AudioFormat& format, std::function<int64_t()> nowMs);

  std::string Name() const override { return "Null Audio Device"; }
  bool Write(std::span<const uint8_t> block) override;
  void Pause() override;
  void Restart() override;
  void Reset() override;
  int64_t PlayedBytes() override;
  int TakeDoneBlocks() override;
  void SetMuted(bool) override {}

 private:
  // Plays what the time since the last call allows.
  void Advance();

  int64_t bytesPerSecond_;
  std::function<int64_t()> nowMs_;
  int64_t lastMs_;
  int64_t budget_ = 0;        // byte-milliseconds not yet turned into a whole played byte
  std::deque<int64_t> left_;  // bytes still to play of each queued block, oldest first
  int64_t played_ = 0;
  int done_ = 0;
  bool paused_ = false;
};

}  // namespace pp
