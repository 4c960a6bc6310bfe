#include "platform/UserPaths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "app/TestData.h"

namespace pp {
namespace {

namespace fs = std::filesystem;

UserEnvironment Env(std::string home, std::string xdgData, std::string xdgConfig) {
  return UserEnvironment{std::move(home), std::move(xdgData), std::move(xdgConfig), {}, {}};
}

TEST(UserPaths, SaveFolderAndSettingsFollowTheXdgVariables) {
  EXPECT_EQ(FindSaveDir(std::nullopt, Env("/h", "/x/data", "")).path, "/x/data/panipani");
  EXPECT_EQ(FindSettingsFile(Env("/h", "", "/x/conf")).path, "/x/conf/panipani/settings.ini");
  // Unset, empty and relative values fall back to the home folder's.
  for (const char* xdg : {"", "relative/dir"}) {
    SCOPED_TRACE(xdg);
    EXPECT_EQ(FindSaveDir(std::nullopt, Env("/h", xdg, xdg)).path, "/h/.local/share/panipani");
    EXPECT_EQ(FindSettingsFile(Env("/h", xdg, xdg)).path, "/h/.config/panipani/settings.ini");
  }
  EXPECT_EQ(FindSaveDir(fs::path("given"), Env("/h", "/x", "/x")).path, "given");

  const FoundPath none = FindSaveDir(std::nullopt, Env("", "", ""));
  EXPECT_TRUE(none.path.empty());
  EXPECT_NE(none.error.find("--save-dir"), std::string::npos) << none.error;
  EXPECT_FALSE(FindSettingsFile(Env("", "", "")).error.empty());
}

TEST(UserPaths, DataFolderInTheBuildTreeOrARelocatedInstall) {
  test::TempData temp;
  const fs::path prefix = temp.root / "opt" / "games";
  fs::create_directories(prefix / "bin");
  const FoundPath missing = FindDataDir(std::nullopt, prefix / "bin");
  EXPECT_NE(missing.error.find("--data"), std::string::npos) << missing.error;

  fs::create_directories(prefix / "share" / "panipani");
  EXPECT_EQ(FindDataDir(std::nullopt, prefix / "bin").path, prefix / "share" / "panipani");
  fs::create_directories(prefix / "bin" / "data");
  EXPECT_EQ(FindDataDir(std::nullopt, prefix / "bin").path, prefix / "bin" / "data");
  EXPECT_EQ(FindDataDir(fs::path("mine"), prefix / "bin").path, "mine");
}

TEST(UserPaths, ASaveFolderThatCannotBeUsedIsNamedAndLeftEmpty) {
  test::TempData temp;
  const fs::path fresh = temp.root / "new" / "panipani";
  EXPECT_EQ(PrepareSaveDir(fresh), std::nullopt);
  EXPECT_TRUE(fs::is_empty(fresh)) << "the check leaves nothing behind";

  std::ofstream(temp.root / "plain") << "a file";
  const fs::path blocked = temp.root / "plain" / "panipani";
  auto error = PrepareSaveDir(blocked);
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find(blocked.string()), std::string::npos) << *error;

  if (geteuid() != 0) {  // the superuser may write anywhere
    const fs::path readOnly = temp.root / "ro";
    fs::create_directories(readOnly);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec);
    error = PrepareSaveDir(readOnly);
    fs::permissions(readOnly, fs::perms::owner_all);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find(readOnly.string()), std::string::npos) << *error;
    EXPECT_TRUE(fs::is_empty(readOnly));
  }
}

TEST(UserPaths, TestsRunWithAHomeInsideTheBuildFolder) {
  const UserEnvironment env = CurrentUserEnvironment("");
  const std::string scratch = (fs::path(PANIPANI_BINARY_DIR) / "test-home").string();
  EXPECT_EQ(env.home, scratch);
  EXPECT_EQ(env.xdgDataHome.rfind(scratch, 0), 0u) << env.xdgDataHome;
  EXPECT_EQ(env.xdgConfigHome.rfind(scratch, 0), 0u) << env.xdgConfigHome;
  EXPECT_EQ(env.programDir, fs::path(PANIPANI_BINARY_DIR));
}

}  // namespace
}  // namespace pp
