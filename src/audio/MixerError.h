#pragma once
// The one error kind of the wave mixer; its text is one of the mixer's fixed messages.

#include <stdexcept>

namespace pp {

class MixerError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The message for a wave too large to hold.
inline constexpr char kMixerOutOfMemory[] =
    "Unable to allocate memory for waveform data.  Try making more memory available by closing "
    "other applications.";

}  // namespace pp
