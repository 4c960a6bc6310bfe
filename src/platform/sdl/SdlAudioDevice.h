#pragma once
// Audio output through SDL2. The mixer stays on the main thread: SDL's audio thread only copies
// the queued blocks out (under a lock) and, when one is finished, posts an event of type
// SdlAudioDoneEventType() for the main loop to turn into HostEvent::AudioDone.

#include <cstdint>
#include <memory>

#include "platform/AudioDevice.h"
#include "platform/OutputLevel.h"

namespace pp {

// The SDL event type that announces finished blocks (registered on first use).
uint32_t SdlAudioDoneEventType();

// Opens the default SDL output in `format`, played at `level` when one is given (it must outlive
// the device); nullptr when SDL has no usable audio output.
std::unique_ptr<AudioDevice> OpenSdlAudioDevice(const AudioFormat& format,
                                                const OutputLevel* level = nullptr);

}  // namespace pp
