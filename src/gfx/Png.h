#pragma once
// Writing a surface as a PNG picture (8-bit RGB, no compression), for screenshots and the
// automation protocol.

#include <filesystem>
#include <string>

#include "gfx/Surface.h"

namespace pp {

// The PNG file's bytes for `s`; empty for an empty surface, which PNG cannot hold.
std::string EncodePng(const Surface& s);
// Writes `s` to `path`; false when the surface is empty or the file cannot be written.
bool SavePng(const Surface& s, const std::filesystem::path& path);

}  // namespace pp
