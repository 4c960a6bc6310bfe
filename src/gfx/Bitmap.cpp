#include "gfx/Bitmap.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <fstream>
#include <vector>

namespace pp {

namespace {

constexpr int64_t kMaxSide = 16384;
// A compressed picture may describe more pixels than it has bytes (runs, skips), but not
// unboundedly many: above this many pixels it needs one byte of data per 256 of them.
constexpr int64_t kFreeRlePixels = int64_t{4} << 20;
constexpr uintmax_t kMaxFileBytes = uintmax_t{1} << 30;

constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3;

// Little-endian fields of a byte string, read only after their range was checked.
struct Bytes {
  std::string_view data;
  bool Has(size_t offset, size_t count) const {
    return offset <= data.size() && count <= data.size() - offset;
  }
  uint8_t U8(size_t o) const { return static_cast<uint8_t>(data[o]); }
  uint16_t U16(size_t o) const { return static_cast<uint16_t>(U8(o) | (U8(o + 1) << 8)); }
  uint32_t U32(size_t o) const {
    return U8(o) | (U8(o + 1) << 8) | (U8(o + 2) << 16) | (static_cast<uint32_t>(U8(o + 3)) << 24);
  }
  int32_t I32(size_t o) const { return static_cast<int32_t>(U32(o)); }
};

BitmapResult Fail(std::string message) { return {std::nullopt, "BMP: " + std::move(message)}; }

// One colour channel of a bit-field pixel: where it sits and how to widen it to 8 bits.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t max = 0;  // largest value of the field; 0 for an absent channel
  uint32_t Get(uint32_t pixel) const {
    if (max == 0) return 0;
    return static_cast<uint32_t>((uint64_t{(pixel & mask) >> shift} * 255 + max / 2) / max);
  }
};

// False when the mask's bits are not one contiguous group.
bool MakeChannel(uint32_t mask, Channel& c) {
  c = Channel{};
  if (mask == 0) return true;
  c.mask = mask;
  c.shift = std::countr_zero(mask);
  const uint32_t field = mask >> c.shift;
  if ((field & (field + 1)) != 0) return false;
  c.max = field;
  return true;
}

struct Header {
  int64_t width = 0, height = 0;
  bool topDown = false;
  int bits = 0;
  uint32_t compression = kBiRgb;
  size_t paletteOffset = 0, paletteEntrySize = 4;
  int64_t paletteCount = 0;
  Channel red, green, blue;  // 16 and 32 bits per pixel
};

std::string ReadHeader(const Bytes& b, Header& h) {
  if (!b.Has(0, 18) || b.data[0] != 'B' || b.data[1] != 'M') return "not a BMP file";
  const uint32_t infoSize = b.U32(14);
  if (infoSize != 12 && infoSize < 40) {
    return "unsupported header size " + std::to_string(infoSize);
  }
  if (!b.Has(14, infoSize)) return "header truncated";
  if (infoSize == 12) {  // the OS/2 core header
    h.width = b.U16(18);
    h.height = b.U16(20);
    h.bits = b.U16(24);
    h.paletteEntrySize = 3;
  } else {
    h.width = b.I32(18);
    h.height = b.I32(22);
    h.bits = b.U16(28);
    h.compression = b.U32(30);
    h.paletteCount = b.U32(46);
  }
  if (h.height < 0) {
    h.topDown = true;
    h.height = -h.height;
  }
  h.paletteOffset = 14 + size_t{infoSize};
  if (h.width < 1 || h.width > kMaxSide || h.height < 1 || h.height > kMaxSide) {
    return "size " + std::to_string(h.width) + "x" + std::to_string(h.height) +
           " out of range (1 to " + std::to_string(kMaxSide) + " each way)";
  }
  switch (h.bits) {
    case 1:
    case 4:
    case 8:
    case 24:
      break;
    case 16:
    case 32:
      if (infoSize != 12) break;
      [[fallthrough]];
    default:
      return "unsupported bit depth " + std::to_string(h.bits);
  }
  if (h.compression == kBiBitfields) {
    if (h.bits != 16 && h.bits != 32) return "bit fields need 16 or 32 bits per pixel";
    const size_t at = infoSize >= 52 ? 54 : h.paletteOffset;
    if (!b.Has(at, 12)) return "bit-field masks truncated";
    const uint32_t r = b.U32(at), g = b.U32(at + 4), bl = b.U32(at + 8);
    const uint32_t limit = h.bits == 16 ? 0xFFFF : 0xFFFFFFFF;
    if ((r | g | bl) > limit || !MakeChannel(r, h.red) || !MakeChannel(g, h.green) ||
        !MakeChannel(bl, h.blue)) {
      return "bit-field masks are not contiguous fields of the pixel";
    }
    if (infoSize < 52) h.paletteOffset += 12;
  } else if (h.compression == kBiRle8 || h.compression == kBiRle4) {
    if (h.bits != (h.compression == kBiRle8 ? 8 : 4)) {
      return std::string(h.compression == kBiRle8 ? "RLE8" : "RLE4") + " with " +
             std::to_string(h.bits) + " bits per pixel";
    }
    if (h.topDown) return "compressed pictures cannot be top-down";
  } else if (h.compression != kBiRgb) {
    return "compression " + std::to_string(h.compression) + " not supported";
  } else if (h.bits == 16) {  // 5 bits each
    MakeChannel(0x7C00, h.red);
    MakeChannel(0x03E0, h.green);
    MakeChannel(0x001F, h.blue);
  } else if (h.bits == 32) {
    MakeChannel(0xFF0000, h.red);
    MakeChannel(0x00FF00, h.green);
    MakeChannel(0x0000FF, h.blue);
  }
  if (h.bits <= 8) {
    const int64_t full = int64_t{1} << h.bits;
    if (h.paletteCount == 0 || h.paletteCount > full) h.paletteCount = full;
    if (!b.Has(h.paletteOffset, static_cast<size_t>(h.paletteCount) * h.paletteEntrySize)) {
      return "colour table truncated";
    }
  }
  return {};
}

std::vector<Color> ReadPalette(const Bytes& b, const Header& h) {
  std::vector<Color> palette(256, 0);  // indices past the table read black
  for (int64_t i = 0; i < h.paletteCount && h.bits <= 8; ++i) {
    const size_t o = h.paletteOffset + static_cast<size_t>(i) * h.paletteEntrySize;
    palette[i] = Rgb(b.U8(o + 2), b.U8(o + 1), b.U8(o));
  }
  return palette;
}

// Uncompressed rows; `pixels` starts at the first stored row, which the file holds in full.
void DecodeRows(const Bytes& b, size_t pixels, const Header& h, const std::vector<Color>& palette,
                Surface& out) {
  const int64_t stride = (h.width * h.bits + 31) / 32 * 4;
  const Channel &red = h.red, &green = h.green, &blue = h.blue;
  const int64_t w = h.width;
  for (int64_t row = 0; row < h.height; ++row) {
    const size_t at = pixels + static_cast<size_t>(row * stride);
    const int64_t y = h.topDown ? row : h.height - 1 - row;
    uint32_t* dst = out.data() + y * w;
    switch (h.bits) {
      case 1:
      case 4:
      case 8: {
        const int perByte = 8 / h.bits;
        const uint8_t mask = static_cast<uint8_t>((1 << h.bits) - 1);
        for (int64_t x = 0; x < w; ++x) {
          const uint8_t byte = b.U8(at + static_cast<size_t>(x / perByte));
          const int shift = 8 - h.bits * (static_cast<int>(x % perByte) + 1);
          dst[x] = palette[(byte >> shift) & mask];
        }
        break;
      }
      case 16:
        for (int64_t x = 0; x < w; ++x) {
          const uint32_t p = b.U16(at + static_cast<size_t>(2 * x));
          dst[x] = Rgb(red.Get(p), green.Get(p), blue.Get(p));
        }
        break;
      case 24:
        for (int64_t x = 0; x < w; ++x) {
          const size_t o = at + static_cast<size_t>(3 * x);
          dst[x] = Rgb(b.U8(o + 2), b.U8(o + 1), b.U8(o));
        }
        break;
      case 32:
        for (int64_t x = 0; x < w; ++x) {
          const uint32_t p = b.U32(at + static_cast<size_t>(4 * x));
          dst[x] = Rgb(red.Get(p), green.Get(p), blue.Get(p));
        }
        break;
    }
  }
}

// Why the file cannot hold the pixels its header promises; empty when it can. Checked before
// anything is allocated, so a lying header costs nothing.
std::string CheckPixelData(const Bytes& b, size_t pixels, const Header& h) {
  const int64_t available = static_cast<int64_t>(b.data.size() - pixels);
  if (h.compression == kBiRle8 || h.compression == kBiRle4) {
    if (h.width * h.height > kFreeRlePixels && h.width * h.height / 256 > available) {
      return "compressed data too short for " + std::to_string(h.width) + "x" +
             std::to_string(h.height) + " pixels";
    }
    return {};
  }
  const int64_t rowBits = h.width * h.bits;
  const int64_t needed = (rowBits + 31) / 32 * 4 * (h.height - 1) + (rowBits + 7) / 8;
  if (needed > available) {
    return "pixel data truncated (needs " + std::to_string(needed) + " bytes, has " +
           std::to_string(available) + ")";
  }
  return {};
}

// Run-length coded rows (4 or 8 bits). Pixels the code skips stay black; pixels it places
// outside the picture are dropped. The code may end early: the rest stays black.
std::string DecodeRle(const Bytes& b, size_t pos, const Header& h,
                      const std::vector<Color>& palette, Surface& out) {
  const bool four = h.compression == kBiRle4;
  int64_t x = 0, row = 0;  // row 0 is the bottom one
  auto put = [&](uint8_t index) {
    if (x < h.width && row < h.height)
      out.data()[(h.height - 1 - row) * h.width + x] = palette[index];
    ++x;
  };
  while (b.Has(pos, 2) && row < h.height) {
    const uint8_t count = b.U8(pos), value = b.U8(pos + 1);
    pos += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? ((i % 2 == 0) ? value >> 4 : value & 0xF) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++row;
    } else if (value == 1) {  // end of picture
      break;
    } else if (value == 2) {  // skip right and up
      if (!b.Has(pos, 2)) break;
      x += b.U8(pos);
      row += b.U8(pos + 1);
      pos += 2;
    } else {  // `value` pixels stored as they are, padded to a whole word
      const size_t bytes = four ? (value + 1u) / 2 : value;
      if (!b.Has(pos, bytes)) return "compressed data truncated";
      for (int i = 0; i < value; ++i) {
        const uint8_t byte = b.U8(pos + (four ? i / 2 : i));
        put(four ? ((i % 2 == 0) ? byte >> 4 : byte & 0xF) : byte);
      }
      pos += (bytes + 1) & ~size_t{1};
    }
  }
  return {};
}

