#pragma once
// An audio device that plays through another one and writes what it plays to a WAVE file, with
// silence wherever the device stood idle, so a time in the file is the game's time (virtual time
// when headless). What the game sends is recorded even while the output is muted.

#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include "platform/AudioDevice.h"

namespace pp {

class RecordingAudioDevice : public AudioDevice {
 public:
  // Creates `path` (8-bit PCM in `format`, which is the format `inner` plays); raises
  // std::runtime_error when the file cannot be written. `nowMs` is the host clock; the file
  // starts at the moment of construction.
  RecordingAudioDevice(std::unique_ptr<AudioDevice> inner, const AudioFormat& format,
                       const std::filesystem::path& path, std::function<int64_t()> nowMs);
  // Writes what is still due and completes the file's header.
  ~RecordingAudioDevice() override;

  std::string Name() const override { return inner_->Name(); }
  bool IsSynchronous() const override { return inner_->IsSynchronous(); }
  bool Write(std::span<const uint8_t> block) override;
  void Pause() override;
  void Restart() override;
  void Reset() override;
  int64_t PlayedBytes() override;
  int TakeDoneBlocks() override;
  void SetMuted(bool muted) override { inner_->SetMuted(muted); }

 private:
  // Appends what the inner device played since the last call, then silence up to now while it
  // stands idle.
  void CatchUp();
  void Append(const uint8_t* data, size_t n);

  std::unique_ptr<AudioDevice> inner_;
  AudioFormat format_;
  std::function<int64_t()> nowMs_;
  int64_t startMs_;
  std::ofstream file_;
  std::deque<std::vector<uint8_t>> queued_;  // copies of the blocks the inner device holds
  size_t frontDone_ = 0;                     // bytes of queued_.front() already recorded
  int64_t recordedPlayed_ = 0;               // inner PlayedBytes already recorded
  int64_t written_ = 0;                      // bytes in the data chunk
  bool paused_ = false;
};

}  // namespace pp
