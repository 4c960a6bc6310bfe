#pragma once
// The mixer's settings file WAVEMIX.INI: integer keys in sections, with the mixer's defaults and
// limits applied.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pp {

// INI text: "[section]" lines and "key=value" lines; names match ignoring ASCII case, the first
// occurrence wins, lines starting with ';' are comments.
class IniFile {
 public:
  IniFile() = default;
  explicit IniFile(std::string_view text);
  // The leading integer of the key's value (0 when it has none, saturated to 32 bits); nullopt
  // when the key is absent.
  std::optional<int32_t> GetInt(std::string_view section, std::string_view key) const;

 private:
  struct Entry {
    std::string section, key, value;
  };
  std::vector<Entry> entries_;
};

// How the session is set up.
struct MixerSettings {
  int32_t remixMode = 1;          // 2: a late request is delayed; 1: blocks are re-mixed
  bool goodWavePos = false;       // positions from the device's count instead of the clock
  int32_t blockCount = 3;         // output blocks in flight, 2..6
  int32_t blockLength = 2048;     // bytes per output block, 512..4096
  int32_t sampleRate = 11025;     // 11025, 22050 or 44100
};

// Each key from the section "default", overridden by the section named `deviceName`.
MixerSettings ReadMixerSettings(const IniFile& ini, std::string_view deviceName);

// True when the section "not compatible" refuses the device by name.
bool IsDeviceRefused(const IniFile& ini, std::string_view deviceName);

}  // namespace pp
