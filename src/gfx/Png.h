#pragma once
// Writing a surface as a PNG picture (8-bit RGB, no compression), for screenshots and the
// automation protocol, and a palettised picture with one transparent colour, for icons.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "gfx/Surface.h"

namespace pp {

// The PNG file's bytes for `s`; empty for an empty surface, which PNG cannot hold.
std::string EncodePng(const Surface& s);
// The PNG file's bytes for a `width` x `height` picture of palette indexes (row by row, top row
// first) over at most 256 `colours`; pixels of index `transparent` are fully transparent when it
// names a colour. Empty when the sizes and the index count disagree or a pixel has no colour.
std::string EncodePalettedPng(int width, int height, std::span<const uint8_t> indexes,
                              std::span<const Color> colours, int transparent);
// Writes `s` to `path`; false when the surface is empty or the file cannot be written.
bool SavePng(const Surface& s, const std::filesystem::path& path);

}  // namespace pp
