#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/AtomicFile.h"
#include "core/Cp932.h"
#include "game/Game.h"
#include "game/LoadSave.h"
#include "game/ResetPrompt.h"
#include "platform/AudioDevice.h"
#include "state/SaveFile.h"
#include "support/TestHost.h"

namespace pp {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFile(const fs::path& path) { return ReadWholeFile(path).value_or("<missing>"); }

std::string Report(const fs::path& path) {
  return Cp932ToUtf8(ReadFile(path)).value_or("<not CP932>");
}

// A data folder with dat/my.dat (from `saved`), dat/map.dat and dat/name.dat in CP932.
class StateFiles : public ::testing::Test {
 protected:
  StateFiles() {
    static std::atomic<int> counter{0};
    root = fs::temp_directory_path() /
           ("panipani-state-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    fs::create_directories(dataDir() / "dat");
    std::string map, names;
    for (int i = 0; i < kLevelNames; ++i) map += *Utf8ToCp932("界" + std::to_string(i)) + "\r\n";
    for (int i = 0; i < kNameSyllables; ++i)
      names += *Utf8ToCp932("ゴ" + std::to_string(i)) + "\r\n";
    WriteFile(datFile("map.dat"), map);
    WriteFile(datFile("name.dat"), names);
    saved.headerText = "header";
    saved.deathCount = 3;
    saved.records[0] = 1;
    saved.records[5] = 1;
    saved.deepestLevel = 2;
    saved.deepestAu = 40;
    saved.keptValue1 = 11;
    saved.spareSaved = 77;
    saved.money = 999;
    saved.itemCount[4] = 2;
    WriteFile(datFile("my.dat"), SerializeMyDat(saved));
  }
  ~StateFiles() override {
    std::error_code ec;
    fs::remove_all(root, ec);
  }

  fs::path dataDir() const { return root / "data"; }
  fs::path datFile(const char* name) const { return dataDir() / "dat" / name; }
  fs::path saveDir() const { return root / "save"; }
  fs::path saveFile(const char* name) const { return saveDir() / fs::path(name); }
  GameConfig Config() const { return Config(saveDir()); }
  GameConfig Config(fs::path saveFolder) const {
    GameConfig c;
    c.dataDir = dataDir();
    c.saveDir = std::move(saveFolder);
    return c;
  }

  fs::path root;
  GameState saved;
  TestHost host;
};

TEST_F(StateFiles, AfterARestartOnlyTheKeptSetSurvives) {
  {
    Game g(host, Config(), 1);
    ASSERT_EQ(LoadGame(g), std::nullopt);
    EXPECT_EQ(g.state.headerText, "header");
    EXPECT_EQ(g.state.money, 999);
    EXPECT_EQ(g.state.levelNames[99], "界99");
    EXPECT_EQ(g.state.nameSyllables[225], "ゴ225");
    g.state.deathCount = 4;
    g.state.level = 9;
    g.state.hp = 1;
    ASSERT_TRUE(SaveGame(g));
  }
  Game g(host, Config(), 1);
  ASSERT_EQ(LoadGame(g), std::nullopt);
  NewGame(g);
  EXPECT_EQ(g.state.deathCount, 4);
  EXPECT_EQ(g.state.records[5], 1);
  EXPECT_EQ(g.state.deepestAu, 40);
  EXPECT_EQ(g.state.level, 0);
  EXPECT_EQ(g.state.hp, 10);
  EXPECT_EQ(g.state.money, 0);
  EXPECT_EQ(g.state.itemCount[4], 0);
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(StateFiles, NamesAreFoundWhateverTheirCase) {
  fs::rename(dataDir() / "dat", dataDir() / "DAT");
  fs::rename(dataDir() / "DAT" / "my.dat", dataDir() / "DAT" / "My.Dat");
  {
    Game g(host, Config(root / "fresh"), 1);
    ASSERT_EQ(LoadGame(g), std::nullopt);
    EXPECT_EQ(ReadFile(root / "fresh" / "my.dat"), ReadFile(dataDir() / "DAT" / "My.Dat"));
  }
  fs::create_directories(saveDir());
  fs::copy_file(dataDir() / "DAT" / "My.Dat", saveFile("MY.DAT"));
  Game g(host, Config(), 1);
  ASSERT_EQ(LoadGame(g), std::nullopt);
  ASSERT_TRUE(SaveGame(g));
  EXPECT_FALSE(fs::exists(saveFile("my.dat")));
  EXPECT_EQ(ReadFile(saveFile("MY.DAT")), SerializeMyDat(g.state));
}

TEST_F(StateFiles, AFaultyFileIsNamedAndNeverOverwritten) {
  std::string bytes = ReadFile(datFile("my.dat"));
  bytes.replace(bytes.find("\r\n999\r\n"), 7, "\r\n9x9\r\n");  // line 2, money
  WriteFile(datFile("my.dat"), bytes);
  Game g(host, Config(), 1);
  EXPECT_EQ(LoadGame(g), datFile("my.dat").string() + ": line 2: expected a number for money");
  EXPECT_EQ(g.state.headerText, "");  // nothing was taken from the faulty file
  NewGame(g);
  EXPECT_FALSE(SaveGame(g));
  EXPECT_EQ(ReadFile(datFile("my.dat")), bytes);
  EXPECT_FALSE(fs::exists(saveFile("my.dat")));
  EXPECT_FALSE(fs::exists(saveFile("成績.txt")));
}

TEST_F(StateFiles, MissingOrShortFilesAreNamed) {
  {
    WriteFile(datFile("map.dat"), "one\r\ntwo\r\n");
    Game g(host, Config(), 1);
    EXPECT_EQ(LoadGame(g),
              datFile("map.dat").string() + ": line 3: expected entry 2 of 100, but the file ends");
    EXPECT_EQ(g.state.levelNames[0], "");
  }
  {
    fs::remove(datFile("name.dat"));
    Game g(host, Config(), 1);
    EXPECT_EQ(LoadGame(g), datFile("name.dat").string() + ": the file is missing");
  }
  {
    fs::remove(datFile("my.dat"));
    Game g(host, Config(root / "save"), 1);
    EXPECT_EQ(LoadGame(g), datFile("my.dat").string() + ": the file is missing");
    EXPECT_FALSE(fs::exists(root / "save" / "my.dat"));
  }
}

TEST_F(StateFiles, AFolderWhereAFileShouldBeIsNamedAndNothingIsWritten) {
  for (const char* name : {"my.dat", "name.dat", "map.dat"}) {
    SCOPED_TRACE(name);
    const fs::path file = datFile(name);
    const fs::path aside = root / "aside";
    fs::rename(file, aside);
    fs::create_directories(file / "inside");
    Game g(host, Config(root / name), 1);
    EXPECT_EQ(LoadGame(g), file.string() + ": the file cannot be read");
    NewGame(g);
    EXPECT_FALSE(fs::exists(root / name / "my.dat"));
    fs::remove_all(file);
    fs::rename(aside, file);
  }
  // The same in the save folder itself: its my.dat is a folder.
  fs::create_directories(saveFile("my.dat"));
  Game g(host, Config(), 1);
  EXPECT_EQ(LoadGame(g), saveFile("my.dat").string() + ": the file cannot be read");
  NewGame(g);
  EXPECT_FALSE(fs::exists(saveFile("成績.txt")));
}

TEST_F(StateFiles, APlayersTablesWithBytesThatAreNotCp932StillLoad) {
  std::string map = ReadFile(datFile("map.dat"));
  // Level 2, the deepest reached: a stray 0xFF and ≒ in its NEC code, which has a twin.
  const std::string level2 = "\xFF\x87\x90";
  map.replace(map.find(*Utf8ToCp932("界2")), 3, level2);
  WriteFile(datFile("map.dat"), map);
  WriteFile(datFile("name.dat"), "\x80\r\n" + ReadFile(datFile("name.dat")));
  Game g(host, Config(), 1);
  ASSERT_EQ(LoadGame(g), std::nullopt);
  EXPECT_EQ(LevelName(g.state, 2), "\uFFFD≒");
  EXPECT_EQ(g.state.nameSyllables[0], "\uFFFD");
  EXPECT_EQ(g.state.nameSyllables[1], "ゴ0");
  ASSERT_TRUE(SaveGame(g));
  EXPECT_NE(ReadFile(saveFile("成績.txt")).find(" " + level2 + " 40AU"), std::string::npos);
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(StateFiles, TheNextStartRemovesOnlyOurOwnTemporaryFiles) {
  fs::create_directories(saveDir());
  const std::string ours[] = {".my.dat.a1B2c3", ".成績.txt.XyZ789"};
  const std::string others[] = {".my.dat.a1B2c",  ".my.dat.a1B2c3d",  "my.dat.a1B2c3",
                                ".my.dat.a1-2c3", ".name.dat.a1B2c3", ".my.dat.a1B2c3.png"};
  for (const auto& name : ours) WriteFile(saveFile(name.c_str()), "half");
  for (const auto& name : others) WriteFile(saveFile(name.c_str()), "theirs");
  fs::create_directories(saveFile(".my.dat.Folder"));
  Game g(host, Config(), 1);
  ASSERT_EQ(LoadGame(g), std::nullopt);
  for (const auto& name : ours) EXPECT_FALSE(fs::exists(saveFile(name.c_str()))) << name;
  for (const auto& name : others) EXPECT_TRUE(fs::exists(saveFile(name.c_str()))) << name;
  EXPECT_TRUE(fs::is_directory(saveFile(".my.dat.Folder")));
}

TEST_F(StateFiles, ASaveFolderStartsFromTheShippedSaveAndKeepsBothFiles) {
  fs::path saveDir = root / "save" / "deeper";
  std::string shipped = ReadFile(datFile("my.dat"));
  Game g(host, Config(saveDir), 1);
  ASSERT_EQ(LoadGame(g), std::nullopt);
  EXPECT_EQ(ReadFile(saveDir / "my.dat"), shipped);
  EXPECT_EQ(g.state.deathCount, 3);
  g.state.deathCount = 8;
  ASSERT_TRUE(SaveGame(g));
  EXPECT_EQ(ReadFile(datFile("my.dat")), shipped);
  EXPECT_EQ(ReadFile(saveDir / "my.dat"), SerializeMyDat(g.state));
  EXPECT_NE(Report(saveDir / "成績.txt").find("GAMEOVER回数: 8回\r\n"), std::string::npos);
  EXPECT_FALSE(fs::exists(dataDir() / "成績.txt"));
}

TEST_F(StateFiles, AFailedWriteLeavesTheOldFileWhole) {
  Game g(host, Config(), 1);
  ASSERT_EQ(LoadGame(g), std::nullopt);
  std::string before = ReadFile(saveFile("my.dat"));
  g.state.money = 12345;

  // A file-size limit makes the write stop part-way, as a full disk would.
  struct rlimit old;
  getrlimit(RLIMIT_FSIZE, &old);
  auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 1000;
  setrlimit(RLIMIT_FSIZE, &small);
  bool ok = SaveGame(g);
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(ok);
  EXPECT_EQ(ReadFile(saveFile("my.dat")), before);
  ASSERT_EQ(host.errors.size(), 1u);
  EXPECT_EQ(host.errors[0].rfind("Cannot write " + saveFile("my.dat").string() + ": ", 0), 0u)
      << host.errors[0];
  EXPECT_FALSE(fs::exists(saveFile("成績.txt")));
  int entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(saveDir())) ++entries;
  EXPECT_EQ(entries, 1);  // no temporary file left behind

  fs::remove_all(saveDir());
  WriteFile(saveDir(), "a file where the save folder was");
  EXPECT_FALSE(SaveGame(g));
  EXPECT_EQ(host.errors.size(), 2u);
}

TEST_F(StateFiles, NewGameStartsPoorUnlessTheFlagIsKept) {
  Game g(host, Config(), 1);
  ASSERT_EQ(LoadGame(g), std::nullopt);
  g.state.enemyName = "魔女";
  g.state.enemyMaxHp = 30;
  g.state.enemyElite = 1;
  g.state.caveProgress = -1;
  g.state.blockReleaseCount = 2;
  NewGame(g);
  EXPECT_EQ(g.state.money, 0);
  EXPECT_EQ(g.state.enemyName, "");
  EXPECT_EQ(g.state.enemyElite, 0);
  EXPECT_EQ(g.state.enemyMaxHp, 30);  // the enemy clear leaves the maximum
  EXPECT_EQ(g.state.caveProgress, 0);
  EXPECT_EQ(g.state.blockReleaseCount, 0);
  EXPECT_EQ(ReadFile(saveFile("my.dat")), SerializeMyDat(g.state));

  g.state.keptFlags[23] = 1;
  NewGame(g);
  EXPECT_EQ(g.state.money, 2000);
}

TEST_F(StateFiles, FullResetErasesTheRecordsAndTheReportSaysSo) {
  Game g(host, Config(), 1);
  ASSERT_EQ(LoadGame(g), std::nullopt);
  g.state.keptFlags[23] = 1;
  FullReset(g);
  EXPECT_EQ(g.state.money, 0);
  EXPECT_EQ(g.state.deathCount, 0);
  EXPECT_EQ(g.state.keptValue1, 0);
  EXPECT_EQ(g.state.records[5], 0);
  EXPECT_EQ(g.state.headerText, "header");
  EXPECT_EQ(g.state.spareSaved, 77);
  EXPECT_EQ(Report(saveFile("成績.txt")),
            "★ピルカピルカホロム4 ver1.1\r\nｽﾃｯﾊﾟｰｽﾞ･ﾉﾝｽﾄｯﾌﾟ\r\nGAMEOVER回数: 0回\r\n"
            "最深到達レベル: 0 界0 0AU地点\r\n\r\n");
}

TEST_F(StateFiles, OnlyAYesToTheEnterPromptResets) {
  Game g(host, Config(), 1);
  ASSERT_EQ(LoadGame(g), std::nullopt);
  FormKeyDown(g, 27);
  EXPECT_TRUE(host.confirms.empty());
  EXPECT_EQ(host.Played("1.wav", 0), 0);

  host.confirmAnswer = false;  // No, Escape or closing the box
  FormKeyDown(g, 13);
  ASSERT_EQ(host.confirms.size(), 1u);
  EXPECT_EQ(host.Played("1.wav", 0), 1);
  EXPECT_EQ(host.confirms[0],
            "【!!】全てのゲームデータを完全初期化しますがよろしいですか？\r"
            "(※この初期化は、クリア回数やエンディングデータなど全てを初期化するものです。)");
  EXPECT_EQ(g.state.deathCount, 3);
  EXPECT_EQ(g.state.money, 999);
  EXPECT_FALSE(fs::exists(saveFile("成績.txt")));

  host.confirmAnswer = true;
  FormKeyDown(g, 13);
  EXPECT_EQ(g.state.deathCount, 0);
  EXPECT_EQ(g.state.records[0], 0);
  EXPECT_TRUE(fs::exists(saveFile("成績.txt")));
}

}  // namespace
}  // namespace pp
