#include "platform/NullAudioDevice.h"

#include <algorithm>

namespace pp {

NullAudioDevice::NullAudioDevice(const AudioFormat& format, std::function<int64_t()> nowMs)
    : bytesPerSecond_(int64_t{format.sampleRate} * format.BytesPerFrame()),
      nowMs_(std::move(nowMs)),
      lastMs_(nowMs_()) {}

void NullAudioDevice::Advance() {
  int64_t now = nowMs_();
  int64_t elapsed = std::max<int64_t>(0, now - lastMs_);
  lastMs_ = now;
  if (paused_ || left_.empty()) {
    budget_ = 0;
    return;
  }
  budget_ += elapsed * bytesPerSecond_;
  int64_t bytes = budget_ / 1000;
  budget_ %= 1000;
  while (bytes > 0 && !left_.empty()) {
    int64_t take = std::min(bytes, left_.front());
    left_.front() -= take;
    bytes -= take;
    played_ += take;
    if (left_.front() == 0) {
      left_.pop_front();
      ++done_;
    }
  }
  if (left_.empty()) budget_ = 0;  // ran dry: the time left over played nothing
}

bool NullAudioDevice::Write(std::span<const uint8_t> block) {
  Advance();
  if (block.empty()) return false;
  left_.push_back(static_cast<int64_t>(block.size()));
  return true;
}

void NullAudioDevice::Pause() {
  Advance();
  paused_ = true;
}

void NullAudioDevice::Restart() {
  Advance();
  paused_ = false;
}

void NullAudioDevice::Reset() {
  Advance();
  left_.clear();
  played_ = 0;
  done_ = 0;
  budget_ = 0;
}

int64_t NullAudioDevice::PlayedBytes() {
  Advance();
  return played_;
}

int NullAudioDevice::TakeDoneBlocks() {
  Advance();
  int n = done_;
  done_ = 0;
  return n;
}

}  // namespace pp
