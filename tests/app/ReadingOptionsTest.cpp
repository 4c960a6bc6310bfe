// The reading aids' options and settings keys: the command line and the settings file.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/Launch.h"

namespace pp {
namespace {

TEST(ReadingOptions, TheCommandLineAndTheSettingsFileBothTurnThemOn) {
  std::vector<std::string_view> args = {"--text-hook", "copy", "--reduce-flashing",
                                        "--text-backing"};
  OptionsResult r = ParseOptions(args);
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.options.textHook, TextHookMode::Copy);
  EXPECT_TRUE(r.options.reduceFlashing && r.options.textBacking);
  for (std::vector<std::string_view> bad : {std::vector<std::string_view>{"--text-hook"},
                                            {"--text-hook", "speak"},
                                            {"--headless", "--text-hook", "copy"}}) {
    r = ParseOptions(bad);
    EXPECT_NE(r.error.find("--text-hook"), std::string::npos) << r.error;
  }

  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("panipani-reading-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::filesystem::path file = dir / "settings.ini";
  std::ofstream(file) << "text-hook = print\nreduce-flashing = true\ntext-backing = on\n";
  UserEnvironment env;
  env.home = dir.string();
  env.programDir = PANIPANI_BINARY_DIR;
  ProgramOptions o;
  o.saveDir = dir / "save";
  o.settingsFile = file;
  std::ostringstream warnings;
  LaunchResult launched = PrepareLaunch(o, env, warnings);
  ASSERT_EQ(launched.error, "");
  EXPECT_EQ(launched.launch.textHook, TextHookMode::Print);
  EXPECT_TRUE(launched.launch.config.drawing->reduceFlashing &&
              launched.launch.config.drawing->textBacking);
  EXPECT_EQ(warnings.str(), "");

  std::ofstream(file) << "text-hook = loud\n";
  launched = PrepareLaunch(o, env, warnings);
  EXPECT_EQ(launched.launch.textHook, TextHookMode::Off);
  EXPECT_NE(warnings.str().find("text-hook"), std::string::npos) << "a bad value is said";
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace pp
