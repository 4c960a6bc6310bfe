#pragma once
// The CP932 code table, generated at build time from the C library's own CP932 converter by
// tools/cp932table, so that every build converts exactly as the native one does.

#include <cstddef>
#include <cstdint>

namespace pp::cp932 {

// kSingleByte values that are not characters.
inline constexpr uint16_t kLeadByte = 0xFFFF;     // the first byte of a two-byte code
inline constexpr uint16_t kNotACode = 0xFFFE;     // no character starts with this byte
inline constexpr uint16_t kNoCharacter = 0x0000;  // kDoubleByte: the pair is not a code

// The character of each byte on its own.
extern const uint16_t kSingleByte[256];
// The character of each two-byte code: row kLeadRow[lead], column trail (0..255).
extern const uint8_t kLeadRow[256];
extern const uint16_t kDoubleByte[][256];

struct Encoding {
  uint16_t unicode;
  uint16_t code;  // below 0x100: one byte; otherwise the lead byte, then the trail byte
};
// What each encodable character of the Basic Multilingual Plane becomes, sorted by unicode.
extern const Encoding kEncodings[];
extern const size_t kEncodingCount;

// Ranges [first, last] of characters that convert to no bytes at all (the C library drops
// them silently).
struct DroppedRange {
  char32_t first, last;
};
extern const DroppedRange kDropped[];
extern const size_t kDroppedCount;

}  // namespace pp::cp932
