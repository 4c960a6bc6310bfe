// Feeds arbitrary bytes to the PO reader and the catalogue built from it, then translates lines
// made of the catalogue's own texts: nothing may throw, crash or loop, and a fault always names
// the file.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lang/Catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  pp::PoFile file = pp::ReadPo(bytes, "fuzz.po");
  std::vector<std::string> lines;
  for (const pp::PoEntry& e : file.entries) {
    lines.push_back(e.id);
    lines.push_back(e.translation);
    lines.push_back(e.id + e.translation + e.id);
  }
  const pp::Catalogue catalogue(std::move(file));
  for (const std::string& fault : catalogue.faults())
    if (!fault.starts_with("fuzz.po:")) std::abort();
  for (const std::string& line : lines) {
    catalogue.Translate(line);
    catalogue.Translate(line, "message");
  }
  catalogue.Translate(bytes);
  return 0;
}
