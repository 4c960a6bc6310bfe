#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/headless/HeadlessHost.h"

namespace pp {
namespace {

using Type = HostEvent::Type;

struct Script {
  explicit Script(const std::string& text, bool autoClick = false)
      : in(text), host(in, out, autoClick) {}
  std::istringstream in;
  std::ostringstream out;
  HeadlessHost host;
};

TEST(HeadlessHost, CommandsBecomeEventsAtTheirPlaces) {
  Script s(
      "click\nchoose 1\nchoose 3\nhover 2\nhover 0\nkey enter\n\n  state  \nset records[7] 1\n"
      "screenshot /tmp/a b.png\nclose\n");
  auto expectMouse = [&](Type type, int x, int y) {
    HostEvent e = s.host.WaitEvent();
    EXPECT_EQ(e.type, type);
    EXPECT_EQ(e.x, x);
    EXPECT_EQ(e.y, y);
  };
  expectMouse(Type::MouseDown, 100, 100);
  expectMouse(Type::MouseDown, 322, 168);
  expectMouse(Type::MouseDown, 322, 232);
  expectMouse(Type::MouseMove, 322, 200);
  expectMouse(Type::MouseMove, 100, 100);
  HostEvent key = s.host.WaitEvent();
  EXPECT_EQ(key.type, Type::Key);
  EXPECT_EQ(key.value, 13);
  for (const char* line : {"state", "set records[7] 1", "screenshot /tmp/a b.png"}) {
    HostEvent e = s.host.WaitEvent();
    EXPECT_EQ(e.type, Type::Command);
    EXPECT_EQ(e.text, line);
  }
  EXPECT_EQ(s.host.WaitEvent().type, Type::Close);
  EXPECT_EQ(s.out.str(), "");
  EXPECT_EQ(s.host.NowMs(), 0) << "only ticks move the clock";
}

TEST(HeadlessHost, TicksMoveVirtualTimeTwentyMillisecondsEach) {
  Script s("tick\ntick 3\ntick 0\nclick\n");
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(s.host.WaitEvent().type, Type::Tick);
    EXPECT_EQ(s.host.NowMs(), 20 * i);
  }
  EXPECT_EQ(s.host.WaitEvent().type, Type::MouseDown);
  EXPECT_EQ(s.host.WaitEvent().type, Type::Close) << "end of input closes";
  EXPECT_EQ(s.host.WaitEvent().type, Type::Close);
}

TEST(HeadlessHost, CommandsNotUnderstoodPrintAnErrorAndChangeNothing) {
  Script s(
      "jump\nchoose 4\nchoose\nhover -1\ntick -2\ntick 1x\nkey space\nclick 3\nstate now\n"
      "screenshot\nset\nconfirm yes\nset enemyName \xff\x81\nclick\n");
  EXPECT_EQ(s.host.WaitEvent().type, Type::MouseDown);
  EXPECT_EQ(s.host.NowMs(), 0);
  std::istringstream lines(s.out.str());
  std::string line;
  int errors = 0;
  while (std::getline(lines, line)) {
    EXPECT_EQ(line.rfind(R"({"ev":"error","text":)", 0), 0u) << line;
    ++errors;
  }
  EXPECT_EQ(errors, 13);
  EXPECT_EQ(s.out.str().find('\xff'), std::string::npos) << "bad bytes are not echoed";
  EXPECT_NE(s.out.str().find("jump"), std::string::npos);
}

TEST(HeadlessHost, ConfirmationTakesTheNextLineAsItsAnswer) {
  Script s("confirm yes\nconfirm no\nclick\ntick\n");
  EXPECT_TRUE(s.host.ConfirmYesNo("消す?"));
  EXPECT_FALSE(s.host.ConfirmYesNo("消す?"));
  EXPECT_FALSE(s.host.ConfirmYesNo("消す?")) << "any other line is No, and is used up";
  EXPECT_EQ(s.host.WaitEvent().type, Type::Tick);
  EXPECT_FALSE(s.host.ConfirmYesNo("消す?")) << "end of input is No";
  EXPECT_EQ(s.out.str(), R"({"ev":"confirm","text":"消す?"})"
                         "\n"
                         R"({"ev":"confirm","text":"消す?"})"
                         "\n"
                         R"({"ev":"confirm","text":"消す?"})"
                         "\n"
                         R"({"ev":"confirm","text":"消す?"})"
                         "\n");
}

TEST(HeadlessHost, AutoClickAnswersAWaitBeforeAnythingElse) {
  Script s("tick 2\nhover 1\n", /*autoClick=*/true);
  EXPECT_EQ(s.host.WaitEvent().type, Type::Tick);
  s.host.Trace(R"({"ev":"wait"})");
  HostEvent click = s.host.WaitEvent();
  EXPECT_EQ(click.type, Type::MouseDown);
  EXPECT_EQ(click.x, 100);
  EXPECT_EQ(s.host.WaitEvent().type, Type::Tick);
  EXPECT_EQ(s.host.WaitEvent().type, Type::MouseMove);
  EXPECT_EQ(s.out.str(), "{\"ev\":\"wait\"}\n");

  Script manual("tick\n");
  manual.host.Trace(R"({"ev":"wait"})");
  EXPECT_EQ(manual.host.WaitEvent().type, Type::Tick) << "without auto-click a wait waits";
}

TEST(HeadlessHost, CaptionAndErrorAreEvents) {
  Script s("");
  s.host.SetCaption("FLM:10 1F@85ms.");
  s.host.ShowError("line \"3\"");
  EXPECT_EQ(s.out.str(),
            "{\"ev\":\"caption\",\"text\":\"FLM:10 1F@85ms.\"}\n"
            "{\"ev\":\"error\",\"text\":\"line \\\"3\\\"\"}\n");
}

}  // namespace
}  // namespace pp
