#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/TestData.h"
#include "core/AtomicFile.h"

namespace pp {
namespace {

namespace fs = std::filesystem;

constexpr TextSetting kFont{"font", "ipagp"};

TEST(Settings, ReadsKnownKeysAndKeepsEveryOtherLineWhenWritten) {
  test::TempData temp;
  const fs::path file = temp.root / "settings.ini";
  std::ofstream(file) << "# mine\r\nscale = 3\nfuture_key=some value\n\n[section]\n"
                         "fullscreen = yes\nfont =  konatu \nmute=off\nmute = on";
  std::ostringstream warnings;
  Settings s = Settings::Load(file, warnings);
  EXPECT_EQ(warnings.str(),
            "panipani: " + file.string() + ":5: not a 'key = value' line; kept as it is\n");
  EXPECT_EQ(s.Get(SettingKeys::kScale), 3);
  EXPECT_TRUE(s.Get(SettingKeys::kFullscreen));
  EXPECT_TRUE(s.Get(SettingKeys::kMute)) << "the last line for a key wins";
  EXPECT_EQ(s.Get(kFont), "konatu");

  s.Set(SettingKeys::kFullscreen, false);
  s.Set(SettingKeys::kScale, 5);
  s.Set(kFont, "a\nb");
  s.Set(TextSetting{"new_key", ""}, "x");
  ASSERT_EQ(s.Save(), std::nullopt);
  EXPECT_EQ(ReadWholeFile(file),
            "# mine\nscale = 5\nfuture_key=some value\n\n[section]\nfullscreen = false\n"
            "font = a\nmute=off\nmute = on\nnew_key = x\n");
}

TEST(Settings, BadValuesWarnAndReadAsTheDefault) {
  test::TempData temp;
  const fs::path file = temp.root / "settings.ini";
  std::ofstream(file) << "scale = 17\nfullscreen = maybe\nmute =\n";
  std::ostringstream warnings;
  Settings s = Settings::Load(file, warnings);
  EXPECT_EQ(s.Get(SettingKeys::kScale), 0);
  EXPECT_FALSE(s.Get(SettingKeys::kFullscreen));
  EXPECT_FALSE(s.Get(SettingKeys::kMute));
  EXPECT_NE(warnings.str().find(file.string() + ":1: scale must be a number from 0 to 16"),
            std::string::npos)
      << warnings.str();
  EXPECT_NE(warnings.str().find(":2: fullscreen must be true or false"), std::string::npos);
  EXPECT_NE(warnings.str().find(":3: mute"), std::string::npos);
}

TEST(Settings, MissingFileAndFolderAreCreatedAndAnUnreadableOneIsLeftAlone) {
  test::TempData temp;
  const fs::path file = temp.root / "config" / "panipani" / "settings.ini";
  std::ostringstream warnings;
  Settings s = Settings::Load(file, warnings);
  EXPECT_EQ(warnings.str(), "");
  EXPECT_EQ(s.Get(SettingKeys::kScale), 0);
  s.Set(SettingKeys::kMute, true);
  ASSERT_EQ(s.Save(), std::nullopt);
  EXPECT_EQ(ReadWholeFile(file), "mute = true\n");

  // A folder where the file should be: one warning, defaults, and Save leaves it.
  const fs::path folder = temp.root / "folder.ini";
  fs::create_directories(folder / "inside");
  Settings odd = Settings::Load(folder, warnings);
  EXPECT_NE(warnings.str().find(folder.string()), std::string::npos);
  odd.Set(SettingKeys::kMute, true);
  EXPECT_TRUE(odd.Save().has_value());
  EXPECT_TRUE(fs::is_directory(folder / "inside"));
}

}  // namespace
}  // namespace pp