void PutLittleEndian(std::string& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

BitmapResult DecodeBmp(std::string_view bytes) {
  const Bytes b{bytes};
  Header h;
  if (std::string error = ReadHeader(b, h); !error.empty()) return Fail(error);
  const uint32_t offBits = b.U32(10);
  if (offBits < 14 + 12 || offBits >= bytes.size()) return Fail("pixel data offset out of file");
  if (std::string error = CheckPixelData(b, offBits, h); !error.empty()) return Fail(error);
  const std::vector<Color> palette = ReadPalette(b, h);
  Surface out(static_cast<int>(h.width), static_cast<int>(h.height), 0);
  if (h.compression == kBiRle8 || h.compression == kBiRle4) {
    if (std::string error = DecodeRle(b, offBits, h, palette, out); !error.empty()) {
      return Fail(error);
    }
  } else {
    DecodeRows(b, offBits, h, palette, out);
  }
  return {std::move(out), {}};
}

BitmapResult LoadBmp(const std::filesystem::path& path) {
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec) return Fail("cannot read " + path.string());
  if (size > kMaxFileBytes) return Fail(path.string() + " is too large");
  std::ifstream file(path, std::ios::binary);
  std::string bytes(static_cast<size_t>(size), '\0');
  if (!file.read(bytes.data(), static_cast<std::streamsize>(size)))
    return Fail("cannot read " + path.string());
  BitmapResult result = DecodeBmp(bytes);
  if (!result.surface) result.error += " (" + path.string() + ")";
  return result;
}

