#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/Game.h"
#include "app/Program.h"
#include "app/TestData.h"
#include "platform/headless/HeadlessHost.h"
#include "ui/Messages.h"

namespace pp {
namespace {

GameConfig Config(const test::TempData& d) {
  GameConfig c;
  c.dataDir = d.dataDir;
  c.saveDir = d.saveDir;
  return c;
}

TEST(Protocol, DuringAWaitOtherCommandsRunAndTheWaitGoesOn) {
  test::TempData data;
  std::istringstream in("state\ntick 2\nhover 1\nset money 77\nclick\ntick\n");
  std::ostringstream out;
  HeadlessHost host(in, out);
  Game g(host, Config(data), 1);
  g.state.titlePhase = 1;
  WaitForClick(g);
  EXPECT_EQ(g.state.clickState, 1);
  EXPECT_EQ(g.state.money, 77);
  EXPECT_EQ(host.NowMs(), 40) << "the tick after the click is still unread";
  const std::string text = out.str();
  EXPECT_EQ(text.rfind("{\"ev\":\"wait\"}\n{\"ev\":\"state\",", 0), 0u) << text.substr(0, 80);
}

TEST(Protocol, EnterAsksAndOnlyYesErasesTheRecords) {
  test::TempData data;
  std::istringstream in(
      "set deathCount 5\nkey enter\nconfirm no\nkey enter\ntick\nstate\n"
      "key enter\nconfirm yes\nstate\n");
  std::ostringstream out;
  HeadlessHost host(in, out);
  EXPECT_EQ(RunGame(host, Config(data), 1), 0);
  std::istringstream lines(out.str());
  std::vector<std::string> confirms, states;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(R"({"ev":"confirm",)", 0) == 0) confirms.push_back(line);
    if (line.rfind(R"({"ev":"state",)", 0) == 0) states.push_back(line);
  }
  ASSERT_EQ(confirms.size(), 3u);
  EXPECT_NE(confirms[0].find("全てのゲームデータを完全初期化しますがよろしいですか？"),
            std::string::npos);
  ASSERT_EQ(states.size(), 2u);
  EXPECT_NE(states[0].find(R"("deathCount":5,)"), std::string::npos) << "No, and a stray line";
  EXPECT_NE(states[1].find(R"("deathCount":0,)"), std::string::npos) << "Yes";
}

// The built program itself, when the build made it: exit statuses and the JSON lines.
class Program : public ::testing::Test {
 protected:
  void SetUp() override {
    program = std::filesystem::path(PANIPANI_BINARY_DIR) / "panipani";
    if (!std::filesystem::exists(program)) GTEST_SKIP() << "the program is not built";
  }
  // Runs the program with `args`, `script` on its input; returns the exit status.
  int Run(const std::string& args, const std::string& script) {
    std::ofstream(data.root / "in.txt") << script;
    const std::string command =
        program.string() + " " + args + " < " + (data.root / "in.txt").string() + " > " +
        (data.root / "out.txt").string() + " 2> " + (data.root / "err.txt").string();
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string Read(const char* name) {
    std::ifstream in(data.root / name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::filesystem::path program;
  test::TempData data;
};

TEST_F(Program, BadOptionIsOneLineAndStatusTwo) {
  EXPECT_EQ(Run("--headless --frobnicate", ""), 2);
  EXPECT_EQ(Read("err.txt"), "panipani: unknown option '--frobnicate'\n");
  EXPECT_EQ(Read("out.txt"), "");
}

TEST_F(Program, HeadlessRunToTheLoginAndClose) {
  const std::string dirs =
      "--data " + data.dataDir.string() + " --save-dir " + data.saveDir.string();
  EXPECT_EQ(Run("--headless --seed 1 " + dirs, "click\nclick\nclose\n"), 0);
  EXPECT_NE(Read("out.txt").find(R"({"ev":"picture","file":"login.bmp","ok":true})"),
            std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(data.saveDir / "my.dat"));

  std::filesystem::remove(data.dataDir / "dat" / "name.dat");
  EXPECT_EQ(Run("--headless " + dirs, ""), 1);
  EXPECT_NE(Read("out.txt").find("name.dat"), std::string::npos);
}

}  // namespace
}  // namespace pp
