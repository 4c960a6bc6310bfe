#pragma once
// Builds BMP files byte by byte for the decoder tests, so each field can be set (or broken) on
// purpose.

#include <cstdint>
#include <string>
#include <vector>

namespace pp::testing {

struct BmpLayout {
  int32_t width = 1, height = 1;  // negative height: top-down
  uint16_t bits = 24;
  uint32_t compression = 0;
  uint32_t infoSize = 40;              // 12 = the OS/2 core header
  std::vector<uint32_t> palette = {};  // 0x00RRGGBB entries
  std::vector<uint32_t> masks = {};    // bit fields: red, green, blue
  uint32_t colorsUsed = 0;
  std::string pixels = {};   // stored rows, exactly as in the file
  int64_t offBitsDelta = 0;  // added to the correct pixel offset
};

inline void Put(std::string& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

inline std::string BuildBmp(const BmpLayout& s) {
  std::string info;
  Put(info, s.infoSize, 4);
  if (s.infoSize == 12) {
    Put(info, static_cast<uint32_t>(s.width), 2);
    Put(info, static_cast<uint32_t>(s.height), 2);
    Put(info, 1, 2);
    Put(info, s.bits, 2);
  } else {
    Put(info, static_cast<uint32_t>(s.width), 4);
    Put(info, static_cast<uint32_t>(s.height), 4);
    Put(info, 1, 2);
    Put(info, s.bits, 2);
    Put(info, s.compression, 4);
    Put(info, static_cast<uint32_t>(s.pixels.size()), 4);
    Put(info, 3780, 4);
    Put(info, 3780, 4);
    Put(info, s.colorsUsed, 4);
    Put(info, 0, 4);
    // Larger headers carry the masks inside, then zeros.
    for (size_t i = 0; info.size() < s.infoSize; ++i)
      Put(info, i < s.masks.size() && info.size() < 52 ? s.masks[i] : 0, 4);
  }
  std::string extra;
  if (s.infoSize == 40)
    for (uint32_t m : s.masks) Put(extra, m, 4);
  for (uint32_t c : s.palette) Put(extra, c, s.infoSize == 12 ? 3 : 4);
  const uint32_t offBits = static_cast<uint32_t>(14 + info.size() + extra.size() + s.offBitsDelta);
  std::string out = "BM";
  Put(out, static_cast<uint32_t>(14 + info.size() + extra.size() + s.pixels.size()), 4);
  Put(out, 0, 4);
  Put(out, offBits, 4);
  return out + info + extra + s.pixels;
}

// Bytes from a list of small numbers, for writing pixel rows literally.
inline std::string Raw(std::initializer_list<int> bytes) {
  std::string out;
  for (int b : bytes) out += static_cast<char>(b);
  return out;
}

}  // namespace pp::testing
