// The message log: its lines, their wrapping and scrolling, and the input it takes.

#include <gtest/gtest.h>

#include "extras/ExtrasHost.h"
#include "extras/log/LogDraw.h"
#include "extras/log/LogExtra.h"
#include "extras/log/LogInput.h"
#include "gfx/Surface.h"
#include "gfx/Text.h"
#include "support/TestHost.h"
#include "ui/MessageColours.h"

namespace pp {
namespace {

using Type = HostEvent::Type;

HostEvent Input(Type type, int value = 0) {
  HostEvent e;
  e.type = type;
  e.value = value;
  return e;
}

const Color kPlain = MessageColour(4, 0);

GameEvent Plain(std::string text) { return MessageEvent{4, "plain", kPlain, std::move(text)}; }

// Every character 10 pixels wide, ASCII 5: widths that are easy to count.
int FixedWidth(std::string_view character) {
  return static_cast<unsigned char>(character[0]) < 0x80 ? 5 : 10;
}

TEST(MessageLog, KeepsTheLastLinesInOrderWithTheirColoursAndTheChoicesMarked) {
  MessageLog log;
  log.AddMessage("痛い", MessageColour(307, 0));
  log.AddMessage("ふつう", MessageColour(4, 0));
  log.AddChosen("冒険!!!!");
  EXPECT_EQ(log.line(0).colour, Hex(0xFF4646)) << "red at its brightest";
  EXPECT_EQ(log.line(1).colour, Hex(0xCCCCCC));
  EXPECT_EQ(log.line(2).text, "▶ 冒険!!!!");

  for (int i = 0; i < 2001; ++i) log.AddMessage("line " + std::to_string(i), kPlain);
  EXPECT_EQ(log.size(), MessageLog::kCapacity);
  EXPECT_EQ(log.added(), 2004u);
  EXPECT_EQ(log.line(0).text, "line 1") << "the oldest go first";
  EXPECT_EQ(log.line(1999).text, "line 2000");
}

TEST(LogWrap, RowsFitTheWidthAndKeepEveryByte) {
  EXPECT_EQ(WrapText("", 30, FixedWidth), std::vector<std::string>{""});
  EXPECT_EQ(WrapText("あいうえお", 30, FixedWidth), (std::vector<std::string>{"あいう", "えお"}));
  EXPECT_EQ(WrapText("ab\\cdefg", 15, FixedWidth), (std::vector<std::string>{"ab\\", "cde", "fg"}));
  // Wider than the row: one character a row, never an empty row or an endless loop.
  EXPECT_EQ(WrapText("漢字", 4, FixedWidth), (std::vector<std::string>{"漢", "字"}));
  // Bytes that are not UTF-8 are one character each and stay as they were.
  const std::string broken =
      "a\xff\xe3\x81"
      "b\xe3\x81\x82";
  std::string joined;
  for (const std::string& row : WrapText(broken, 10, FixedWidth)) joined += row;
  EXPECT_EQ(joined, broken);

  // With the game's font: a long line of yen texts (0x5C) wraps within the log's rows.
  TextRenderer text;
  const std::string yen =
      "修行 \\-50 の札を手に取った。\\100で売れる。修行 \\-50 の札を手に取った。";
  const std::vector<std::string> rows =
      WrapText(yen + yen, LogLayout::kRowWidth,
               [&text](std::string_view s) { return text.Width(s, LogLayout::kPointSize, false); });
  ASSERT_GT(rows.size(), 1u);
  std::string all;
  for (const std::string& row : rows) {
    EXPECT_LE(text.Width(row, LogLayout::kPointSize, false), LogLayout::kRowWidth) << row;
    all += row;
  }
  EXPECT_EQ(all, yen + yen);
}

TEST(LogView, ScrollsWithinItsRowsAndHoldsTheViewWhileLinesArrive) {
  MessageLog log;
  LogView view(30, 4, [](std::string_view s, Face) { return FixedWidth(s); });
  log.AddMessage("あいうえお", kPlain);  // two rows
  view.Follow(log);
  EXPECT_EQ(view.RowCount(), 2);
  view.ScrollBy(5);
  EXPECT_EQ(view.FirstVisibleRow(), 0) << "fewer rows than the screen: nothing to scroll";
  EXPECT_TRUE(view.AtNewest());

  for (int i = 0; i < 8; ++i) log.AddMessage("行" + std::to_string(i), kPlain);
  view.Follow(log);
  EXPECT_EQ(view.RowCount(), 10);
  EXPECT_EQ(view.FirstVisibleRow(), 6) << "newest at the bottom";
  view.ScrollBy(2);
  EXPECT_EQ(view.FirstVisibleRow(), 4);
  view.ScrollBy(1000);
  EXPECT_EQ(view.FirstVisibleRow(), 0);
  view.ScrollBy(-1);
  EXPECT_EQ(view.FirstVisibleRow(), 1);
  // Scrolled back, the same rows stay in view as new ones arrive below.
  const std::string top = view.row(view.FirstVisibleRow()).text;
  log.AddMessage("新しい", kPlain);
  view.Follow(log);
  EXPECT_EQ(view.row(view.FirstVisibleRow()).text, top);
  view.ScrollBy(-1000);
  EXPECT_TRUE(view.AtNewest());
  EXPECT_EQ(view.row(view.RowCount() - 1).text, "新しい");
  view.ScrollToOldest();
  EXPECT_EQ(view.FirstVisibleRow(), 0);

  // Lines the log drops leave the view too, even many at once.
  for (int i = 0; i < 2500; ++i) log.AddMessage("x", kPlain);
  view.Follow(log);
  EXPECT_EQ(view.RowCount(), 2000);
  EXPECT_EQ(view.FirstVisibleRow(), 0) << "still at the oldest, within bounds";
}

// The log around a test host: what reaches the game while it is open or shut.
class LogInput : public ::testing::Test {
 protected:
  LogInput() : log(extras.Add(std::make_unique<LogExtra>(text))) {}

