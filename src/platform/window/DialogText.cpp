#include "platform/window/DialogText.h"

#include <algorithm>
#include <cstdint>

namespace pp {
namespace {

// The length in bytes of the UTF-8 sequence starting with `lead` (1 for a stray byte).
size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

uint32_t CodePoint(std::string_view ch) {
  const auto lead = static_cast<unsigned char>(ch[0]);
  if (ch.size() == 1) return lead;
  uint32_t cp = lead & (0x7F >> ch.size());
  for (size_t i = 1; i < ch.size(); ++i)
    cp = (cp << 6) | (static_cast<unsigned char>(ch[i]) & 0x3F);
  return cp;
}

// Half-width katakana (U+FF61..U+FF9F) and everything below U+1100 take one column.
int Columns(uint32_t cp) {
  if (cp < 0x1100 || (cp >= 0xFF61 && cp <= 0xFF9F)) return 1;
  return 2;
}

bool ClosesAPhrase(uint32_t cp) {
  static constexpr uint32_t kClosing[] = {0x3001, 0x3002, 0xFF0C, 0xFF0E, 0xFF09, 0x3009,
                                          0x300D, 0x300F, 0x3011, 0xFF01, 0xFF1F, 0x30FC,
                                          ')',    ',',    '.',    '!',    '?'};
  return std::find(std::begin(kClosing), std::end(kClosing), cp) != std::end(kClosing);
}

void AppendWrapped(std::string& out, std::string_view line, int maxColumns) {
  int width = 0;
  size_t i = 0;
  while (i < line.size()) {
    const size_t n = std::min(SequenceLength(static_cast<unsigned char>(line[i])), line.size() - i);
    const std::string_view ch = line.substr(i, n);
    const uint32_t cp = CodePoint(ch);
    const int w = Columns(cp);
    if (width > 0 && width + w > maxColumns && !ClosesAPhrase(cp)) {
      out += '\n';
      width = 0;
    }
    out += ch;
    width += w;
    i += n;
  }
}

}  // namespace

std::string FitDialogText(std::string_view text, int maxColumns) {
  std::string out;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    const std::string_view line =
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    AppendWrapped(out, line, std::max(maxColumns, 2));
    if (end == std::string_view::npos) break;
    out += '\n';
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return out;
}

}  // namespace pp
