#pragma once
// Sound through the page's Web Audio context. Each block the mixer writes is scheduled right
// behind the one before; when one has played the page queues PageInput::Kind::AudioDone, and the
// mixer (on the main thread, as always) collects it. Until the first click, tap or key unlocks
// the context, blocks play silently on the page's clock, so the mixer keeps its pace.

#include <memory>

#include "platform/AudioDevice.h"

namespace pp {

// Opens the page's sound output in `format`; nullptr when the browser has no Web Audio.
std::unique_ptr<AudioDevice> OpenWebAudioDevice(const AudioFormat& format);

}  // namespace pp
