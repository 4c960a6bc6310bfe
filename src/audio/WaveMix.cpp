#include "audio/WaveMix.h"

#include "audio/MixerError.h"

namespace pp {

WaveMix::WaveMix(WaveMixer& mixer) : mixer_(mixer) {
  try {
    session_ = mixer_.WaveMixInit();
  } catch (const MixerError&) {
    throw MixerError("Initialization failed (WaveMixInit)");
  }
}

WaveMix::~WaveMix() {
  try {
    SetChannels(0);
    SetActivated(false);
    mixer_.MixerCloseSession(session_);
  } catch (const MixerError&) {
    // Nothing is left to report to at destruction.
  }
}

void WaveMix::SetActivated(bool on) {
  if (on == activated_) return;
  mixer_.WaveMixActivate(session_, on);
  activated_ = on;
}

void WaveMix::SetChannels(uint8_t mask) {
  if (mask == channels_) return;
  if (mask == 255) {
    mixer_.MixerOpenChannel(session_, 0, kOpenAllChannels);
  } else if (mask == 0) {
    mixer_.MixerCloseChannel(session_, 0, true);
  } else {
    for (int32_t c = 0; c < 8; ++c) {
      bool was = channels_ >> c & 1, now = mask >> c & 1;
      if (now && !was) mixer_.MixerOpenChannel(session_, c, kOpenOneChannel);
      if (was && !now) mixer_.MixerCloseChannel(session_, c, false);
    }
  }
  channels_ = mask;
}

const Wave* WaveMix::OpenWave(std::string_view path) {
  return mixer_.MixerOpenWave(session_, path, 0);
}

void WaveMix::FreeWave(const Wave* wave) { mixer_.MixerFreeWave(session_, wave); }

void WaveMix::Play(int32_t channel, const Wave* wave, uint16_t loops, uint32_t flags,
                   WaveDoneNotify notify) {
  PlayParams p;
  p.session = session_;
  p.channel = channel;
  p.wave = wave;
  p.notify = std::move(notify);
  p.flags = flags;
  p.loops = loops;
  mixer_.WaveMixPlay(&p);
}

}  // namespace pp
