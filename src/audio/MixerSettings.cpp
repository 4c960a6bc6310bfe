#include "audio/MixerSettings.h"

#include <algorithm>
#include <limits>

#include "core/Strings.h"

namespace pp {
namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

int32_t LeadingInt(std::string_view s) {
  bool negative = !s.empty() && s.front() == '-';
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) s.remove_prefix(1);
  int64_t v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') break;
    v = std::min<int64_t>(v * 10 + (c - '0'), int64_t{std::numeric_limits<int32_t>::max()} + 1);
  }
  if (negative) v = -v;
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace

IniFile::IniFile(std::string_view text) {
  std::string section;
  bool inSection = false;
  while (!text.empty()) {
    size_t eol = text.find('\n');
    std::string_view line = Trim(text.substr(0, eol));
    text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      size_t close = line.find(']');
      section = Trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
      inSection = true;
      continue;
    }
    size_t eq = line.find('=');
    if (!inSection || eq == std::string_view::npos) continue;
    entries_.push_back(
        {section, std::string(Trim(line.substr(0, eq))), std::string(Trim(line.substr(eq + 1)))});
  }
}

std::optional<int32_t> IniFile::GetInt(std::string_view section, std::string_view key) const {
  for (const auto& e : entries_)
    if (EqualNoCase(e.section, section) && EqualNoCase(e.key, key)) return LeadingInt(e.value);
  return std::nullopt;
}

MixerSettings ReadMixerSettings(const IniFile& ini, std::string_view deviceName) {
  auto get = [&](std::string_view key, int32_t fallback, bool roundDefault = false) {
    int32_t v = ini.GetInt("default", key).value_or(fallback);
    if (roundDefault) v = v / 4 * 4;
    return ini.GetInt(deviceName, key).value_or(v);
  };
  MixerSettings s;
  s.remixMode = get("Remix", 1) == 2 ? 2 : 1;
  s.goodWavePos = get("GoodWavePos", 0) != 0;
  s.blockCount = std::clamp(get("WaveBlocks", 3), 2, 6);
  switch (get("SamplesPerSec", 11)) {
    case 22:
      s.sampleRate = 22050;
      break;
    case 44:
      s.sampleRate = 44100;
      break;
    default:
      s.sampleRate = 11025;
      break;
  }
  int32_t length = get("WaveBlockLen", 0, true);
  s.blockLength =
      length != 0 ? std::clamp(length, 512, 4096) : std::min(2048 * (s.sampleRate / 11025), 4096);
  return s;
}

bool IsDeviceRefused(const IniFile& ini, std::string_view deviceName) {
  return ini.GetInt("not compatible", deviceName).value_or(0) != 0;
}

}  // namespace pp
