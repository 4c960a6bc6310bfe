#include "datagen/Palette.h"

#include <sstream>
#include <stdexcept>

#include "datagen/SourceText.h"

namespace pp::datagen {

Palette Palette::Parse(std::string_view text) {
  Palette p;
  p.indexOf_.fill(kTransparent);
  ForEachLine(text, [&](int lineNo, std::string_view line) {
    auto words = SplitWords(line);
    if (words.empty()) return;
    auto fail = [&](const std::string& why) {
      throw std::runtime_error("palette line " + std::to_string(lineNo) + ": " + why);
    };
    if (words.size() < 2 || words[0].size() != 1 || words[1].size() != 7 || words[1][0] != '#')
      fail("expected: C #RRGGBB name");
    char c = words[0][0];
    if (c == '.' || p.Has(c)) fail(std::string("character '") + c + "' is taken");
    if (p.colors_.size() >= kTransparent) fail("more than 255 colours");
    Color rgb = 0;
    for (char h : words[1].substr(1)) {
      int v = HexDigit(h);
      if (v < 0) fail("bad colour " + std::string(words[1]));
      rgb = (rgb << 4) | static_cast<Color>(v);
    }
    p.indexOf_[static_cast<unsigned char>(c)] = static_cast<uint8_t>(p.colors_.size());
    p.colors_.push_back(rgb);
  });
  return p;
}

uint8_t Palette::Index(char c) const {
  if (c == '.') return kTransparent;
  uint8_t i = indexOf_[static_cast<unsigned char>(c)];
  if (i == kTransparent) throw std::runtime_error(std::string("unknown colour '") + c + "'");
  return i;
}

}  // namespace pp::datagen
