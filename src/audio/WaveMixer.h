#pragma once
// The real-time wave mixer: one session mixes up to eight channels of queued wave plays into a
// small ring of output blocks and feeds them to an audio device as each block finishes. It runs
// on the main thread only. Every operation fails by raising MixerError with its fixed message.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "audio/MixerSettings.h"
#include "platform/AudioDevice.h"

namespace pp {

// A session handle; 0 is never a session.
using MixSession = uint32_t;

// A loaded wave in the session format (8-bit unsigned mono at the session rate).
struct Wave {
  std::vector<uint8_t> samples;
  std::string name;  // the file name, at most 15 characters
};

// Called by MixerPump when a play that asked for it has been heard to its end.
using WaveDoneNotify = std::function<void(int32_t channel, const Wave* wave)>;

// WaveMixPlay flags.
inline constexpr uint32_t kPlayClearQueue = 1;    // empty the channel's queue first
inline constexpr uint32_t kPlayUseLru = 2;        // pick the least recently used open channel
inline constexpr uint32_t kPlayHighPriority = 4;  // start at the device position, not the mix
inline constexpr uint32_t kPlayWait = 8;          // hold back until the next play without it
// A loop count that never ends.
inline constexpr uint16_t kLoopForever = 65535;

// MixerOpenWave flags: where the source comes from (neither: a file path).
inline constexpr uint32_t kOpenResource = 2;
inline constexpr uint32_t kOpenMemory = 4;

// MixerOpenChannel modes.
inline constexpr int32_t kOpenOneChannel = 0;
inline constexpr int32_t kOpenAllChannels = 1;
inline constexpr int32_t kOpenChannelCount = 2;

// MixerFlushChannel flags.
inline constexpr uint32_t kFlushAll = 1;
inline constexpr uint32_t kFlushNoRemix = 2;

// One play of a wave.
struct PlayParams {
  MixSession session = 0;
  int32_t channel = 0;
  const Wave* wave = nullptr;
  WaveDoneNotify notify;  // empty: no notification
  uint32_t flags = 0;
  uint16_t loops = 0;     // extra passes; kLoopForever plays until flushed
};

// Gives the output device opened in a format, or nullptr when there is none.
using AudioDeviceOpener = std::function<std::unique_ptr<AudioDevice>(const AudioFormat&)>;

class WaveMixer {
 public:
  // `open` reaches the output device, `nowMs` is the millisecond clock, `settingsText` is the
  // text of WAVEMIX.INI (empty when there is none).
  WaveMixer(AudioDeviceOpener open, std::function<int64_t()> nowMs, std::string_view settingsText);
  ~WaveMixer();
  WaveMixer(const WaveMixer&) = delete;
  WaveMixer& operator=(const WaveMixer&) = delete;

  // Creates the one session: reads the settings and checks the device.
  MixSession WaveMixInit();
  // on: takes the output device and starts feeding it; off: gives it back, keeping the position.
  void WaveMixActivate(MixSession session, bool on);
  // mode kOpenOneChannel opens channel n (0..7), kOpenAllChannels all eight, kOpenChannelCount
  // channels 0..n-1.
  void MixerOpenChannel(MixSession session, int32_t n, int32_t mode);
  // Flushes and closes one channel, or every open channel when `all`.
  void MixerCloseChannel(MixSession session, int32_t channel, bool all);
  // Drops the queued plays of one channel (of all with kFlushAll); unless kFlushNoRemix the
  // output is re-mixed from the current position at once.
  void MixerFlushChannel(MixSession session, int32_t channel, uint32_t flags);
  // Loads a WAVE file (or, with kOpenMemory, `image`) converted to the session format. The wave
  // stays the session's until freed.
  const Wave* MixerOpenWave(MixSession session, std::string_view source, uint32_t flags,
                            std::span<const uint8_t> image = {});
  // Removes every queued play of `wave`, then frees it.
  void MixerFreeWave(MixSession session, const Wave* wave);
  // Queues one play.
  void WaveMixPlay(const PlayParams* params);
  // The work for finished blocks: frees them, retires plays heard to their end, mixes and
  // writes fresh blocks. Does nothing without an active session.
  void MixerPump();
  // Deactivates, closes every channel and ends the session with all its waves.
  void MixerCloseSession(MixSession session);

  // The session's settings (defaults before WaveMixInit).
  const MixerSettings& Settings() const;
  // Position of the next sample to be mixed, in session samples.
  int64_t MixPosition() const;
  // The output device while the session is active, else nullptr.
  AudioDevice* Device() const;
  // True while a queued or held-back play uses `wave`.
  bool IsWaveQueued(const Wave* wave) const;

 private:
  struct Session;
  Session& Check(MixSession session) const;

  AudioDeviceOpener open_;
  std::function<int64_t()> nowMs_;
  IniFile ini_;
  MixerSettings defaults_;
  MixSession lastId_ = 0;
  std::unique_ptr<Session> session_;
};

}  // namespace pp
