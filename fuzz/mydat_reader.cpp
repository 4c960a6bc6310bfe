// Feeds arbitrary bytes to the my.dat reader. A successful read must write back to the same
// values: serialising and reading again gives the identical file.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "state/SaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  pp::GameState state;
  if (pp::ParseMyDat(bytes, state)) return 0;
  std::string written = pp::SerializeMyDat(state);
  pp::GameState again;
  if (pp::ParseMyDat(written, again) || pp::SerializeMyDat(again) != written) std::abort();
  return 0;
}
