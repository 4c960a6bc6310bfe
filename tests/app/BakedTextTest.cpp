// The game drawn from the baked glyph file (PANIPANI_GLYPHS) is the game drawn with FreeType:
// the same events and the same frames, pixel for pixel, in Japanese and with English beside it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/Program.h"
#include "lang/DisplayLanguage.h"
#include "platform/headless/HeadlessHost.h"
#include "support/Files.h"

namespace pp {
namespace {

namespace fs = std::filesystem;

const char* kGlyphFile = PANIPANI_BINARY_DIR "/glyphs.bin";

struct Playthrough {
  int status = -1;
  std::string events;
  std::vector<std::string> frames;
};

class BakedText : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* data = std::getenv("PANIPANI_DATA");
    dataDir_ = data ? fs::path(data) : fs::path(PANIPANI_BINARY_DIR) / "data";
    root_ = fs::temp_directory_path() / ("panipani-baked-text-" + std::to_string(::getpid()));
    fs::create_directories(root_);
  }
  void TearDown() override {
    unsetenv("PANIPANI_GLYPHS");
    if (!root_.empty()) fs::remove_all(root_);
  }

  // A seeded life from the title through character creation into the camp and its item panel,
  // a screenshot after every step; `glyphs` empty draws with FreeType; `language` null plays in
  // Japanese alone.
  Playthrough Play(const std::string& name, const char* glyphs, DisplayLanguage* language) {
    if (glyphs)
      setenv("PANIPANI_GLYPHS", glyphs, 1);
    else
      unsetenv("PANIPANI_GLYPHS");
    const fs::path dir = root_ / name;
    fs::create_directories(dir / "save");
    std::string script = "tick 5\nclick\ntick 5\nclick\ntick 20\nchoose 3\n";
    for (int step = 0; step < 40; ++step) {
      script += "tick 10\nchoose " + std::to_string(1 + step % 3) + "\n";
      if (step % 4 == 3) script += "panel select 0\ntick 3\n";
      script += "screenshot " + (dir / (std::to_string(step) + ".bmp")).string() + "\n";
      if (step % 8 == 7) script += "panel close\n";
    }
    script += "close\n";
    std::istringstream in(script);
    std::ostringstream out;
    HeadlessHost host(in, out);
    GameConfig config;
    config.dataDir = dataDir_;
    config.saveDir = dir / "save";
    config.language = language;
    Playthrough run;
    run.status = RunGame(host, config, 7);
    run.events = out.str();
    for (int step = 0; step < 40; ++step)
      run.frames.push_back(ReadAll(dir / (std::to_string(step) + ".bmp")));
    return run;
  }

  fs::path dataDir_, root_;
};

TEST_F(BakedText, TheGameDrawnFromTheGlyphFileEqualsTheGameDrawnWithFreeType) {
  // Both languages: each message in Japanese with its English under it, the rest in English.
  DisplayLanguage both(Catalogue::Load(dataDir_ / "lang" / "en.po"), DisplayLanguage::Mode::Both);
  std::vector<std::string> japaneseFrames;
  for (DisplayLanguage* language : {static_cast<DisplayLanguage*>(nullptr), &both}) {
    const std::string mode = language ? "both" : "ja";
    const Playthrough font = Play("font-" + mode, nullptr, language);
    const Playthrough baked = Play("baked-" + mode, kGlyphFile, language);
    ASSERT_EQ(font.status, 0) << mode;
    EXPECT_EQ(baked.status, 0) << mode;
    EXPECT_EQ(baked.events, font.events) << mode;
    EXPECT_NE(font.events.find("\"ev\":\"panel\""), std::string::npos) << "the panel never opened";
    for (size_t i = 0; i < font.frames.size(); ++i) {
      ASSERT_FALSE(font.frames[i].empty()) << "no screenshot " << i;
      EXPECT_TRUE(baked.frames[i] == font.frames[i]) << mode << " frame " << i << " differs";
    }
    if (!language)
      japaneseFrames = font.frames;
    else
      EXPECT_NE(font.frames, japaneseFrames) << "nothing was drawn in English";
  }
}

TEST_F(BakedText, ADamagedGlyphFileStopsTheStartWithItsName) {
  const fs::path broken = root_ / "broken.bin";
  std::ofstream(broken) << "PPGLYPH1 and then nothing useful";
  std::istringstream in("close\n");
  std::ostringstream out;
  HeadlessHost host(in, out);
  setenv("PANIPANI_GLYPHS", broken.c_str(), 1);
  GameConfig config;
  config.dataDir = dataDir_;
  config.saveDir = root_ / "save";
  EXPECT_EQ(RunGame(host, config, 1), 1);
  EXPECT_NE(out.str().find(broken.string()), std::string::npos) << out.str();
  EXPECT_FALSE(fs::exists(root_ / "save" / "my.dat"));
}

}  // namespace
}  // namespace pp
