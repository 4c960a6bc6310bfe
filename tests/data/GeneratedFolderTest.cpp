// The default data folder the build generated: every file the game names, in a form the game's
// own readers take.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>

#include "core/Cp932.h"
#include "core/FileLookup.h"
#include "datagen/AssetNames.h"
#include "datagen/Palette.h"
#include "datagen/SourceText.h"
#include "datagen/Synth.h"
#include "gfx/Bitmap.h"
#include "state/GameState.h"
#include "state/SaveFile.h"

namespace pp::datagen {
namespace {

const std::filesystem::path kData = std::filesystem::path(PANIPANI_BINARY_DIR) / "data";

std::string DataFile(std::string_view sub, std::string_view name) {
  auto path = FindDataFile(kData, sub, name);
  if (!path) ADD_FAILURE() << sub << "/" << name << " is missing";
  return path ? ReadFile(*path) : std::string();
}

TEST(GeneratedPictures, EveryPictureLoadsAtItsSizeInPaletteColours) {
  Palette palette =
      Palette::Parse(ReadFile(std::filesystem::path(PANIPANI_SOURCE_DIR) / "data/palette.txt"));
  std::set<Color> allowed(palette.colors().begin(), palette.colors().end());
  for (auto name : kPictureNames) {
    SCOPED_TRACE(std::string(name));
    BitmapResult bmp = DecodeBmp(DataFile("cg", name));
    ASSERT_TRUE(bmp.surface) << bmp.error;
    const Surface& s = *bmp.surface;
    if (name == kTitlePicture) {
      EXPECT_EQ(s.width(), 390);
      EXPECT_EQ(s.height(), 260);
    } else if (name != kMessageLayer) {
      EXPECT_EQ(s.width(), kSceneWidth);
      EXPECT_EQ(s.height(), kSceneHeight);
    }
    std::set<Color> used;
    for (int y = 0; y < s.height(); ++y) {
      for (int x = 0; x < s.width(); ++x) used.insert(s.Pixel(x, y) & 0xFFFFFF);
    }
    for (Color c : used) {
      EXPECT_TRUE(allowed.count(c)) << "colour " << std::hex << c;
    }
    // a scene is a picture, not a flat fill (the message layer alone is plain black)
    if (name != kMessageLayer) {
      EXPECT_GE(used.size(), 4u);
    }
  }
}

TEST(GeneratedPictures, MessageLayerStartsBlack) {
  BitmapResult bmp = DecodeBmp(DataFile("cg", kMessageLayer));
  ASSERT_TRUE(bmp.surface) << bmp.error;
  for (int y = 0; y < bmp.surface->height(); ++y) {
    for (int x = 0; x < bmp.surface->width(); ++x)
      ASSERT_EQ(bmp.surface->Pixel(x, y) & 0xFFFFFF, 0u);
  }
}

TEST(GeneratedSounds, EverySoundIsPcmInTheFormatsTheMixerConverts) {
  std::set<int> bits, channels, rates;
  int underHalfSecond = 0;
  for (auto name : kSoundNames) {
    SCOPED_TRACE(std::string(name));
    auto info = ReadWaveInfo(DataFile("dat", name));
    ASSERT_TRUE(info);
    EXPECT_TRUE(info->rate == 11025 || info->rate == 22050 || info->rate == 44100);
    EXPECT_GT(info->dataBytes, 0u);
    EXPECT_LT(info->seconds(), 1.5);  // short enough not to pile up on its channel
    underHalfSecond += info->seconds() < 0.5;
    bits.insert(info->bits), channels.insert(info->channels), rates.insert(info->rate);
  }
  // every conversion of the mixer gets used by the default data
  EXPECT_EQ(bits, (std::set<int>{8, 16}));
  EXPECT_EQ(channels, (std::set<int>{1, 2}));
  EXPECT_EQ(rates, (std::set<int>{11025, 22050, 44100}));
  EXPECT_GE(underHalfSecond * 4, static_cast<int>(kSoundNames.size()) * 3);
}

TEST(GeneratedSounds, MessageTickIsShorterThanATenthOfASecond) {
  auto info = ReadWaveInfo(DataFile("dat", "moji.wav"));
  ASSERT_TRUE(info);
  EXPECT_LT(info->seconds(), 0.1);
}

TEST(GeneratedTables, NameTablesReadBackThroughTheGame) {
  GameState s;
  std::string map = DataFile("dat", "map.dat");
  std::string names = DataFile("dat", "name.dat");
  ASSERT_EQ(ParseTextTable(map, s.levelNames), std::nullopt);
  ASSERT_EQ(ParseTextTable(names, s.nameSyllables), std::nullopt);
  EXPECT_EQ(std::count(map.begin(), map.end(), '\n'), kLevelNames);
  EXPECT_EQ(std::count(names.begin(), names.end(), '\n'), kNameSyllables);
  EXPECT_EQ(std::count(map.begin(), map.end(), '\r'), kLevelNames);
  // an empty name would mean "no enemy" to the battle; repeated ones waste the list
  std::set<std::string> distinct(s.nameSyllables.begin(), s.nameSyllables.end());
  EXPECT_EQ(distinct.size(), s.nameSyllables.size());
  for (const auto& n : s.nameSyllables) EXPECT_FALSE(n.empty());
  for (const auto& n : s.levelNames) {
    EXPECT_FALSE(n.empty());
    EXPECT_EQ(Cp932ToUtf8(*Utf8ToCp932(n)), n);
  }
}

TEST(GeneratedTables, FirstSaveLoadsAsAFreshGame) {
  std::string bytes = DataFile("dat", "my.dat");
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), kMyDatLines);
  GameState loaded;
  ASSERT_EQ(ParseMyDat(bytes, loaded), std::nullopt);
  GameState fresh;
  fresh.headerText = loaded.headerText;
  if (SerializeMyDat(loaded) != SerializeMyDat(fresh))
    GTEST_SKIP() << "this build folder keeps a save played with an earlier version";
  EXPECT_EQ(Cp932ToUtf8(loaded.headerText), "ぱにぱにらん save");
}

TEST(GeneratedFolder, StaticFilesAreCopiedAsTheyAre) {
  const std::filesystem::path staticDir =
      std::filesystem::path(PANIPANI_SOURCE_DIR) / "data/static";
  if (!std::filesystem::is_directory(staticDir)) GTEST_SKIP() << "no data/static";
  for (const auto& e : std::filesystem::recursive_directory_iterator(staticDir)) {
    if (!e.is_regular_file()) continue;
    auto rel = std::filesystem::relative(e.path(), staticDir);
    SCOPED_TRACE(rel.string());
    ASSERT_TRUE(std::filesystem::exists(kData / rel));
    EXPECT_EQ(ReadFile(kData / rel), ReadFile(e.path()));
  }
}

}  // namespace
}  // namespace pp::datagen
