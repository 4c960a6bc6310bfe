#include <gtest/gtest.h>

#include <filesystem>
#include <string_view>
#include <vector>

#include "app/Options.h"

namespace pp {
namespace {

OptionsResult Parse(std::vector<std::string_view> args) { return ParseOptions(args); }

TEST(Options, EveryOptionIsRead) {
  OptionsResult r = Parse({"--data", "d", "--save-dir", "s", "--settings", "t.ini", "--seed",
                           "4294967295", "--scale", "3", "--fullscreen", "--headless",
                           "--auto-click", "--mute", "--record-audio", "out.wav"});
  ASSERT_EQ(r.error, "");
  const ProgramOptions& o = r.options;
  EXPECT_EQ(o.dataDir, std::filesystem::path("d"));
  EXPECT_EQ(o.saveDir, std::filesystem::path("s"));
  EXPECT_EQ(o.settingsFile, std::filesystem::path("t.ini"));
  EXPECT_EQ(o.seed, 4294967295u);
  EXPECT_EQ(o.scale, 3);
  EXPECT_TRUE(o.fullscreen && o.headless && o.autoClick && o.mute);
  EXPECT_EQ(o.recordAudioPath, std::filesystem::path("out.wav"));
}

TEST(Options, BadLinesNameTheOptionOnOneLine) {
  const std::vector<std::vector<std::string_view>> cases = {
      {"--bogus"},      {"--headless", "extra"},  {"--seed"},
      {"--seed", "-1"}, {"--seed", "4294967296"}, {"--seed", "12x"},
      {"--scale", "0"}, {"--scale", "17"},        {"--data"},
      {"--data", ""},   {"--auto-click"},         {"--data=dir"},
      {"--settings"}};
  for (const auto& args : cases) {
    OptionsResult r = Parse(args);
    // The option named is the bad word itself, or the option whose value is bad.
    const std::string_view named = args.size() == 2 && args[0] == "--headless" ? args[1] : args[0];
    EXPECT_NE(r.error.find(named), std::string::npos) << "error: " << r.error;
    EXPECT_EQ(r.error.find('\n'), std::string::npos);
  }
}

}  // namespace
}  // namespace pp
