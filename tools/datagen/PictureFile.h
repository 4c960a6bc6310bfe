#pragma once
// Writing a finished picture: as an 8-bit palettised BMP, or through the game's 24-bit writer.

#include <filesystem>
#include <string>

#include "datagen/IndexedImage.h"
#include "datagen/Palette.h"
#include "gfx/Surface.h"

namespace pp::datagen {

// The picture in 32-bit colour; transparent pixels become black.
Surface ToSurface(const IndexedImage& img, const Palette& palette);
// An 8-bit bottom-up BMP with the whole palette; transparent pixels become index 0.
std::string EncodeBmp8(const IndexedImage& img, const Palette& palette);

}  // namespace pp::datagen
