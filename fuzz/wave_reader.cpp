// Fuzzes loading a wave image into a mixer session and playing it: the RIFF reader, the format
// conversions and the mix of whatever they yield. The first byte picks the session rate.

#include <cstddef>
#include <cstdint>
#include <string>

#include "audio/MixerError.h"
#include "audio/WaveMixer.h"
#include "platform/NullAudioDevice.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  static const char* const kRates[] = {"11", "22", "44"};
  int64_t now = 0;
  pp::WaveMixer mixer(
      [&now](const pp::AudioFormat& f) {
        return std::make_unique<pp::NullAudioDevice>(f, [&now] { return now; });
      },
      [&now] { return now; },
      std::string("[default]\nGoodWavePos=1\nSamplesPerSec=") + kRates[data[0] % 3] + "\n");
  try {
    pp::MixSession session = mixer.WaveMixInit();
    mixer.MixerOpenChannel(session, 2, pp::kOpenChannelCount);
    mixer.WaveMixActivate(session, true);
    pp::PlayParams p;
    p.session = session;
    p.wave = mixer.MixerOpenWave(session, "fuzz", pp::kOpenMemory, {data + 1, size - 1});
    p.loops = static_cast<uint16_t>(data[0] >> 6);
    mixer.WaveMixPlay(&p);
    p.channel = 1;
    mixer.WaveMixPlay(&p);
    for (int i = 0; i < 4; ++i) {
      now += 100;
      mixer.MixerPump();
    }
    mixer.MixerFreeWave(session, p.wave);
    mixer.MixerPump();
  } catch (const pp::MixerError&) {
    // Refused input: every refusal is a mixer error.
  }
  return 0;
}
