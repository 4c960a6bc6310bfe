#include "audio/RecordingAudioDevice.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace pp {
namespace {

void PutLe(std::ofstream& f, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) f.put(static_cast<char>(v >> (8 * i) & 0xFF));
}

// The 44-byte header of a PCM WAVE file holding `dataBytes` of samples.
void WriteHeader(std::ofstream& f, const AudioFormat& fmt, uint32_t dataBytes) {
  uint32_t blockAlign = static_cast<uint32_t>(fmt.BytesPerFrame());
  f.seekp(0);
  f.write("RIFF", 4);
  PutLe(f, 36 + dataBytes + (dataBytes & 1), 4);
  f.write("WAVEfmt ", 8);
  PutLe(f, 16, 4);
  PutLe(f, 1, 2);
  PutLe(f, static_cast<uint32_t>(fmt.channels), 2);
  PutLe(f, static_cast<uint32_t>(fmt.sampleRate), 4);
  PutLe(f, static_cast<uint32_t>(fmt.sampleRate) * blockAlign, 4);
  PutLe(f, blockAlign, 2);
  PutLe(f, static_cast<uint32_t>(fmt.bitsPerSample), 2);
  f.write("data", 4);
  PutLe(f, dataBytes, 4);
}

}  // namespace

RecordingAudioDevice::RecordingAudioDevice(std::unique_ptr<AudioDevice> inner,
                                           const AudioFormat& format,
                                           const std::filesystem::path& path,
                                           std::function<int64_t()> nowMs)
    : inner_(std::move(inner)),
      format_(format),
      nowMs_(std::move(nowMs)),
      startMs_(nowMs_()),
      file_(path, std::ios::binary | std::ios::trunc) {
  if (!file_) throw std::runtime_error("cannot write the audio recording " + path.string());
  WriteHeader(file_, format_, 0);
}

RecordingAudioDevice::~RecordingAudioDevice() {
  CatchUp();
  // A WAVE file holds at most 4 GiB of data; a longer recording keeps its first 4 GiB counted.
  uint32_t size = static_cast<uint32_t>(std::min<int64_t>(written_, 0xFFFFFFF0));
  if (written_ & 1) file_.put(0);
  WriteHeader(file_, format_, size);
}

void RecordingAudioDevice::Append(const uint8_t* data, size_t n) {
  file_.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(n));
  written_ += static_cast<int64_t>(n);
}

void RecordingAudioDevice::CatchUp() {
  int64_t played = inner_->PlayedBytes();
  int64_t fresh = std::max<int64_t>(0, played - recordedPlayed_);
  recordedPlayed_ = std::max(recordedPlayed_, played);
  while (fresh > 0 && !queued_.empty()) {
    const auto& block = queued_.front();
    size_t n = std::min(static_cast<size_t>(fresh), block.size() - frontDone_);
    Append(block.data() + frontDone_, n);
    fresh -= static_cast<int64_t>(n);
    frontDone_ += n;
    if (frontDone_ == block.size()) {
      queued_.pop_front();
      frontDone_ = 0;
    }
  }
  if (!queued_.empty() && !paused_) return;
  int64_t due = (nowMs_() - startMs_) * format_.sampleRate / 1000 * format_.BytesPerFrame();
  uint8_t silence = format_.bitsPerSample == 8 ? 128 : 0;
  std::array<uint8_t, 1024> quiet;
  quiet.fill(silence);
  while (written_ < due) Append(quiet.data(), static_cast<size_t>(std::min<int64_t>(
                                                  due - written_, quiet.size())));
}

bool RecordingAudioDevice::Write(std::span<const uint8_t> block) {
  CatchUp();
  if (!inner_->Write(block)) return false;
  queued_.emplace_back(block.begin(), block.end());
  return true;
}

void RecordingAudioDevice::Pause() {
  CatchUp();
  inner_->Pause();
  paused_ = true;
}

void RecordingAudioDevice::Restart() {
  CatchUp();
  inner_->Restart();
  paused_ = false;
}

void RecordingAudioDevice::Reset() {
  CatchUp();
  inner_->Reset();
  queued_.clear();
  frontDone_ = 0;
  recordedPlayed_ = 0;
}

int64_t RecordingAudioDevice::PlayedBytes() {
  CatchUp();
  return recordedPlayed_;
}

int RecordingAudioDevice::TakeDoneBlocks() {
  CatchUp();
  return inner_->TakeDoneBlocks();
}

}  // namespace pp
