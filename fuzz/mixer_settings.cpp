// Fuzzes WAVEMIX.INI: reading it, the limits applied to every key, and a session run with the
// settings it yields.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "audio/MixerError.h"
#include "audio/MixerSettings.h"
#include "audio/WaveMixer.h"
#include "platform/NullAudioDevice.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  pp::MixerSettings s = pp::ReadMixerSettings(pp::IniFile(text), "Null Audio Device");
  bool rateOk = s.sampleRate == 11025 || s.sampleRate == 22050 || s.sampleRate == 44100;
  if (!rateOk || s.blockCount < 2 || s.blockCount > 6 || s.blockLength < 512 ||
      s.blockLength > 4096 || (s.remixMode != 1 && s.remixMode != 2))
    __builtin_trap();

  int64_t now = 0;
  pp::WaveMixer mixer(
      [&now](const pp::AudioFormat& f) {
        return std::make_unique<pp::NullAudioDevice>(f, [&now] { return now; });
      },
      [&now] { return now; }, text);
  // A short 8-bit wave: a RIFF header around 300 samples of a ramp.
  std::vector<uint8_t> wave{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ',
                            16, 0, 0, 0, 1, 0, 1, 0, 0x11, 0x2B, 0, 0, 0x11, 0x2B, 0, 0, 1, 0, 8,
                            0, 'd', 'a', 't', 'a', 0x2C, 1, 0, 0};
  for (int i = 0; i < 300; ++i) wave.push_back(static_cast<uint8_t>(i));
  wave[4] = static_cast<uint8_t>(wave.size() - 8);
  wave[5] = static_cast<uint8_t>((wave.size() - 8) >> 8);
  try {
    pp::MixSession session = mixer.WaveMixInit();
    mixer.MixerOpenChannel(session, 0, pp::kOpenAllChannels);
    mixer.WaveMixActivate(session, true);
    pp::PlayParams p;
    p.session = session;
    p.wave = mixer.MixerOpenWave(session, "ramp", pp::kOpenMemory, wave);
    for (uint32_t flags = 0; flags < 16; ++flags) {
      p.flags = flags;
      p.channel = static_cast<int32_t>(flags % 8);
      mixer.WaveMixPlay(&p);
      now += 7;
      mixer.MixerPump();
    }
    mixer.MixerFlushChannel(session, 0, pp::kFlushAll);
    mixer.MixerCloseSession(session);
  } catch (const pp::MixerError&) {
    // A device the settings refuse is a mixer error.
  }
  return 0;
}
