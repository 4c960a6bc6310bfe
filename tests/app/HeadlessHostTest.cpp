#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

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
      "click\nchoose 1\nchoose 3\nhover 2\nhover 0\nkey enter\n\n  state  \n"
      "screenshot /tmp/a b.png\ntick\ntick 2\nclose\n");
  struct Want {
    Type type;
    int x, y, value;
  };
  // A chosen button is pressed as such: no pointer position goes with it.
  const Want wants[] = {{Type::MouseDown, 100, 100, 0}, {Type::Choose, 0, 0, 1},
                        {Type::Choose, 0, 0, 3},        {Type::MouseMove, 322, 200, 0},
                        {Type::MouseMove, 100, 100, 0}, {Type::Key, 0, 0, 13}};
  for (const Want& w : wants) {
    HostEvent e = s.host.WaitEvent();
    EXPECT_EQ(e.type, w.type);
    EXPECT_EQ(e.x, w.x);
    EXPECT_EQ(e.y, w.y);
    EXPECT_EQ(e.value, w.value);
  }
  EXPECT_EQ(s.host.WaitEvent().text, "state");
  EXPECT_EQ(s.host.WaitEvent().text, "screenshot /tmp/a b.png");
  EXPECT_EQ(s.host.NowMs(), 0) << "only ticks move the clock";
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(s.host.WaitEvent().type, Type::Tick);
    EXPECT_EQ(s.host.NowMs(), 20 * i);
  }
  EXPECT_EQ(s.host.WaitEvent().type, Type::Close);
  EXPECT_EQ(s.host.WaitEvent().type, Type::Close) << "end of input closes too";
  EXPECT_EQ(s.out.str(), "");
}

TEST(HeadlessHost, CommandsNotUnderstoodPrintAnErrorAndChangeNothing) {
  Script s(
      "jump\nchoose 4\nchoose\nhover -1\ntick -2\ntick 1x\nkey nosuch\nclick 3\nstate now\n"
      "screenshot\nset\nconfirm yes\nset enemyName \xff\x81\nclick\n");
  EXPECT_EQ(s.host.WaitEvent().type, Type::MouseDown);
  EXPECT_EQ(s.host.NowMs(), 0);
  std::istringstream lines(s.out.str());
  int errors = 0;
  for (std::string line; std::getline(lines, line); ++errors)
    EXPECT_EQ(line.rfind(R"({"ev":"error","text":)", 0), 0u) << line;
  EXPECT_EQ(errors, 13);
  EXPECT_NE(s.out.str().find("jump"), std::string::npos);
  EXPECT_EQ(s.out.str().find('\xff'), std::string::npos) << "bad bytes are not echoed";
}

TEST(HeadlessHost, ConfirmationTakesTheNextLineAsItsAnswer) {
  Script s("confirm yes\nconfirm no\nclick\ntick\n");
  EXPECT_TRUE(s.host.ConfirmYesNo("消す?"));
  EXPECT_FALSE(s.host.ConfirmYesNo("消す?"));
  EXPECT_FALSE(s.host.ConfirmYesNo("消す?")) << "any other line is No, and is used up";
  EXPECT_EQ(s.host.WaitEvent().type, Type::Tick);
  EXPECT_FALSE(s.host.ConfirmYesNo("消す?")) << "end of input is No";
  EXPECT_EQ(s.out.str(), "") << "the question itself is the game's event";
  s.host.Report(ConfirmEvent{"消す?"});
  EXPECT_EQ(s.out.str(), R"({"ev":"confirm","text":"消す?"})"
                         "\n");
}

TEST(HeadlessHost, AutoClickAnswersAWaitBeforeAnythingElse) {
  Script s("tick 2\nhover 1\n", /*autoClick=*/true);
  EXPECT_EQ(s.host.WaitEvent().type, Type::Tick);
  s.host.Report(ClickWaitEvent{});
  EXPECT_EQ(s.host.WaitEvent().type, Type::MouseDown);
  EXPECT_EQ(s.host.WaitEvent().type, Type::Tick);
  EXPECT_EQ(s.host.WaitEvent().type, Type::MouseMove);

  Script manual("tick\n");
  manual.host.Report(ClickWaitEvent{});
  EXPECT_EQ(manual.host.WaitEvent().type, Type::Tick) << "without auto-click a wait waits";
}

// The browser feeds lines as the page sends them and blocks while none is there: the host may ask
// for a line only when it has no event left to hand out.
TEST(HeadlessHost, CallbacksAreAskedForALineOnlyWhenNeeded) {
  std::vector<std::string> lines = {"mouse down 5 6", "", "tick 2", "bogus"};
  size_t asked = 0;
  std::vector<std::string> events;
  HeadlessHost host(
      [&]() -> std::optional<std::string> {
        if (asked == lines.size()) return std::nullopt;
        return lines[asked++];
      },
      [&](std::string_view json) { events.emplace_back(json); });
  const HostEvent down = host.WaitEvent();
  EXPECT_EQ(down.type, Type::MouseDown);
  EXPECT_EQ(down.x, 5);
  EXPECT_EQ(asked, 1u);
  EXPECT_EQ(host.WaitEvent().type, Type::Tick);
  EXPECT_EQ(host.WaitEvent().type, Type::Tick);
  EXPECT_EQ(asked, 3u) << "a blank line is skipped, the ticks are handed out before reading on";
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(host.WaitEvent().type, Type::Close);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].rfind(R"({"ev":"error","text":)", 0), 0u) << events[0];
}

}  // namespace
}  // namespace pp
