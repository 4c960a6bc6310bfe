// The built program's folders: the save folder the environment points to, the first start from
// an older build folder's save, and the settings file and the clean-up of an interrupted save,
// which never change what the game does.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "app/TestData.h"
#include "core/AtomicFile.h"
#include "state/SaveFile.h"

namespace pp {
namespace {

namespace fs = std::filesystem;

const fs::path kProgram = fs::path(PANIPANI_BINARY_DIR) / "panipani";

struct ProgramRun {
  int status = -1;
  std::string out, err;
};

// Runs the program on `script` with `environment` ("NAME=value ...") before it.
ProgramRun RunProgram(const test::TempData& data, const std::string& environment,
                      const std::string& args, const std::string& script) {
  std::ofstream(data.root / "in.txt") << script;
  const std::string command = "env " + environment + " " + kProgram.string() + " " + args + " < " +
                              (data.root / "in.txt").string() + " > " +
                              (data.root / "out.txt").string() + " 2> " +
                              (data.root / "err.txt").string();
  ProgramRun run;
  const int status = std::system(command.c_str());
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadWholeFile(data.root / "out.txt").value_or("");
  run.err = ReadWholeFile(data.root / "err.txt").value_or("");
  return run;
}

class ProgramFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kProgram)) GTEST_SKIP() << "the program is not built";
    home = data.root / "home";
    environment = "HOME=" + home.string() + " XDG_DATA_HOME= XDG_CONFIG_HOME=";
  }
  fs::path XdgSaveDir() const { return home / ".local" / "share" / "panipani"; }

  test::TempData data{[] {
    GameState played;  // an older build folder's save, with records
    played.headerText = "old";
    played.deathCount = 6;
    played.records[5] = 1;
    played.deepestLevel = 4;
    return played;
  }()};
  fs::path home;
  std::string environment;
};

TEST_F(ProgramFolders, AnOlderBuildFoldersSaveReachesTheXdgFolderOnFirstStart) {
  const std::string shipped = ReadWholeFile(data.dataDir / "dat" / "my.dat").value();
  const ProgramRun run =
      RunProgram(data, environment, "--headless --data " + data.dataDir.string(), "close\n");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  GameState moved;
  ASSERT_EQ(ParseMyDat(ReadWholeFile(XdgSaveDir() / "my.dat").value_or(""), moved), std::nullopt);
  EXPECT_EQ(moved.headerText, "old");
  EXPECT_EQ(moved.deathCount, 6);
  EXPECT_EQ(moved.records[5], 1);
  EXPECT_TRUE(fs::exists(XdgSaveDir() / "成績.txt"));
  EXPECT_EQ(ReadWholeFile(data.dataDir / "dat" / "my.dat"), shipped) << "the old place is kept";
  EXPECT_FALSE(fs::exists(home / ".config")) << "headless reads and writes no settings";
}

TEST_F(ProgramFolders, ASaveFolderThatCannotBeMadeStopsTheStartNamingIt) {
  std::ofstream(data.root / "plain") << "in the way";
  const fs::path blocked = data.root / "plain" / "saves";
  const ProgramRun run = RunProgram(
      data, environment,
      "--headless --data " + data.dataDir.string() + " --save-dir " + blocked.string(), "close\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(blocked.string()), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");

  const ProgramRun nowhere = RunProgram(data, "HOME= XDG_DATA_HOME= XDG_CONFIG_HOME=",
                                        "--headless --data " + data.dataDir.string(), "close\n");
  EXPECT_EQ(nowhere.status, 1);
  EXPECT_NE(nowhere.err.find("--save-dir"), std::string::npos) << nowhere.err;
}

TEST_F(ProgramFolders, TheSettingsFileAndTheSaveFolderNeverChangeTheGame) {
  const std::string script =
      "tick 5\nclick\ntick 5\nclick\ntick 20\nchoose 3\ntick 40\nchoose 1\ntick 40\nstate\nclose\n";
  const std::string seeded = "--headless --auto-click --seed 7 --data " + data.dataDir.string();
  const ProgramRun plain = RunProgram(
      data, environment, seeded + " --save-dir " + (data.root / "plain-save").string(), script);
  ASSERT_EQ(plain.status, 0) << plain.err;
  ASSERT_NE(plain.out.find(R"({"ev":"state",)"), std::string::npos) << plain.out;

  const fs::path settings = data.root / "settings.ini";
  const std::string settingsText = "scale = 3\nfullscreen = true\nmute = true\nbogus line\n";
  std::ofstream(settings) << settingsText;
  // Leftovers of an interrupted save in the save folder go quietly.
  fs::create_directories(XdgSaveDir());
  std::ofstream(XdgSaveDir() / ".my.dat.Ab12Cd") << "half a save";
  const ProgramRun withSettings =
      RunProgram(data, environment, seeded + " --settings " + settings.string(), script);
  ASSERT_EQ(withSettings.status, 0) << withSettings.err;
  EXPECT_EQ(withSettings.out, plain.out);
  EXPECT_NE(withSettings.err.find(settings.string() + ":4:"), std::string::npos)
      << withSettings.err;
  EXPECT_EQ(ReadWholeFile(settings), settingsText) << "nothing changed, nothing written";
  EXPECT_EQ(ReadWholeFile(XdgSaveDir() / "my.dat"),
            ReadWholeFile(data.root / "plain-save" / "my.dat"));
  EXPECT_FALSE(fs::exists(XdgSaveDir() / ".my.dat.Ab12Cd"));
}

}  // namespace
}  // namespace pp
