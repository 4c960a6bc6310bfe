#pragma once
// Reading and writing BMP files. Reading accepts 1, 4, 8, 16, 24 and 32 bits, bottom-up and
// top-down, uncompressed and RLE; anything else fails with a message, never a crash.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "gfx/Surface.h"

namespace pp {

struct BitmapResult {
  std::optional<Surface> surface;
  std::string error;  // why it failed, when surface is empty
};

BitmapResult DecodeBmp(std::string_view bytes);
BitmapResult LoadBmp(const std::filesystem::path& path);
// Writes a 24-bit BMP; false on a write failure.
bool SaveBmp(const Surface& s, const std::filesystem::path& path);

}  // namespace pp
