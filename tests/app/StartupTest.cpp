#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/Program.h"
#include "app/TestData.h"
#include "game/Game.h"
#include "game/Startup.h"
#include "gfx/Bitmap.h"
#include "platform/headless/HeadlessHost.h"
#include "support/TestHost.h"

namespace pp {
namespace {

TEST(Startup, LoginChoicesFollowThePromotionRecord) {
  for (int32_t promoted : {0, 1}) {
    GameState saved;
    saved.records[7] = promoted;
    test::TempData data(saved);
    TestHost host;
    Game g(host, data.Config(), 1);
    ASSERT_EQ(FormCreate(g), std::nullopt);
    EXPECT_EQ(g.state.choiceLabel1, "");
    EXPECT_EQ(g.state.choiceLabel2, promoted ? "Promortion" : "");
    EXPECT_EQ(g.state.choiceLabel3, "旅立つ");
    EXPECT_EQ(g.state.titlePhase, -2);
    // The title picture is on the picture and in the glow layer; the new game was saved.
    EXPECT_EQ(g.cg.Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(g.cg.Pixel(200, 100), test::kTitleColour);
    EXPECT_EQ(g.bak.Pixel(200, 100), test::kTitleColour);
    EXPECT_TRUE(std::filesystem::exists(data.saveDir / "my.dat"));
  }
}

TEST(Startup, MissingOrBadFilesStopItWithoutWriting) {
  struct Case {
    const char* file;
    const char* contents;  // nullptr: the file is removed
  };
  const Case cases[] = {{"cg/title.bmp", nullptr},
                        {"cg/title.bmp", "not a picture"},
                        {"cg/00.bmp", nullptr},
                        {"dat/my.dat", nullptr},
                        {"dat/map.dat", nullptr}};
  for (const Case& c : cases) {
    test::TempData data;
    const std::filesystem::path path = data.dataDir / c.file;
    if (c.contents)
      std::ofstream(path) << c.contents;
    else
      std::filesystem::remove(path);
    TestHost host;
    Game g(host, data.Config(), 1);
    std::optional<std::string> error = FormCreate(g);
    ASSERT_TRUE(error.has_value()) << c.file;
    EXPECT_NE(error->find(path.filename().string()), std::string::npos) << *error;
    EXPECT_TRUE(std::filesystem::is_empty(data.saveDir)) << c.file;
  }
}

TEST(Headless, ScriptFromStartToTheLoginScreen) {
  // The generated data folder when the build made one, else a minimal one of our own.
  test::TempData own;
  std::filesystem::path dataDir = own.dataDir;
  if (const char* env = std::getenv("PANIPANI_DATA");
      env && std::filesystem::exists(std::filesystem::path(env) / "cg" / "title.bmp"))
    dataDir = env;
  const std::filesystem::path shot = own.root / "login.bmp";
  std::istringstream in("tick 5\nclick\ntick 5\nclick\ntick 60\nstate\nscreenshot " +
                        shot.string() + "\nclose\n");
  std::ostringstream out;
  HeadlessHost host(in, out);
  GameConfig config = own.Config();
  config.dataDir = dataDir;
  EXPECT_EQ(RunGame(host, config, 1), 0);

  std::vector<std::string> lines;
  std::istringstream text(out.str());
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  const std::vector<std::string> expected = {
      R"({"ev":"caption","text":"FLM:1 1F@90ms."})",
      R"({"ev":"sound","channel":0,"file":"start.wav"})",
      R"({"ev":"picture","file":"title2.bmp","ok":true})",
      R"({"ev":"sound","channel":3,"file":"start2.wav"})",
      R"({"ev":"picture","file":"login.bmp","ok":true})",
      R"({"ev":"choices","labels":["","","旅立つ"]})",
      R"({"ev":"caption","text":"FLM:10 1F@85ms."})",
  };
  ASSERT_EQ(lines.size(), expected.size() + 1);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end() - 1), expected);
  EXPECT_EQ(lines.back().rfind(R"({"ev":"state",)", 0), 0u);
  EXPECT_NE(lines.back().find(R"("titlePhase":0)"), std::string::npos);

  // The screenshot is the login screen as drawn; closing saved the new game.
  BitmapResult picture = LoadBmp(shot);
  ASSERT_TRUE(picture.surface.has_value()) << picture.error;
  EXPECT_EQ(picture.surface->width(), 390);
  EXPECT_EQ(picture.surface->height(), 260);
  EXPECT_TRUE(std::filesystem::exists(own.saveDir / "my.dat"));
}

}  // namespace
}  // namespace pp
