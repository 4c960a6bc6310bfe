#include "app/Launch.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/TestData.h"
#include "core/AtomicFile.h"

namespace pp {
namespace {

namespace fs = std::filesystem;

TEST(Launch, TheCommandLineWinsForTheRunAndOnlyWindowChoicesAreWrittenBack) {
  test::TempData temp;
  const UserEnvironment env{(temp.root / "home").string(), "", "", temp.root / "bin", ""};
  const fs::path file = temp.root / "home" / ".config" / "panipani" / "settings.ini";
  fs::create_directories(file.parent_path());
  std::ofstream(file) << "# kept\nscale = 4\nfullscreen = true\nlater = 1\n";

  ProgramOptions o;
  o.dataDir = temp.dataDir;
  o.scale = 2;
  o.mute = true;
  std::ostringstream warnings;
  LaunchResult r = PrepareLaunch(o, env, warnings);
  ASSERT_EQ(r.error, "");
  EXPECT_EQ(r.launch.config.saveDir, temp.root / "home" / ".local" / "share" / "panipani");
  EXPECT_TRUE(fs::is_directory(r.launch.config.saveDir));
  EXPECT_EQ(r.launch.scale, 2);
  EXPECT_TRUE(r.launch.fullscreen) << "from the file";
  EXPECT_TRUE(r.launch.config.mute) << "from the command line";

  // The player left fullscreen; mute stayed as the command line set it, so it is not stored.
  RememberChoices(r.launch, false, true, warnings);
  EXPECT_EQ(ReadWholeFile(file), "# kept\nscale = 4\nfullscreen = false\nlater = 1\n");
  EXPECT_EQ(warnings.str(), "");

  // Headless, the file is neither read nor written.
  o.headless = true;
  o.scale = 0;
  r = PrepareLaunch(o, env, warnings);
  EXPECT_EQ(r.launch.scale, 0);
  EXPECT_FALSE(r.launch.settings.has_value());
  RememberChoices(r.launch, true, false, warnings);
  EXPECT_EQ(ReadWholeFile(file), "# kept\nscale = 4\nfullscreen = false\nlater = 1\n");
}

TEST(Launch, SpeechAndTheFontComeFromTheFileUnlessTheCommandLineSaysSo) {
  test::TempData temp;
  const UserEnvironment env{(temp.root / "home").string(), "", "", temp.root / "bin", ""};
  const fs::path file = temp.root / "settings.ini";
  std::ofstream(file) << "speak = yes\nfont = /usr/share/fonts/X11/misc/shnmk12.pcf.gz\n";
  ProgramOptions o;
  o.dataDir = temp.dataDir;
  o.settingsFile = file;
  std::ostringstream warnings;
  LaunchResult r = PrepareLaunch(o, env, warnings);
  ASSERT_EQ(r.error, "");
  EXPECT_TRUE(r.launch.speak);
  EXPECT_EQ(r.launch.config.fontPath, fs::path("/usr/share/fonts/X11/misc/shnmk12.pcf.gz"));

  o.fontPath = "mine.ttf";
  r = PrepareLaunch(o, env, warnings);
  EXPECT_EQ(r.launch.config.fontPath, fs::path("mine.ttf"));
  std::ofstream(file) << "speak = off\n";
  o.fontPath.clear();
  r = PrepareLaunch(o, env, warnings);
  EXPECT_FALSE(r.launch.speak);
  EXPECT_TRUE(r.launch.config.fontPath.empty()) << "the installed outline font";
  EXPECT_EQ(warnings.str(), "");
}

}  // namespace
}  // namespace pp
