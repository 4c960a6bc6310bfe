#include "core/Cp932.h"

#include <algorithm>

#include "core/Cp932Table.h"
#include "core/Utf8.h"

namespace pp {
namespace {

bool Dropped(char32_t c) {
  const auto* end = cp932::kDropped + cp932::kDroppedCount;
  return std::any_of(cp932::kDropped, end,
                     [c](const cp932::DroppedRange& r) { return c >= r.first && c <= r.last; });
}

// The CP932 code of `c` (one byte below 0x100), or nullopt when it has none.
std::optional<uint16_t> CodeOf(char32_t c) {
  if (c > 0xFFFF) return std::nullopt;
  const auto* end = cp932::kEncodings + cp932::kEncodingCount;
  const auto* it =
      std::lower_bound(cp932::kEncodings, end, c,
                       [](const cp932::Encoding& e, char32_t value) { return e.unicode < value; });
  if (it == end || it->unicode != c) return std::nullopt;
  return it->code;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  for (size_t i = 0; i < cp932.size(); ++i) {
    const auto lead = static_cast<unsigned char>(cp932[i]);
    uint16_t c = cp932::kSingleByte[lead];
    if (c == cp932::kNotACode) return std::nullopt;
    if (c == cp932::kLeadByte) {
      if (++i == cp932.size()) return std::nullopt;
      c = cp932::kDoubleByte[cp932::kLeadRow[lead]][static_cast<unsigned char>(cp932[i])];
      if (c == cp932::kNoCharacter) return std::nullopt;
    }
    AppendUtf8(out, c);
  }
  return out;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) {
    const size_t start = pos;
    const char32_t c = NextCodePoint(utf8, pos);
    if (c == kReplacementChar && pos - start == 1) return std::nullopt;  // malformed UTF-8
    if (Dropped(c)) continue;
    const auto code = CodeOf(c);
    if (!code) return std::nullopt;
    if (*code >= 0x100) out += static_cast<char>(*code >> 8);
    out += static_cast<char>(*code & 0xFF);
  }
  return out;
}

size_t Cp932Length(std::string_view utf8) {
  size_t bytes = 0;
  for (size_t i = 0; i < utf8.size();) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    if (len > utf8.size() - i) len = utf8.size() - i;
    if (len == 1) {
      bytes += 1;
    } else {
      auto enc = Utf8ToCp932(utf8.substr(i, len));
      bytes += enc ? enc->size() : 2;
    }
    i += len;
  }
  return bytes;
}

}  // namespace pp
