// The generator's own sources: sprites, scenes, palettised pictures, sound recipes and tables.

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "datagen/Palette.h"
#include "datagen/PictureFile.h"
#include "datagen/Scenes.h"
#include "datagen/Sprites.h"
#include "datagen/Synth.h"
#include "datagen/TextTables.h"
#include "gfx/Bitmap.h"

namespace pp::datagen {
namespace {

const Palette kPalette = Palette::Parse(
    "# test colours\n"
    "0 #000000 black\n"
    "1 #FF0000 red  # a comment after the entry\n"
    "2 #00FF00 green\n"
    "3 #0000FF blue\n");

std::string ErrorOf(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

TEST(Palette, ReadsColoursAndRejectsBadEntries) {
  ASSERT_EQ(kPalette.size(), 4u);
  EXPECT_EQ(kPalette.color(kPalette.Index('1')), 0xFF0000u);
  EXPECT_EQ(kPalette.Index('.'), kTransparent);
  EXPECT_NE(ErrorOf([] { Palette::Parse("0 #000000\n0 #FFFFFF\n"); }).find("line 2"),
            std::string::npos);
  EXPECT_NE(ErrorOf([] { Palette::Parse("0 #00000G\n"); }), "");
  EXPECT_NE(ErrorOf([] { kPalette.Index('z'); }), "");
}

SpriteSet TestSprites() {
  SpriteSet set;
  ParseSprites("sprite arrow\n12.\n\n1..\nend\n", "test.txt", kPalette, set);
  return set;
}

TEST(Sprites, RowsPadWithTransparencyAndErrorsNameFileAndLine) {
  SpriteSet set = TestSprites();
  const IndexedImage& a = set.at("arrow");
  EXPECT_EQ(a.width, 3);
  EXPECT_EQ(a.height, 2);  // the blank line is spacing
  EXPECT_EQ(a.At(1, 0), kPalette.Index('2'));
  EXPECT_EQ(a.At(2, 1), kTransparent);
  SpriteSet bad;
  EXPECT_EQ(ErrorOf([&] {
              ParseSprites("sprite x\n0\n0q0\nend\n", "b.txt", kPalette, bad);
            }).rfind("b.txt:3:", 0),
            0u);
  EXPECT_NE(ErrorOf([&] { ParseSprites("sprite x\n0\n", "c.txt", kPalette, bad); }), "");
}

IndexedImage Render(const std::string& body, const std::string& header = "scene t.bmp 4 2") {
  SceneTable table = ParseScenes("template base\n  fill 3\nend\n" + header + "\n" + body + "end\n");
  return RenderScene(table.scenes.at(0), table, TestSprites(), kPalette);
}

TEST(Scenes, SpritesFlipSwapAndTint) {
  uint8_t c0 = kPalette.Index('0'), c1 = kPalette.Index('1'), c2 = kPalette.Index('2'),
          c3 = kPalette.Index('3');
  IndexedImage plain = Render("  use base\n  sprite arrow 0 0\n");
  EXPECT_EQ(plain.At(0, 0), c1);
  EXPECT_EQ(plain.At(1, 0), c2);
  EXPECT_EQ(plain.At(2, 0), c3);  // transparent keeps the background
  IndexedImage flipped = Render("  use base\n  sprite arrow 1 0 flip swap 10\n");
  EXPECT_EQ(flipped.At(1, 0), c3);
  EXPECT_EQ(flipped.At(2, 0), c2);
  EXPECT_EQ(flipped.At(3, 0), c0);
  EXPECT_EQ(flipped.At(3, 1), c0);
  IndexedImage tinted = Render("  fill 0\n  sprite arrow 0 0 tint 3\n");
  EXPECT_EQ(tinted.At(0, 0), c3);
  EXPECT_EQ(tinted.At(1, 0), c3);
  EXPECT_EQ(tinted.At(2, 0), c0);
}

TEST(Scenes, ScaledSceneEnlargesItsCanvasAndCropsToItsSize) {
  IndexedImage img = Render("  fill 0\n  rect 1 0 1 1 1\n", "scene t.bmp 5 4 2");
  ASSERT_EQ(img.width, 5);
  ASSERT_EQ(img.height, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(img.At(x, y), (x == 2 || x == 3) && y < 2 ? kPalette.Index('1') : 0) << x << y;
    }
  }
}

TEST(Scenes, TriangleAndGradientCoverTheirRows) {
  uint8_t c0 = kPalette.Index('0'), c1 = kPalette.Index('1'), c2 = kPalette.Index('2');
  IndexedImage tri = Render("  fill 0\n  tri 0 0 3 0 0 1 1\n");
  EXPECT_EQ(tri.At(0, 0), c1);
  EXPECT_EQ(tri.At(3, 0), c1);
  EXPECT_EQ(tri.At(0, 1), c1);
  EXPECT_EQ(tri.At(3, 1), c0);
  IndexedImage grad = Render("  grad 0 4 1 2\n", "scene t.bmp 8 4");
  for (int x = 0; x < 8; ++x) {
    EXPECT_EQ(grad.At(x, 0), c1);  // the first row is all the first colour
    EXPECT_EQ(grad.At(x, 3), c2);  // the last row all the last
  }
  int mixed = 0;
  for (int x = 0; x < 8; ++x) mixed += grad.At(x, 1) == c2;
  EXPECT_GT(mixed, 0);  // the rows between are dithered
  EXPECT_LT(mixed, 8);
}

TEST(Scenes, FaultsNameTheSceneAndLine) {
  std::string e = ErrorOf([] { Render("  fill 0\n  wobble 1 2\n"); });
  EXPECT_NE(e.find("t.bmp"), std::string::npos) << e;
  EXPECT_NE(e.find("line 6"), std::string::npos) << e;
  EXPECT_NE(ErrorOf([] { Render("  sprite nothing 0 0\n"); }).find("no sprite"), std::string::npos);
  EXPECT_NE(ErrorOf([] { Render("  use missing\n"); }).find("no template"), std::string::npos);
  EXPECT_NE(ErrorOf([] { ParseScenes("scene a.bmp\n  fill 0\n"); }).find("no end"),
            std::string::npos);
}

TEST(PictureFile, PalettisedBmpReadsBackThroughTheGame) {
  IndexedImage img(5, 3, kPalette.Index('2'));  // odd width: rows are padded
  img.Set(0, 0, kPalette.Index('1'));
  img.Set(4, 2, kPalette.Index('3'));
  img.pixels[1] = kTransparent;
  BitmapResult bmp = DecodeBmp(EncodeBmp8(img, kPalette));
  ASSERT_TRUE(bmp.surface) << bmp.error;
  EXPECT_EQ(bmp.surface->width(), 5);
  EXPECT_EQ(bmp.surface->height(), 3);
  EXPECT_EQ(bmp.surface->Pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(bmp.surface->Pixel(1, 0) & 0xFFFFFF, 0u);  // transparent becomes the first colour
  EXPECT_EQ(bmp.surface->Pixel(2, 1) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(bmp.surface->Pixel(4, 2) & 0xFFFFFF, 0x0000FFu);
}

SoundRecipe OneRecipe(const std::string& text) {
  auto recipes = ParseSounds(text);
  EXPECT_EQ(recipes.size(), 1u);
  return recipes.at(0);
}

int Sample8(const std::string& wav, size_t frame, int channels, int channel) {
  return static_cast<uint8_t>(wav[44 + frame * channels + channel]) - 128;
}

TEST(Synth, LengthFormatAndPeakFollowTheRecipe) {
  SoundRecipe r = OneRecipe(
      "sound a.wav 11025 8 1 0.5\n"
      "  tone square 441 441 0 0.1 0.2 env=flat\n"
      "  seq sine 0.1 0.05 0.05 0.3 A4 - A5\n"
      "end\n");
  EXPECT_EQ(r.voices.size(), 3u);  // the rest plays nothing
  std::string wav = Synthesize(r);
  auto info = ReadWaveInfo(wav);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->rate, 11025);
  EXPECT_EQ(info->bits, 8);
  EXPECT_EQ(info->channels, 1);
  EXPECT_EQ(info->dataBytes, 2757u);        // 0.25 s, rounded up to a whole frame
  EXPECT_EQ(wav.size(), 44u + 2757u + 1u);  // odd data is padded
  int loudest = 0;
  for (size_t i = 0; i < info->dataBytes; ++i)
    loudest = std::max(loudest, std::abs(Sample8(wav, i, 1, 0)));
  EXPECT_NEAR(loudest, 64, 1);  // half of full scale
}

TEST(Synth, PanPlacesAVoiceInOneChannel) {
  std::string wav = Synthesize(
      OneRecipe("sound b.wav 22050 8 2\n  tone square 500 500 0 0.05 0.5 pan=-1 env=flat\nend\n"));
  int left = 0, right = 0;
  for (size_t i = 0; i < 1000; ++i) {
    left = std::max(left, std::abs(Sample8(wav, i, 2, 0)));
    right = std::max(right, std::abs(Sample8(wav, i, 2, 1)));
  }
  EXPECT_GT(left, 60);
  EXPECT_EQ(right, 0);
}

TEST(Synth, RecipeFaultsNameTheirLine) {
  EXPECT_NE(ErrorOf([] { ParseSounds("sound a.wav 8000 8 1\nend\n"); }).find("line 1"),
            std::string::npos);
  EXPECT_NE(ErrorOf([] {
              ParseSounds("sound a.wav 11025 8 1\n tone hum 1 1 0 1 1\nend\n");
            }).find("line 2"),
            std::string::npos);
  EXPECT_NE(ErrorOf([] { ParseSounds("sound a.wav 11025 8 1\nend\n"); }).find("no voice"),
            std::string::npos);
  EXPECT_NE(ErrorOf([] { ParseSounds("sound a.wav 11025 24 1\n"); }), "");
}

TEST(Synth, WaveInfoRejectsWhatTheMixerWouldNotPlay) {
  std::string good =
      Synthesize(OneRecipe("sound c.wav 11025 16 1\n tone sine 440 440 0 0.01 1\nend\n"));
  ASSERT_TRUE(ReadWaveInfo(good));
  EXPECT_FALSE(ReadWaveInfo(good.substr(0, 50)));  // data chunk runs past the end
  std::string compressed = good;
  compressed[20] = 2;  // not PCM
  EXPECT_FALSE(ReadWaveInfo(compressed));
  std::string badAlign = good;
  badAlign[32] = 4;  // block size disagrees with the format
  EXPECT_FALSE(ReadWaveInfo(badAlign));
}

TEST(TextTables, EntriesBecomeCp932LinesAndCountsAreChecked) {
  EXPECT_EQ(BuildTextTable("# names\nあ\n\nABC\n", 2, "t"), "\x82\xA0\r\nABC\r\n");
  EXPECT_NE(ErrorOf([] { BuildTextTable("a\nb\n", 3, "t"); }).find("2 entries, expected 3"),
            std::string::npos);
  EXPECT_NE(ErrorOf([] { BuildTextTable("ok\n\xF0\x9F\x98\x80\n", 2, "t"); }).find("line 2"),
            std::string::npos);
}

}  // namespace
}  // namespace pp::datagen
