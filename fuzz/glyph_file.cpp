// Fuzzes the glyph file reader: a file is refused or gives glyphs whose runs are well formed.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "gfx/BakedGlyphs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    pp::BakedGlyphSource glyphs(std::string(reinterpret_cast<const char*>(data), size), "fuzz");
    for (int pixels : glyphs.pixelSizes())
      for (pp::Face face : {pp::Face::Japanese, pp::Face::Latin})
        for (char32_t c : glyphs.characters(face))
          for (const pp::GlyphRun& r : glyphs.Rasterise(pixels, c, face).runs)
            if (r.x0 >= r.x1) __builtin_trap();
  } catch (const std::runtime_error&) {
  }
  return 0;
}
