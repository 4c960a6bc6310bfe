#pragma once
// The audio output the mixer plays through: a queue of blocks played in order at the format's
// rate. Every call comes from the main thread; a device that plays on another thread copies each
// block and guards what it shares. Finished blocks are announced to the main loop by the host
// (HostEvent::AudioDone) and then collected with TakeDoneBlocks.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace pp {

// Linear PCM, unsigned 8-bit or signed 16-bit samples, interleaved channels.
struct AudioFormat {
  int32_t sampleRate = 11025;
  int32_t channels = 1;
  int32_t bitsPerSample = 8;
  bool operator==(const AudioFormat&) const = default;
  int32_t BytesPerFrame() const { return channels * (bitsPerSample / 8); }
};

class AudioDevice {
 public:
  virtual ~AudioDevice() = default;

  // The name under which the mixer settings may hold a section of their own.
  virtual std::string Name() const = 0;
  // A blocking device stops the program while it plays; the mixer refuses such a device.
  virtual bool IsSynchronous() const { return false; }
  // Queues a copy of `block` behind the blocks written before it; false when the device fails.
  virtual bool Write(std::span<const uint8_t> block) = 0;
  // Holds playback where it is; queued blocks wait.
  virtual void Pause() = 0;
  // Resumes after Pause (a device that was never paused just keeps playing).
  virtual void Restart() = 0;
  // Drops every queued block unplayed (none is reported done) and sets PlayedBytes to 0.
  virtual void Reset() = 0;
  // Bytes of written blocks played since the device opened or was last reset. A device with
  // nothing queued is idle and its count stands still.
  virtual int64_t PlayedBytes() = 0;
  // How many blocks finished since the last call, in the order they were written.
  virtual int TakeDoneBlocks() = 0;
  // Muted, the device plays silence in place of the blocks at the same pace.
  virtual void SetMuted(bool muted) = 0;
};

}  // namespace pp
