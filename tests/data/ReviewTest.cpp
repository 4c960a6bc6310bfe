// The review tools: the sound listing and the contact sheet of a data folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "datagen/AssetNames.h"
#include "datagen/Review.h"
#include "datagen/SourceText.h"
#include "datagen/Synth.h"
#include "support/Scratch.h"

namespace pp::datagen {
namespace {

namespace fs = std::filesystem;

fs::path FreshDir(const std::string& name) {
  fs::path dir = test::ScratchPath("review-" + name);
  fs::remove_all(dir);
  fs::create_directories(dir / "dat");
  return dir;
}

TEST(Review, SoundListNamesEverySoundAndWhatIsWrong) {
  fs::path dir = FreshDir("sounds");
  WriteFile(dir / "dat" / "MOJI.WAV",
            Synthesize(
                ParseSounds("sound moji.wav 11025 8 1\n tone sine 440 440 0 0.05 1\nend\n").at(0)));
  WriteFile(dir / "dat" / "1.wav", "RIFF....WAVEjunk");
  std::string list = ListSounds(dir);
  EXPECT_NE(list.find("moji.wav           11025 Hz  8-bit mono    0.050 s"), std::string::npos)
      << list;
  EXPECT_NE(list.find("1.wav              not a PCM WAVE file"), std::string::npos);
  EXPECT_NE(list.find("pi.wav             missing"), std::string::npos);
  EXPECT_NE(list.find("1 of 81 sounds; longest moji.wav, 0.050 s"), std::string::npos);
  fs::remove_all(dir);
}

TEST(Review, ContactSheetHoldsACellForEveryPicture) {
  fs::path dir = FreshDir("sheet");
  fs::path png = dir / "sheet.png";
  EXPECT_EQ(WriteContactSheet(dir, png), "0 of 111 pictures on " + png.string());
  std::string bytes = ReadFile(png);
  ASSERT_GT(bytes.size(), 24u);
  EXPECT_EQ(bytes.substr(1, 3), "PNG");
  auto be32 = [&](size_t at) {
    return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) << 24 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 8 |
           static_cast<uint8_t>(bytes[at + 3]);
  };
  const uint32_t rows = (kPictureNames.size() + 7) / 8;
  EXPECT_EQ(be32(16), 8u * (195 + 2));  // eight cells of a halved screen a row
  EXPECT_EQ(be32(20), rows * (130 + 14 + 2));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace pp::datagen
