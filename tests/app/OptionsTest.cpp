#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string_view>
#include <vector>

#include "app/Options.h"

namespace pp {
namespace {

OptionsResult Parse(std::vector<std::string_view> args) { return ParseOptions(args); }

TEST(Options, EveryOptionIsRead) {
  OptionsResult r =
      Parse({"--data", "d", "--save-dir", "s", "--seed", "4294967295", "--scale", "3",
             "--fullscreen", "--headless", "--auto-click", "--mute", "--record-audio", "out.wav"});
  ASSERT_EQ(r.error, "");
  const ProgramOptions& o = r.options;
  EXPECT_EQ(o.dataDir, std::filesystem::path("d"));
  EXPECT_EQ(o.saveDir, std::filesystem::path("s"));
  EXPECT_EQ(o.seed, 4294967295u);
  EXPECT_EQ(o.scale, 3);
  EXPECT_TRUE(o.fullscreen && o.headless && o.autoClick && o.mute);
  EXPECT_EQ(o.recordAudioPath, std::filesystem::path("out.wav"));
}

TEST(Options, NothingGivenLeavesTheDefaults) {
  OptionsResult r = Parse({});
  ASSERT_EQ(r.error, "");
  EXPECT_FALSE(r.options.dataDir.has_value());
  EXPECT_FALSE(r.options.seed.has_value());
  EXPECT_EQ(r.options.scale, 0);
  EXPECT_FALSE(r.options.headless);
}

TEST(Options, BadLinesNameTheOption) {
  struct Case {
    std::vector<std::string_view> args;
    std::string_view mentions;
  };
  const Case cases[] = {
      {{"--bogus"}, "--bogus"},
      {{"--headless", "extra"}, "extra"},
      {{"--seed"}, "--seed"},
      {{"--seed", "-1"}, "--seed"},
      {{"--seed", "4294967296"}, "--seed"},
      {{"--seed", "12x"}, "--seed"},
      {{"--scale", "0"}, "--scale"},
      {{"--scale", "17"}, "--scale"},
      {{"--data"}, "--data"},
      {{"--data", ""}, "--data"},
      {{"--auto-click"}, "--auto-click"},
      {{"--data=dir"}, "--data=dir"},
  };
  for (const Case& c : cases) {
    OptionsResult r = Parse(c.args);
    EXPECT_NE(r.error.find(c.mentions), std::string::npos) << "error: " << r.error;
    EXPECT_EQ(r.error.find('\n'), std::string::npos);
  }
}

TEST(Options, DataFolderBesideTheProgram) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("panipani-options-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  EXPECT_EQ(DefaultDataDir(dir), dir);
  std::filesystem::create_directories(dir / "data");
  EXPECT_EQ(DefaultDataDir(dir), dir / "data");
  std::filesystem::remove_all(dir);
}

TEST(Options, TimeOfDaySeedIsWithinADay) { EXPECT_LT(TimeOfDaySeed(), 86'400'000u); }

}  // namespace
}  // namespace pp