  // Feeds `events` and returns the types the game got.
  std::vector<Type> Play(std::vector<HostEvent> events) {
    inner.script.assign(events.begin(), events.end());
    inner.script.push_back(Input(Type::Close));
    std::vector<Type> got;
    for (;;) {
      const HostEvent e = extras.WaitEvent();
      if (e.type == Type::Close) return got;
      got.push_back(e.type);
    }
  }

  TextRenderer text;
  TestHost inner;
  ExtrasHost extras{inner};
  LogExtra& log;
};

TEST_F(LogInput, OpenItHoldsThePlayersInputButTimeGoesOn) {
  extras.Report(Plain("一行目"));
  extras.Report(ChosenEvent{3, "旅立つ"});
  EXPECT_EQ(log.log().line(1).text, "▶ 旅立つ");

  EXPECT_EQ(Play({Input(Type::Key, HostKey::kL), Input(Type::Tick), Input(Type::Choose, 1),
                  Input(Type::Key, HostKey::kEnter), Input(Type::Key, HostKey::kM),
                  Input(Type::MouseMove), Input(Type::Wheel, 1), Input(Type::Command),
                  Input(Type::MouseDown)}),
            (std::vector<Type>{Type::Tick, Type::Command}))
      << "keys and choices while open never reach the game; the closing click is spent";
  EXPECT_FALSE(log.open());

  for (int key : {HostKey::kL, HostKey::kPageUp}) {
    EXPECT_TRUE(Play({Input(Type::Key, key)}).empty());
    EXPECT_TRUE(log.open());
    EXPECT_TRUE(Play({Input(Type::Key, HostKey::kEscape)}).empty());
    EXPECT_FALSE(log.open());
  }
  EXPECT_EQ(Play({Input(Type::Key, HostKey::kEnter), Input(Type::MouseDown)}),
            (std::vector<Type>{Type::Key, Type::MouseDown}))
      << "shut, the game gets its input";
}

TEST_F(LogInput, TheWheelOpensScrollsAndClosesUnlessTheItemPanelIsOpen) {
  for (int i = 0; i < 40; ++i) extras.Report(Plain("行"));
  extras.Report(PanelEvent{"使う", {}});
  EXPECT_EQ(Play({Input(Type::Wheel, 1), Input(Type::Wheel, -1)}),
            (std::vector<Type>{Type::Wheel, Type::Wheel}))
      << "the panel's list scrolls";
  EXPECT_FALSE(log.open());
  EXPECT_TRUE(Play({Input(Type::Key, HostKey::kL), Input(Type::Key, HostKey::kL)}).empty())
      << "L opens it over the panel too";

  extras.Report(PanelHiddenEvent{});
  EXPECT_TRUE(Play({Input(Type::Wheel, 1), Input(Type::Wheel, 2)}).empty());
  EXPECT_TRUE(log.open());
  EXPECT_EQ(log.view().FirstVisibleRow(), 40 - LogLayout::kVisibleRows - 2 * kLogRowsPerNotch);
  Play({Input(Type::Key, HostKey::kHome)});
  EXPECT_EQ(log.view().FirstVisibleRow(), 0);
  Play({Input(Type::Key, HostKey::kPageDown), Input(Type::Key, HostKey::kDown)});
  EXPECT_EQ(log.view().FirstVisibleRow(), LogLayout::kVisibleRows - 1 + 1);
  Play({Input(Type::Key, HostKey::kEnd), Input(Type::Key, HostKey::kUp)});
  EXPECT_EQ(log.view().FirstVisibleRow(), 40 - LogLayout::kVisibleRows - 1);
  Play({Input(Type::Wheel, -1)});
  EXPECT_TRUE(log.open()) << "one row back: the wheel first comes to the newest line";
  EXPECT_TRUE(log.view().AtNewest());
  EXPECT_TRUE(Play({Input(Type::Wheel, -1), Input(Type::Choose, 2)}).size() == 1);
  EXPECT_FALSE(log.open()) << "past the newest line it closes";
}

TEST_F(LogInput, ItDrawsEarlierLinesOverACopyWithThePositionAtTheRight) {
  for (int i = 0; i < 60; ++i)
    extras.Report(MessageEvent{307, "red", MessageColour(307, 0), "■■ " + std::to_string(i)});
  extras.Report(Plain("bad \xff\xfe end"));
  Surface frame(390, 260, Hex(0xFFFFFF));
  extras.Present(frame);
  Play({Input(Type::Key, HostKey::kL)});
  const Surface& shown = inner.lastFrame;
  EXPECT_EQ(frame.Pixel(200, 200), Hex(0xFFFFFF)) << "the game's own frame is untouched";
  EXPECT_EQ(shown.Pixel(200, 5), Hex(0x1F1F1F)) << "the scene dimmed behind";
  int red = 0;
  for (int y = LogLayout::kTop; y < 260; ++y)
    for (int x = 0; x < 200; ++x) red += shown.Pixel(x, y) == Hex(0xFF4646);
  EXPECT_GT(red, 500) << "many red lines on screen";
  // The scroll bar's thumb sits at the bottom while the newest line shows, at the top at Home.
  auto thumbAt = [](const Surface& s, int y) { return s.Pixel(384, y) == Hex(0x8899AA); };
  const int barBottom = LogLayout::kTop + LogLayout::kVisibleRows * LogLayout::kRowHeight - 1;
  EXPECT_TRUE(thumbAt(shown, barBottom));
  EXPECT_FALSE(thumbAt(shown, LogLayout::kTop));
  Play({Input(Type::Key, HostKey::kHome)});
  EXPECT_TRUE(thumbAt(inner.lastFrame, LogLayout::kTop));
  EXPECT_FALSE(thumbAt(inner.lastFrame, barBottom));
}

}  // namespace
}  // namespace pp
