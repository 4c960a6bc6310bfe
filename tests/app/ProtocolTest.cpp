#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/Program.h"
#include "app/TestData.h"
#include "automation/CommandEncoder.h"
#include "automation/CommandScript.h"
#include "game/Game.h"
#include "platform/InputLayout.h"
#include "platform/headless/HeadlessHost.h"
#include "ui/Messages.h"

namespace pp {
namespace {

// The program run headless in-process on `script`; its output lines starting with `prefix`.
std::vector<std::string> RunScript(const test::TempData& data, const std::string& script,
                                   std::string_view prefix) {
  std::istringstream in(script);
  std::ostringstream out;
  HeadlessHost host(in, out);
  EXPECT_EQ(RunGame(host, data.Config(), 1), 0);
  std::vector<std::string> lines;
  std::istringstream text(out.str());
  for (std::string line; std::getline(text, line);)
    if (line.rfind(prefix, 0) == 0) lines.push_back(line);
  return lines;
}

// What the recorder and the browser write, the parser reads back as the same input.
TEST(Protocol, EveryEncodedInputParsesBackToItself) {
  using T = HostEvent::Type;
  auto make = [](T type, int x, int y, int value = 0, std::string text = {}) {
    HostEvent e;
    e.type = type;
    e.x = x;
    e.y = y;
    e.value = value;
    e.text = std::move(text);
    return e;
  };
  const std::vector<HostEvent> inputs = {
      make(T::Tick, 0, 0),
      make(T::MouseDown, kPictureClickX, kPictureClickY),
      make(T::MouseDown, 300, 230),
      make(T::MouseDown, -5, 9000),
      make(T::MouseMove, kPictureClickX, kPictureClickY),
      make(T::MouseMove, kChoiceCentreX, ChoiceCentreY(1)),
      make(T::MouseMove, kChoiceCentreX, ChoiceCentreY(3)),
      make(T::MouseMove, kChoiceCentreX + 1, ChoiceCentreY(2)),
      make(T::MouseUp, kPictureClickX, kPictureClickY),
      make(T::Wheel, 0, 0, -3),
      make(T::Key, 0, 0, HostKey::kPadEnter),
      make(T::Key, 0, 0, 0x1FF),
      make(T::KeyUp, 0, 0, HostKey::kControl),
      make(T::Choose, 0, 0, 2),
      make(T::Command, 0, 0, 0, "set enemyName 黒い 影"),
      make(T::Close, 0, 0),
  };
  std::string script;
  for (const HostEvent& e : inputs) {
    const std::optional<std::string> line = CommandLineFor(e);
    ASSERT_TRUE(line) << static_cast<int>(e.type);
    script += *line + "\n";
  }
  EXPECT_EQ(script.substr(0, 18), "tick\nclick\nmouse d");
  std::vector<std::string> errors;
  std::istringstream in(script);
  CommandScript parser(in, [&](const std::string& e) { errors.push_back(e); });
  for (const HostEvent& e : inputs) {
    const HostEvent back = parser.Next();
    EXPECT_EQ(back.type, e.type) << script;
    EXPECT_EQ(back.value, e.value);
    EXPECT_EQ(back.text, e.text);
    if (e.type != T::Tick && e.type != T::Close && e.type != T::Command) {
      EXPECT_EQ(back.x, e.x);
      EXPECT_EQ(back.y, e.y);
    }
  }
  EXPECT_TRUE(errors.empty());
  EXPECT_FALSE(CommandLineFor(make(T::AudioDone, 0, 0))) << "no command makes a finished block";
}

TEST(Protocol, DuringAWaitOtherCommandsRunAndTheWaitGoesOn) {
  test::TempData data;
  std::istringstream in("state\ntick 2\nhover 1\nset money 77\nclick\ntick\n");
  std::ostringstream out;
  HeadlessHost host(in, out);
  Game g(host, data.Config(), 1);
  g.state.titlePhase = 1;
  WaitForClick(g);
  EXPECT_EQ(g.state.clickState, 1);
  EXPECT_EQ(g.state.money, 77);
  EXPECT_EQ(host.NowMs(), 40) << "the tick after the click is still unread";
  EXPECT_EQ(out.str().rfind("{\"ev\":\"wait\"}\n{\"ev\":\"state\",", 0), 0u);
}

TEST(Protocol, CommandsTheGameAnswers) {
  test::TempData data;
  const std::vector<std::string> lines =
      RunScript(data,
                "set records[x] 1\nset records[7] 5\nset enemyName 黒い 影\nscreenshot " +
                    (data.root / "shot.gif").string() + "\nstate\n",
                R"({"ev":)");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_NE(lines[0].find("records[x]"), std::string::npos) << lines[0];
  EXPECT_NE(lines[1].find("shot.gif"), std::string::npos) << lines[1];
  EXPECT_NE(lines[2].find(R"("records":{"7":5})"), std::string::npos);
  EXPECT_NE(lines[2].find(R"("enemyName":"黒い 影")"), std::string::npos) << "texts take the rest";
}

// The built program itself, when the build made it: exit statuses and where output goes.
TEST(Program, ExitStatuses) {
  const std::filesystem::path program = std::filesystem::path(PANIPANI_BINARY_DIR) / "panipani";
  if (!std::filesystem::exists(program)) GTEST_SKIP() << "the program is not built";
  test::TempData data;
  auto run = [&](const std::string& args, const std::string& script) {
    std::ofstream(data.root / "in.txt") << script;
    const std::string command =
        program.string() + " " + args + " < " + (data.root / "in.txt").string() + " > " +
        (data.root / "out.txt").string() + " 2> " + (data.root / "err.txt").string();
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  auto read = [&](const char* name) {
    std::stringstream text;
    text << std::ifstream(data.root / name).rdbuf();
    return text.str();
  };
  EXPECT_EQ(run("--headless --frobnicate", ""), 2);
  EXPECT_EQ(read("err.txt"), "panipani: unknown option '--frobnicate'\n");

  const std::string dirs =
      "--headless --data " + data.dataDir.string() + " --save-dir " + data.saveDir.string();
  EXPECT_EQ(run(dirs + " --seed 1", "click\nclick\nclose\n"), 0);
  EXPECT_NE(read("out.txt").find(R"({"ev":"picture","file":"login.bmp","ok":true})"),
            std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(data.saveDir / "my.dat"));

  std::filesystem::remove(data.dataDir / "dat" / "name.dat");
  EXPECT_EQ(run(dirs, ""), 1);
  EXPECT_EQ(read("out.txt").rfind(R"({"ev":"error","text":)", 0), 0u);
  EXPECT_NE(read("out.txt").find("name.dat"), std::string::npos);
}

}  // namespace
}  // namespace pp