bool SaveBmp(const Surface& s, const std::filesystem::path& path) {
  if (s.empty()) return false;
  const uint32_t stride = (static_cast<uint32_t>(s.width()) * 3 + 3) & ~3u;
  const uint32_t imageSize = stride * static_cast<uint32_t>(s.height());
  std::string out;
  out.reserve(54 + imageSize);
  out += "BM";
  PutLittleEndian(out, 54 + imageSize, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 54, 4);
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, static_cast<uint32_t>(s.width()), 4);
  PutLittleEndian(out, static_cast<uint32_t>(s.height()), 4);
  PutLittleEndian(out, 1, 2);   // planes
  PutLittleEndian(out, 24, 2);  // bits per pixel
  PutLittleEndian(out, kBiRgb, 4);
  PutLittleEndian(out, imageSize, 4);
  PutLittleEndian(out, 3780, 4);  // 96 dots per inch, in dots per metre
  PutLittleEndian(out, 3780, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 0, 4);
  for (int y = s.height() - 1; y >= 0; --y) {
    const uint32_t* row = s.data() + static_cast<size_t>(y) * s.width();
    for (int x = 0; x < s.width(); ++x) PutLittleEndian(out, row[x], 3);
    out.append(stride - static_cast<uint32_t>(s.width()) * 3, '\0');
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  file.close();
  return static_cast<bool>(file);
}

}  // namespace pp
