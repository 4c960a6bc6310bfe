// Feeds arbitrary bytes to the BMP reader: it must never crash, read out of bounds or allocate
// without bound, and a decoded picture must be as large as it says.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "gfx/Bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const pp::BitmapResult r =
      pp::DecodeBmp(std::string_view(reinterpret_cast<const char*>(data), size));
  if (r.surface) {
    const pp::Surface& s = *r.surface;
    if (s.empty() || !r.error.empty()) std::abort();
    // Touch every pixel so a short buffer shows up under the address sanitizer.
    uint32_t sum = 0;
    for (size_t i = 0; i < static_cast<size_t>(s.width()) * s.height(); ++i) sum |= s.data()[i];
    if (sum > 0xFFFFFF) std::abort();  // pixels are 0x00RRGGBB
  } else if (r.error.empty()) {
    std::abort();
  }
  return 0;
}
