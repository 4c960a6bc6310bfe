#include "gfx/Png.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>

namespace pp {

namespace {

const std::array<uint32_t, 256>& CrcTable() {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  return table;
}

uint32_t Crc32(std::string_view bytes) {
  uint32_t c = 0xFFFFFFFFu;
  for (unsigned char b : bytes) c = CrcTable()[(c ^ b) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void PutBigEndian(std::string& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

void PutChunk(std::string& out, const char* type, std::string_view data) {
  PutBigEndian(out, static_cast<uint32_t>(data.size()));
  std::string body(type, 4);
  body += data;
  out += body;
  PutBigEndian(out, Crc32(body));
}

// A zlib stream of "stored" deflate blocks (at most 65535 bytes each) with its Adler-32.
std::string StoredZlib(std::string_view raw) {
  std::string z = "\x78\x01";
  size_t pos = 0;
  do {
    const size_t len = std::min<size_t>(raw.size() - pos, 65535);
    const bool last = pos + len == raw.size();
    z += static_cast<char>(last ? 1 : 0);
    z += static_cast<char>(len & 0xFF);
    z += static_cast<char>(len >> 8);
    z += static_cast<char>(~len & 0xFF);
    z += static_cast<char>((~len >> 8) & 0xFF);
    z.append(raw.substr(pos, len));
    pos += len;
  } while (pos < raw.size());
  uint32_t a = 1, b = 0;
  for (unsigned char c : raw) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  PutBigEndian(z, (b << 16) | a);
  return z;
}

// The whole file around one picture's filtered rows: signature, IHDR, `extra` chunks, IDAT, IEND.
std::string PngFile(int width, int height, char colourType, const std::string& extraChunks,
                    std::string_view rows) {
  std::string out = "\x89PNG\r\n\x1a\n";
  std::string header;
  PutBigEndian(header, static_cast<uint32_t>(width));
  PutBigEndian(header, static_cast<uint32_t>(height));
  header += '\x08';  // 8 bits a sample or an index
  header += colourType;
  header += std::string("\x00\x00\x00", 3);  // deflate, filter 0, not interlaced
  PutChunk(out, "IHDR", header);
  out += extraChunks;
  PutChunk(out, "IDAT", StoredZlib(rows));
  PutChunk(out, "IEND", {});
  return out;
}

}  // namespace

std::string EncodePng(const Surface& s) {
  if (s.empty()) return {};
  std::string raw;
  raw.reserve(static_cast<size_t>(s.height()) * (1 + 3 * static_cast<size_t>(s.width())));
  for (int y = 0; y < s.height(); ++y) {
    raw += '\0';  // no filter
    const uint32_t* row = s.data() + static_cast<size_t>(y) * s.width();
    for (int x = 0; x < s.width(); ++x) {
      raw += static_cast<char>((row[x] >> 16) & 0xFF);
      raw += static_cast<char>((row[x] >> 8) & 0xFF);
      raw += static_cast<char>(row[x] & 0xFF);
    }
  }
  return PngFile(s.width(), s.height(), '\x02', {}, raw);
}

std::string EncodePalettedPng(int width, int height, std::span<const uint8_t> indexes,
                              std::span<const Color> colours, int transparent) {
  if (width < 1 || height < 1 || colours.empty() || colours.size() > 256 ||
      indexes.size() != static_cast<size_t>(width) * static_cast<size_t>(height))
    return {};
  for (uint8_t i : indexes)
    if (i >= colours.size()) return {};
  std::string plte, trns, raw;
  for (Color c : colours) {
    plte += static_cast<char>((c >> 16) & 0xFF);
    plte += static_cast<char>((c >> 8) & 0xFF);
    plte += static_cast<char>(c & 0xFF);
  }
  std::string chunks;
  PutChunk(chunks, "PLTE", plte);
  if (transparent >= 0 && static_cast<size_t>(transparent) < colours.size()) {
    // Alpha for the palette entries up to the transparent one; the rest stay opaque.
    trns.assign(static_cast<size_t>(transparent) + 1, '\xFF');
    trns.back() = '\0';
    PutChunk(chunks, "tRNS", trns);
  }
  for (int y = 0; y < height; ++y) {
    raw += '\0';  // no filter
    const auto row = indexes.subspan(static_cast<size_t>(y) * width, static_cast<size_t>(width));
    raw.append(row.begin(), row.end());
  }
  return PngFile(width, height, '\x03', chunks, raw);
}

bool SavePng(const Surface& s, const std::filesystem::path& path) {
  if (s.empty()) return false;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  const std::string bytes = EncodePng(s);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return static_cast<bool>(file);
}

}  // namespace pp
