#include "datagen/Sprites.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "datagen/SourceText.h"

namespace pp::datagen {

void ParseSprites(std::string_view text, std::string_view source, const Palette& palette,
                  SpriteSet& set) {
  std::string name;
  std::vector<std::string> rows;
  int startLine = 0;
  auto where = [&](int lineNo) {
    return std::string(source) + ":" + std::to_string(lineNo) + ": ";
  };
  ForEachLine(text, [&](int lineNo, std::string_view line) {
    if (name.empty()) {
      if (line.empty()) return;
      auto words = SplitWords(line);
      if (words.size() != 2 || words[0] != "sprite")
        throw std::runtime_error(where(lineNo) + "expected: sprite NAME");
      name = words[1];
      if (set.count(name)) throw std::runtime_error(where(lineNo) + "sprite " + name + " twice");
      rows.clear();
      startLine = lineNo;
      return;
    }
    if (line == "end") {
      size_t width = 0;
      for (auto& r : rows) width = std::max(width, r.size());
      IndexedImage img(static_cast<int>(width), static_cast<int>(rows.size()));
      for (size_t y = 0; y < rows.size(); ++y) {
        for (size_t x = 0; x < rows[y].size(); ++x) {
          try {
            img.Set(static_cast<int>(x), static_cast<int>(y), palette.Index(rows[y][x]));
          } catch (const std::exception& e) {
            throw std::runtime_error(where(startLine + 1 + static_cast<int>(y)) + e.what());
          }
        }
      }
      set.emplace(name, std::move(img));
      name.clear();
      return;
    }
    if (!line.empty()) rows.emplace_back(line);  // blank lines are spacing, not rows
  });
  if (!name.empty()) throw std::runtime_error(where(startLine) + "sprite " + name + " has no end");
}

}  // namespace pp::datagen
