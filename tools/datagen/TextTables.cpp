#include "datagen/TextTables.h"

#include <stdexcept>

#include "core/Cp932.h"
#include "datagen/SourceText.h"

namespace pp::datagen {

std::string BuildTextTable(std::string_view utf8, size_t count, std::string_view what) {
  std::string out;
  size_t entries = 0;
  ForEachLine(utf8, [&](int lineNo, std::string_view line) {
    if (line.empty()) return;
    auto cp = Utf8ToCp932(line);
    if (!cp)
      throw std::runtime_error(std::string(what) + " line " + std::to_string(lineNo) +
                               ": no CP932 form for " + std::string(line));
    out += *cp;
    out += "\r\n";
    ++entries;
  });
  if (entries != count)
    throw std::runtime_error(std::string(what) + ": " + std::to_string(entries) +
                             " entries, expected " + std::to_string(count));
  return out;
}

}  // namespace pp::datagen
