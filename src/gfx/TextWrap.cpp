#include "gfx/TextWrap.h"

#include <algorithm>

#include "core/Utf8.h"
#include "gfx/Text.h"

namespace pp {
namespace {

// Pieces a line may break between: a run of Latin letters and digits, a blank, or any other
// single character. A run too wide for a line of its own is split into characters.
template <typename Fits>
std::vector<std::string> WrapTokens(std::string_view paragraph, const Fits& fits) {
  std::vector<std::string> tokens;
  bool inWord = false;
  size_t pos = 0;
  while (pos < paragraph.size()) {
    const size_t at = pos;
    const char32_t c = NextCodePoint(paragraph, pos);
    const std::string_view ch = paragraph.substr(at, pos - at);
    const bool latin = c < 0x80 && c != U' ';
    if (latin && inWord)
      tokens.back().append(ch);
    else
      tokens.emplace_back(ch);
    inWord = latin;
  }
  std::vector<std::string> out;
  for (std::string& token : tokens) {
    if (token.size() == 1 || fits(token)) {
      out.push_back(std::move(token));
      continue;
    }
    for (char c : token) out.emplace_back(1, c);
  }
  return out;
}

}  // namespace

std::vector<std::string> WrapText(TextRenderer& text, std::string_view s, int pointSize, bool bold,
                                  int width, Face face) {
  const auto fits = [&](const std::string& t) {
    return text.Width(t, pointSize, bold, face) <= width;
  };
  std::vector<std::string> lines;
  size_t start = 0;
  for (;;) {
    const size_t end = std::min(s.find('\r', start), s.size());
    const std::vector<std::string> tokens = WrapTokens(s.substr(start, end - start), fits);
    // Greedy: a line takes tokens while they fit, and never starts with the blank it broke at.
    std::string line;
    for (const std::string& token : tokens) {
      if (line.empty() && token == " ") continue;
      if (!line.empty() && !fits(line + token)) {
        lines.push_back(line);
        line.clear();
        if (token == " ") continue;
      }
      line += token;
    }
    lines.push_back(line);
    if (end >= s.size()) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace pp
