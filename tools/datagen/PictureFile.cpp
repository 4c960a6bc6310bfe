#include "datagen/PictureFile.h"

#include <cstdint>

namespace pp::datagen {

namespace {
void Put16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
}  // namespace

Surface ToSurface(const IndexedImage& img, const Palette& palette) {
  Surface s(img.width, img.height);
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      uint8_t v = img.At(x, y);
      s.SetPixel(x, y, v == kTransparent ? 0 : palette.color(v));
    }
  return s;
}

std::string EncodeBmp8(const IndexedImage& img, const Palette& palette) {
  const uint32_t colours = static_cast<uint32_t>(palette.size());
  const uint32_t stride = (static_cast<uint32_t>(img.width) + 3) & ~3u;
  const uint32_t offset = 14 + 40 + colours * 4;
  const uint32_t imageSize = stride * static_cast<uint32_t>(img.height);
  std::string out;
  out.reserve(offset + imageSize);
  out += "BM";
  Put32(out, offset + imageSize);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);  // BITMAPINFOHEADER
  Put32(out, static_cast<uint32_t>(img.width));
  Put32(out, static_cast<uint32_t>(img.height));
  Put16(out, 1);
  Put16(out, 8);
  Put32(out, 0);  // uncompressed
  Put32(out, imageSize);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, colours);
  Put32(out, 0);
  for (Color c : palette.colors()) Put32(out, c & 0xFFFFFF);  // B, G, R, 0 in file order
  for (int y = img.height - 1; y >= 0; --y) {
    for (int x = 0; x < img.width; ++x) {
      uint8_t v = img.At(x, y);
      out.push_back(static_cast<char>(v == kTransparent ? 0 : v));
    }
    out.append(stride - static_cast<uint32_t>(img.width), '\0');
  }
  return out;
}

}  // namespace pp::datagen
