#pragma once
// A picture of palette indexes; kTransparent marks pixels a sprite leaves alone.

#include <cstdint>
#include <vector>

#include "datagen/Palette.h"

namespace pp::datagen {

struct IndexedImage {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;  // row by row, top row first

  IndexedImage() = default;
  IndexedImage(int w, int h, uint8_t fill = kTransparent)
      : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
  uint8_t At(int x, int y) const {
    return x < 0 || y < 0 || x >= width || y >= height ? kTransparent : pixels[y * width + x];
  }
  // Ignored outside the picture and for kTransparent.
  void Set(int x, int y, uint8_t v) {
    if (x >= 0 && y >= 0 && x < width && y < height && v != kTransparent) pixels[y * width + x] = v;
  }
};

}  // namespace pp::datagen
