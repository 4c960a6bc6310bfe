#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/Png.h"
#include "support/Scratch.h"

namespace pp {
namespace {

uint32_t BigEndian(const std::string& s, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
  return v;
}

// The uncompressed bytes behind a zlib stream made only of stored blocks.
std::string StoredBlocks(const std::string& z) {
  EXPECT_EQ(static_cast<unsigned char>(z[0]) & 0x0F, 8) << "deflate";
  EXPECT_EQ(((static_cast<unsigned char>(z[0]) << 8) | static_cast<unsigned char>(z[1])) % 31, 0);
  std::string raw;
  size_t pos = 2;
  for (bool last = false; !last;) {
    last = z[pos] & 1;
    EXPECT_EQ(z[pos] & 6, 0) << "stored block";
    const unsigned len =
        static_cast<unsigned char>(z[pos + 1]) | (static_cast<unsigned char>(z[pos + 2]) << 8);
    const unsigned nlen =
        static_cast<unsigned char>(z[pos + 3]) | (static_cast<unsigned char>(z[pos + 4]) << 8);
    EXPECT_EQ(len ^ 0xFFFF, nlen);
    raw += z.substr(pos + 5, len);
    pos += 5 + len;
  }
  EXPECT_EQ(pos + 4, z.size()) << "Adler-32 closes the stream";
  return raw;
}

TEST(Png, ChunksAndPixelRowsAreWellFormed) {
  Surface s(400, 300, 0x102030);  // more than one stored block of data
  s.SetPixel(399, 299, 0xA0B0C0);
  const std::string png = EncodePng(s);
  ASSERT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(BigEndian(png, 8), 13u);
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(BigEndian(png, 16), 400u);
  EXPECT_EQ(BigEndian(png, 20), 300u);
  EXPECT_EQ(png.substr(24, 5), std::string("\x08\x02\x00\x00\x00", 5));  // 8-bit RGB
  // Every PNG ends with the same empty IEND chunk and its known checksum.
  EXPECT_EQ(png.substr(png.size() - 12), std::string("\0\0\0\0IEND\xAE\x42\x60\x82", 12));
  const size_t idat = 8 + 25;
  ASSERT_EQ(png.substr(idat + 4, 4), "IDAT");
  const std::string raw = StoredBlocks(png.substr(idat + 8, BigEndian(png, idat)));
  ASSERT_EQ(raw.size(), 300u * (1 + 400 * 3));
  EXPECT_EQ(raw.substr(0, 4), std::string("\0\x10\x20\x30", 4));  // filter byte, then RGB
  EXPECT_EQ(raw.substr(raw.size() - 3), "\xA0\xB0\xC0");
}

TEST(Png, SavesToAFileAndRefusesWhatItCannot) {
  const auto path = test::ScratchPath("shot.png");
  Surface s(3, 2, 0xFFFFFF);
  ASSERT_TRUE(SavePng(s, path));
  std::ifstream file(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::filesystem::remove(path);
  EXPECT_EQ(bytes, EncodePng(s));
  EXPECT_FALSE(SavePng(s, "/nonexistent-folder/shot.png"));
  EXPECT_FALSE(SavePng(Surface(), path));
  EXPECT_TRUE(EncodePng(Surface()).empty());
}

TEST(Png, PalettedPicturesCarryTheirPaletteAndOneTransparentColour) {
  const std::vector<uint8_t> indexes = {0, 1, 2, 2, 1, 0};
  const std::vector<Color> colours = {0x112233, 0xFFFFFF, 0x000000};
  const std::string png = EncodePalettedPng(3, 2, indexes, colours, 2);
  ASSERT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(png.substr(24, 5), std::string("\x08\x03\x00\x00\x00", 5));  // 8-bit indexes
  size_t at = 8 + 25;
  ASSERT_EQ(png.substr(at + 4, 4), "PLTE");
  EXPECT_EQ(png.substr(at + 8, BigEndian(png, at)),
            std::string("\x11\x22\x33\xFF\xFF\xFF\x00\x00\x00", 9));
  at += 12 + BigEndian(png, at);
  ASSERT_EQ(png.substr(at + 4, 4), "tRNS");
  EXPECT_EQ(png.substr(at + 8, BigEndian(png, at)), std::string("\xFF\xFF\x00", 3));
  at += 12 + BigEndian(png, at);
  ASSERT_EQ(png.substr(at + 4, 4), "IDAT");
  EXPECT_EQ(StoredBlocks(png.substr(at + 8, BigEndian(png, at))),
            std::string("\0\x00\x01\x02\0\x02\x01\x00", 8));
  // Without a transparent colour there is no tRNS chunk.
  EXPECT_EQ(EncodePalettedPng(3, 2, indexes, colours, -1).find("tRNS"), std::string::npos);
  // Sizes that disagree with the pixels, or a pixel without a colour, give no file.
  EXPECT_TRUE(EncodePalettedPng(2, 2, indexes, colours, 2).empty());
  EXPECT_TRUE(
      EncodePalettedPng(3, 2, indexes, std::vector<Color>(colours.begin(), colours.begin() + 2), -1)
          .empty());
}

}  // namespace
}  // namespace pp
