#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/Game.h"
#include "app/Program.h"
#include "app/Startup.h"
#include "app/TestData.h"
#include "gfx/Bitmap.h"
#include "platform/headless/HeadlessHost.h"
#include "support/TestHost.h"

namespace pp {
namespace {

GameConfig Config(const test::TempData& d) {
  GameConfig c;
  c.dataDir = d.dataDir;
  c.saveDir = d.saveDir;
  return c;
}

bool SaveFolderEmpty(const test::TempData& d) { return std::filesystem::is_empty(d.saveDir); }

TEST(Startup, LoginChoicesFollowThePromotionRecord) {
  for (int32_t promoted : {0, 1}) {
    GameState saved;
    saved.records[7] = promoted;
    test::TempData data(saved);
    TestHost host;
    Game g(host, Config(data), 1);
    ASSERT_EQ(FormCreate(g), std::nullopt);
    EXPECT_EQ(g.state.choiceLabel1, "");
    EXPECT_EQ(g.state.choiceLabel2, promoted ? "Promortion" : "");
    EXPECT_EQ(g.state.choiceLabel3, "旅立つ");
    EXPECT_EQ(g.state.titlePhase, -2);
    EXPECT_EQ(g.state.clickState, 1);
    EXPECT_EQ(g.state.frameIntervalMs, 90);
    EXPECT_EQ(g.state.records[7], promoted);
    // The title picture is on the picture and in the glow layer; the new game was saved.
    EXPECT_EQ(g.cg.Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(g.cg.Pixel(200, 100), test::kTitleColour);
    EXPECT_EQ(g.bak.Pixel(200, 100), test::kTitleColour);
    EXPECT_TRUE(std::filesystem::exists(data.saveDir / "my.dat"));
  }
}

TEST(Startup, StartsEveryRunAsANewCharacter) {
  GameState saved;
  saved.level = 12;
  saved.money = 5000;
  saved.deathCount = 4;
  saved.deepestLevel = 3;
  test::TempData data(saved);
  TestHost host;
  Game g(host, Config(data), 1);
  ASSERT_EQ(FormCreate(g), std::nullopt);
  EXPECT_EQ(g.state.level, 0);
  EXPECT_EQ(g.state.money, 0);
  EXPECT_EQ(g.state.deathCount, 4);
  EXPECT_EQ(g.state.deepestLevel, 3);
}

TEST(Startup, MissingPicturesOrSaveStopItWithoutWriting) {
  struct Case {
    std::filesystem::path remove;
    std::string mentions;
  };
  const Case cases[] = {{"cg/title.bmp", "title.bmp"},
                        {"cg/00.bmp", "00.bmp"},
                        {"dat/my.dat", "my.dat"},
                        {"dat/map.dat", "map.dat"}};
  for (const Case& c : cases) {
    test::TempData data;
    std::filesystem::remove(data.dataDir / c.remove);
    TestHost host;
    Game g(host, Config(data), 1);
    std::optional<std::string> error = FormCreate(g);
    ASSERT_TRUE(error.has_value()) << c.remove;
    EXPECT_NE(error->find(c.mentions), std::string::npos) << *error;
    EXPECT_TRUE(SaveFolderEmpty(data)) << c.remove;
  }
}

TEST(Startup, UnreadableTitleStopsIt) {
  test::TempData data;
  std::ofstream(data.dataDir / "cg" / "title.bmp") << "not a picture";
  TestHost host;
  Game g(host, Config(data), 1);
  std::optional<std::string> error = FormCreate(g);
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("title.bmp"), std::string::npos) << *error;
}

// Runs the program headless on `script`; returns its exit status and output lines.
struct HeadlessRun {
  HeadlessRun(const std::filesystem::path& dataDir, const std::filesystem::path& saveDir,
              const std::string& script, bool autoClick = false) {
    std::istringstream in(script);
    std::ostringstream out;
    HeadlessHost host(in, out, autoClick);
    GameConfig config;
    config.dataDir = dataDir;
    config.saveDir = saveDir;
    status = RunGame(host, config, 1);
    std::istringstream text(out.str());
    for (std::string line; std::getline(text, line);) lines.push_back(line);
  }
  int status = -1;
  std::vector<std::string> lines;
};

TEST(Headless, StartUpFailureIsAnErrorEventAndStatusOne) {
  test::TempData data;
  std::filesystem::remove(data.dataDir / "cg" / "00.bmp");
  HeadlessRun run(data.dataDir, data.saveDir, "click\n");
  EXPECT_EQ(run.status, 1);
  ASSERT_EQ(run.lines.size(), 1u);
  EXPECT_EQ(run.lines[0].rfind(R"({"ev":"error","text":)", 0), 0u);
  EXPECT_NE(run.lines[0].find("00.bmp"), std::string::npos);
  EXPECT_TRUE(SaveFolderEmpty(data));
}

// The generated data folder when the build made one, else a minimal one of our own.
struct ScriptData {
  ScriptData() {
    const char* env = std::getenv("PANIPANI_DATA");
    if (env && std::filesystem::exists(std::filesystem::path(env) / "cg" / "title.bmp"))
      dataDir = env;
    else
      dataDir = own.dataDir;
  }
  test::TempData own;
  std::filesystem::path dataDir;
};

TEST(Headless, ScriptFromStartToTheLoginScreen) {
  ScriptData data;
  const std::filesystem::path shot = data.own.root / "login.bmp";
  HeadlessRun run(
      data.dataDir, data.own.saveDir,
      "tick 5\nclick\ntick 5\nclick\ntick 60\nstate\nscreenshot " + shot.string() + "\nclose\n");
  EXPECT_EQ(run.status, 0);
  const std::vector<std::string> expected = {
      R"({"ev":"caption","text":"FLM:1 1F@90ms."})",
      R"({"ev":"sound","channel":0,"file":"start.wav"})",
      R"({"ev":"picture","file":"title2.bmp","ok":true})",
      R"({"ev":"sound","channel":3,"file":"start2.wav"})",
      R"({"ev":"picture","file":"login.bmp","ok":true})",
      R"({"ev":"choices","labels":["","","旅立つ"]})",
      R"({"ev":"caption","text":"FLM:10 1F@85ms."})",
  };
  ASSERT_EQ(run.lines.size(), expected.size() + 1);
  EXPECT_EQ(std::vector<std::string>(run.lines.begin(), run.lines.end() - 1), expected);
  const std::string& state = run.lines.back();
  EXPECT_EQ(state.rfind(R"({"ev":"state",)", 0), 0u);
  EXPECT_NE(state.find(R"("titlePhase":0)"), std::string::npos);
  EXPECT_NE(state.find(R"("choiceLabel3":"旅立つ")"), std::string::npos);

  // The screenshot is the login screen as drawn; closing saved the new game.
  BitmapResult picture = LoadBmp(shot);
  ASSERT_TRUE(picture.surface.has_value()) << picture.error;
  EXPECT_EQ(picture.surface->width(), 390);
  EXPECT_EQ(picture.surface->height(), 260);
  EXPECT_TRUE(std::filesystem::exists(data.own.saveDir / "my.dat"));
}

TEST(Headless, CommandsTheGameAnswers) {
  test::TempData data;
  HeadlessRun run(data.dataDir, data.saveDir,
                  "set money 1234\nset records[7] 5\nset enemyName 黒い 影\nset nothing 1\n"
                  "set records[x] 1\nscreenshot " +
                      (data.root / "shot.gif").string() + "\nscreenshot " +
                      (data.root / "missing" / "shot.png").string() + "\nstate\n");
  EXPECT_EQ(run.status, 0) << "end of input closes normally";
  ASSERT_EQ(run.lines.size(), 5u);
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(run.lines[i].rfind(R"({"ev":"error","text":)", 0), 0u) << run.lines[i];
  EXPECT_NE(run.lines[0].find("nothing"), std::string::npos);
  EXPECT_NE(run.lines[1].find("records[x]"), std::string::npos);
  const std::string& state = run.lines[4];
  EXPECT_NE(state.find(R"("money":1234)"), std::string::npos);
  EXPECT_NE(state.find(R"("records":{"7":5})"), std::string::npos);
  EXPECT_NE(state.find(R"("enemyName":"黒い 影")"), std::string::npos);
}

}  // namespace
}  // namespace pp
