#pragma once
// The mixer component of the main window (WaveMix1): a session on a WaveMixer with the
// properties Activated and Channels and the calls the game uses.

#include <cstdint>
#include <string_view>

#include "audio/WaveMixer.h"

namespace pp {

class WaveMix {
 public:
  // Creates the session; raises MixerError "Initialization failed (WaveMixInit)" when it fails.
  explicit WaveMix(WaveMixer& mixer);
  // Closes every channel, deactivates and ends the session.
  ~WaveMix();
  WaveMix(const WaveMix&) = delete;
  WaveMix& operator=(const WaveMix&) = delete;

  bool Activated() const { return activated_; }
  void SetActivated(bool on);
  // A bit mask of channels 0..7: 255 opens all, 0 closes all, otherwise each newly set bit
  // opens its channel and each newly cleared bit closes it.
  uint8_t Channels() const { return channels_; }
  void SetChannels(uint8_t mask);

  const Wave* OpenWave(std::string_view path);
  void FreeWave(const Wave* wave);
  void Play(int32_t channel, const Wave* wave, uint16_t loops, uint32_t flags,
            WaveDoneNotify notify = {});

  WaveMixer& Mixer() { return mixer_; }

 private:
  WaveMixer& mixer_;
  MixSession session_ = 0;
  bool activated_ = false;
  uint8_t channels_ = 0;
};

}  // namespace pp
