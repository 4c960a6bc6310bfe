// The keys help and the notice M gives.

#include <gtest/gtest.h>

#include "extras/ExtrasHost.h"
#include "extras/KeyNotice.h"
#include "extras/KeysHelp.h"
#include "extras/log/LogExtra.h"
#include "gfx/Text.h"
#include "support/TestHost.h"

namespace pp {
namespace {

using Type = HostEvent::Type;

HostEvent Input(Type type, int value = 0) {
  HostEvent e;
  e.type = type;
  e.value = value;
  return e;
}

TEST(KeysHelp, ListsEveryWindowKeyAndClosesOnAnyKeyOrClickWithoutPassingIt) {
  const std::vector<HelpLine> lines = WindowHelp();
  auto has = [&lines](std::string_view keys, std::string_view action) {
    for (const HelpLine& l : lines)
      if (l.keys.find(keys) != std::string::npos && l.action.find(action) != std::string::npos)
        return true;
    return false;
  };
  for (const char* key : {"Space", "1  2  3", "L", "M", "S", "T", "F11", "F12", "Enter", "F1"})
    EXPECT_TRUE(has(key, "")) << key;
  EXPECT_TRUE(has("F2, Esc", "options"));
  EXPECT_TRUE(has("Space, Enter", "only one"));

  TestHost inner;
  ExtrasHost host(inner);
  TextRenderer text;
  KeysHelp& help = host.Add(std::make_unique<KeysHelp>(text, lines));
  Surface frame(390, 260, Hex(0x808080));
  host.Present(frame);
  inner.script = {Input(Type::Key, HostKey::kF1), Input(Type::KeyUp, HostKey::kF1),
                  Input(Type::Wheel, 1),          Input(Type::Tick),
                  Input(Type::Choose, 2),         Input(Type::Key, HostKey::kF1),
                  Input(Type::MouseDown),         Input(Type::Key, HostKey::kEnter)};
  EXPECT_EQ(host.WaitEvent().type, Type::Tick) << "open: only time gets through";
  EXPECT_TRUE(help.Visible());
  EXPECT_NE(inner.lastFrame.Pixel(389, 259), Hex(0x808080)) << "drawn over a dimmed copy";
  EXPECT_EQ(host.WaitEvent().type, Type::Key) << "a key press of 2 closed it; F1 reopened it, "
                                                 "the click closed it; Enter reaches the game";
  EXPECT_FALSE(help.Visible());
}

TEST(KeyNotice, SaysWhatMDidAndFadesAway) {
  TestHost inner;
  ExtrasHost host(inner);
  TextRenderer text;
  KeyNotice& notice = host.Add(std::make_unique<KeyNotice>(
      text, [&inner] { return inner.nowMs; }, /*muted=*/false));
  Surface frame(390, 260, 0);
  host.Present(frame);
  inner.script = {Input(Type::Key, kMuteKey)};
  EXPECT_EQ(host.WaitEvent().value, kMuteKey) << "the game mutes";
  ASSERT_TRUE(notice.Visible());
  host.Present(frame);
  const Surface shown = inner.lastFrame;
  int lit = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 250; x < 390; ++x) lit += shown.Pixel(x, y) == Hex(0xFFDD66);
  EXPECT_GT(lit, 30) << "the line at the top right";
  inner.nowMs += KeyNotice::kShownMs + KeyNotice::kFadeMs / 2;
  host.Present(frame);
  EXPECT_TRUE(notice.Visible());
  EXPECT_NE(inner.lastFrame.Pixel(389, 0), Hex(0xFFDD66));
  inner.nowMs += KeyNotice::kFadeMs;
  EXPECT_FALSE(notice.Visible());
  host.Present(frame);
  EXPECT_EQ(inner.lastFrame.Pixel(380, 10), 0u);

  // Under the open log M is the log's to hold: it never reaches the game, so nothing is said.
  LogExtra& log = host.Add(std::make_unique<LogExtra>(text));
  inner.script = {Input(Type::Key, HostKey::kL), Input(Type::Key, kMuteKey), Input(Type::Tick)};
  EXPECT_EQ(host.WaitEvent().type, Type::Tick);
  EXPECT_TRUE(log.open());
  EXPECT_FALSE(notice.Visible());

  inner.script = {Input(Type::Key, HostKey::kEscape), Input(Type::Key, kMuteKey)};
  EXPECT_EQ(host.WaitEvent().value, kMuteKey);
  host.Present(frame);
  lit = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 250; x < 390; ++x) lit += inner.lastFrame.Pixel(x, y) == Hex(0xFFDD66);
  EXPECT_GT(lit, 30) << "sound on again";
}

}  // namespace
}  // namespace pp
