#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "extras/AutoAdvance.h"
#include "extras/KeyboardChoices.h"
#include "gfx/Text.h"
#include "platform/InputLayout.h"
#include "support/SeededRun.h"

namespace pp {
namespace {

using Type = HostEvent::Type;

GameEvent Said(std::string text) { return MessageEvent{4, "plain", 0, std::move(text)}; }

GameEvent Buttons(std::string a, std::string b, std::string c) {
  return ChoicesEvent{{std::move(a), std::move(b), std::move(c)}};
}

HostEvent Input(Type type, int value = 0) {
  HostEvent e;
  e.type = type;
  e.value = value;
  return e;
}

// Asks `extra` every 20 ms from `from` to `to` (both included) as the host does before each
// tick; the time of the first click it makes, or -1.
int64_t FirstClick(Extra& extra, int64_t from, int64_t to) {
  for (int64_t t = from; t <= to; t += 20) {
    if (std::optional<HostEvent> e = extra.Due(t)) {
      EXPECT_EQ(e->type, Type::MouseDown);
      EXPECT_EQ(ChoiceButtonAt(e->x, e->y), 0) << "a click on the picture, never on a button";
      return t;
    }
  }
  return -1;
}

TEST(AutoAdvance, EndsAWaitAfterTheReadingTimeOfTheLinesSinceTheLastOne) {
  EXPECT_EQ(ReadingTime{}.For(10), 1700);
  EXPECT_EQ((ReadingTime{500, 10}.For(3)), 530);
  // From the settings file: a value out of range warns and reads as the default.
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("panipani-couch-" + std::to_string(getpid()) + ".ini");
  std::ofstream(file) << "auto-reading-ms = 800\nauto-reading-ms-per-character = -4\n";
  std::ostringstream warnings;
  const ReadingTime fromFile = ReadingTimeFrom(Settings::Load(file, warnings));
  std::filesystem::remove(file);
  EXPECT_EQ(fromFile.baseMs, 800);
  EXPECT_EQ(fromFile.perCharacterMs, 50);
  EXPECT_NE(warnings.str().find("auto-reading-ms-per-character"), std::string::npos)
      << warnings.str();

  AutoAdvance a;
  EXPECT_FALSE(a.Visible());
  EXPECT_TRUE(a.OnInput(Input(Type::Key, HostKey::kA))) << "A is the addition's own";
  EXPECT_TRUE(a.AutoOn() && a.Visible());
  // 5 + 2 characters (counted as characters, not bytes): 1200 + 350 ms.
  a.OnEvent(Said("abcde"));
  a.OnEvent(Said("痛い"));
  a.Due(0);
  a.OnEvent(ClickWaitEvent{});
  EXPECT_EQ(FirstClick(a, 20, 5000), 1560);
  EXPECT_EQ(FirstClick(a, 1580, 9000), -1) << "one click for one wait";

  // The next wait counts only what came after the last one; the open panel and a held input
  // (no question for seconds) stop the count.
  a.OnEvent(ClickWaitEvent{});
  EXPECT_EQ(FirstClick(a, 9020, 9500), -1);
  a.OnEvent(PanelEvent{});
  EXPECT_EQ(FirstClick(a, 9520, 20000), -1);
  a.OnEvent(PanelHiddenEvent{});
  a.Due(40000);
  EXPECT_EQ(FirstClick(a, 40020, 50000), 40000 + 1200 - 500);

  // The player's own click ends the wait: nothing more comes for it.
  a.OnEvent(ClickWaitEvent{});
  EXPECT_FALSE(a.OnInput(Input(Type::Key, HostKey::kSpace))) << "Space goes on to the game";
  EXPECT_EQ(FirstClick(a, 50020, 60000), -1);
  // A choice offered is never taken, however long it waits.
  a.OnEvent(Buttons("", "", "冒険!!!!"));
  EXPECT_EQ(FirstClick(a, 60020, 90000), -1);
  EXPECT_TRUE(a.OnInput(Input(Type::Key, HostKey::kA)));
  a.OnEvent(ClickWaitEvent{});
  EXPECT_EQ(FirstClick(a, 90020, 99000), -1) << "off again";
}

TEST(AutoAdvance, FastForwardEndsEveryWaitAtOnceWhileCtrlIsHeld) {
  AutoAdvance a;
  EXPECT_TRUE(a.OnInput(Input(Type::Key, HostKey::kControl)));
  EXPECT_TRUE(a.Visible());
  EXPECT_EQ(FirstClick(a, 0, 1000), -1) << "no wait, no click";
  for (int i = 0; i < 3; ++i) {
    a.OnEvent(Said("とても長い一行のメッセージ"));
    a.OnEvent(ClickWaitEvent{});
    EXPECT_EQ(FirstClick(a, 2000 + i * 100, 2000 + i * 100), 2000 + i * 100);
  }
  a.OnEvent(PanelEvent{});
  a.OnEvent(ClickWaitEvent{});
  EXPECT_EQ(FirstClick(a, 3000, 3000), -1) << "not while the panel is open";
  a.OnEvent(PanelHiddenEvent{});
  EXPECT_EQ(FirstClick(a, 3020, 3020), 3020);
  EXPECT_TRUE(a.OnInput(Input(Type::KeyUp, HostKey::kControl)));
  a.OnEvent(ClickWaitEvent{});
  EXPECT_EQ(FirstClick(a, 3040, 4000), -1) << "released: the wait is the player's again";
  EXPECT_FALSE(a.Visible());
}

// The input the keys make: a pointer move onto a button, or its press.
struct Made {
  Type type;
  int button;
};

Made Press(KeyboardChoices& k, int key) {
  if (!k.OnInput(Input(Type::Key, key))) return {Type::Tick, -1};
  std::optional<HostEvent> e = k.Due(0);
  EXPECT_TRUE(e);
  if (!e) return {Type::Tick, -1};
  EXPECT_FALSE(k.Due(0)) << "one input for one key";
  if (e->type == Type::MouseMove) {
    EXPECT_EQ(e->x, kChoiceCentreX);
    return {e->type, ChoiceButtonAt(e->x, e->y)};
  }
  return {e->type, e->value};
}

TEST(KeyboardChoices, TheHighlightMovesOverTheVisibleButtonsAndWraps) {
  KeyboardChoices k;
  k.OnEvent(Buttons("", "休む", "冒険!!!!"));
  EXPECT_FALSE(k.OnInput(Input(Type::Key, HostKey::kSpace))) << "no highlight: Space clicks";
  auto moves = [&](int key, int button) {
    Made m = Press(k, key);
    EXPECT_EQ(m.type, Type::MouseMove);
    EXPECT_EQ(m.button, button);
  };
  moves(HostKey::kDown, 2);
  moves(HostKey::kDown, 3);
  moves(HostKey::kDown, 2);  // the empty first button is passed over
  moves(HostKey::kUp, 3);
  moves(HostKey::kTab, 2);
  Made pressed = Press(k, HostKey::kPadEnter);
  EXPECT_EQ(pressed.type, Type::Choose);
  EXPECT_EQ(pressed.button, 2);

  // A taken choice or new buttons drop the highlight, so that Space clicks again; the arrows go
  // on from where the pointer is, the mouse's too.
  k.OnEvent(ChosenEvent{2, "休む"});
  EXPECT_FALSE(k.OnInput(Input(Type::Key, HostKey::kSpace)));
  HostEvent mouse = Input(Type::MouseMove);
  mouse.x = kChoiceCentreX;
  mouse.y = ChoiceCentreY(1);
  k.OnEvent(Buttons("力", "知恵", "精神"));
  EXPECT_FALSE(k.OnInput(mouse));
  EXPECT_FALSE(k.OnInput(Input(Type::Key, HostKey::kSpace))) << "the mouse hovers; it does not arm";
  moves(HostKey::kUp, 3);
  pressed = Press(k, HostKey::kSpace);
  EXPECT_EQ(pressed.type, Type::Choose);
  EXPECT_EQ(pressed.button, 3);

  // The open panel has the arrows and Space; with no button shown the keys go on too.
  k.OnEvent(PanelEvent{});
  EXPECT_FALSE(k.OnInput(Input(Type::Key, HostKey::kDown)));
  EXPECT_FALSE(k.OnInput(Input(Type::Key, HostKey::kSpace)));
  k.OnEvent(PanelHiddenEvent{});
  k.OnEvent(Buttons("", "", ""));
  EXPECT_FALSE(k.OnInput(Input(Type::Key, HostKey::kDown)));
}

// Every set of shown buttons: 1, 2 and 3 press the first, second and third shown from the top
// (nothing when fewer are shown); Space and Enter press a lone button and otherwise go on to the
// game (a click, the reset question); the keypad's Enter presses a lone one too.
TEST(KeyboardChoices, NumberKeysPressTheButtonsShownInTheirOrderForEverySetOfButtons) {
  const int digits[] = {HostKey::kDigit1, HostKey::kDigit2, HostKey::kDigit3};
  for (int set = 0; set < 8; ++set) {
    std::array<std::string, 3> labels;
    std::vector<int> shown;
    for (int place = 1; place <= 3; ++place) {
      if (set & (1 << (place - 1))) {
        labels[static_cast<size_t>(place - 1)] = "label" + std::to_string(place);
        shown.push_back(place);
      }
    }
    SCOPED_TRACE("buttons shown in places " + ::testing::PrintToString(shown));
    KeyboardChoices k;
    k.OnEvent(ChoicesEvent{labels});
    for (int n = 1; n <= 3; ++n) {
      const bool exists = n <= static_cast<int>(shown.size());
      EXPECT_TRUE(k.OnInput(Input(Type::Key, digits[n - 1])))
          << "a number key never reaches the game";
      const std::optional<HostEvent> made = k.Due(0);
      EXPECT_EQ(made.has_value(), exists) << "key " << n;
      if (made && exists) {
        EXPECT_EQ(made->type, Type::Choose);
        EXPECT_EQ(made->value, shown[static_cast<size_t>(n - 1)]) << "key " << n;
      }
    }
    for (const int key : {HostKey::kSpace, HostKey::kEnter, HostKey::kPadEnter}) {
      const bool lone = shown.size() == 1;
      EXPECT_EQ(k.OnInput(Input(Type::Key, key)), lone) << "key code " << key;
      const std::optional<HostEvent> made = k.Due(0);
      ASSERT_EQ(made.has_value(), lone);
      if (made) {
        EXPECT_EQ(made->value, shown[0]);
      }
    }
  }

  // Once a button is pressed none is shown until new ones come; the open item panel covers them.
  KeyboardChoices k;
  k.OnEvent(Buttons("", "", "旅立つ"));
  k.OnEvent(ChosenEvent{3, "旅立つ"});
  EXPECT_TRUE(k.OnInput(Input(Type::Key, HostKey::kDigit1)));
  EXPECT_FALSE(k.Due(0));
  EXPECT_FALSE(k.OnInput(Input(Type::Key, HostKey::kEnter))) << "Enter asks the reset question";
  k.OnEvent(Buttons("休む", "", "冒険!!!!"));
  EXPECT_EQ(k.ShownButton(2), 3);
  k.OnEvent(PanelEvent{});
  EXPECT_TRUE(k.OnInput(Input(Type::Key, HostKey::kDigit2)));
  EXPECT_FALSE(k.Due(0)) << "the panel covers the buttons";
  EXPECT_FALSE(k.OnInput(Input(Type::Key, HostKey::kSpace))) << "the panel's own Space";
}

// The numbers come beside the shown buttons once they have slid in, while keys are in use, and go
// when the mouse (or a finger) is used; they are drawn over the picture only.
TEST(KeyboardChoices, KeyNumbersShowBesideTheButtonsWhileKeysAreInUse) {
  TextRenderer text;
  int64_t now = 0;
  KeyboardChoices k(text, [&now] { return now; });
  k.OnEvent(Buttons("力", "", "精神"));
  EXPECT_FALSE(k.Visible()) << "no key used yet";
  EXPECT_TRUE(k.OnInput(Input(Type::Key, HostKey::kDown)));
  k.Due(now);
  EXPECT_FALSE(k.Visible()) << "the buttons are still sliding in";
  now += 600;
  ASSERT_TRUE(k.Visible());
  Surface picture(390, 260, 0);
  k.DrawOver(picture);
  // A cap left of each shown button: places 1 and 3 carry the numbers 1 and 2.
  auto lit = [&picture](int place) {
    int count = 0;
    for (int y = kChoiceTop[place - 1]; y < kChoiceTop[place - 1] + kChoiceHeight; ++y)
      for (int x = 200; x < kChoiceLeft - 12; ++x) count += picture.Pixel(x, y) != 0;
    return count;
  };
  EXPECT_GT(lit(1), 20);
  EXPECT_EQ(lit(2), 0) << "no button in the second place";
  EXPECT_GT(lit(3), 20);
  HostEvent pointer = Input(Type::MouseMove);
  pointer.x = 50;
  pointer.y = 50;
  EXPECT_FALSE(k.OnInput(pointer));
  EXPECT_FALSE(k.Visible()) << "the mouse took over";
  EXPECT_TRUE(k.OnInput(Input(Type::Key, HostKey::kDigit3))) << "no third button: taken, unused";
  EXPECT_TRUE(k.Visible());
  k.OnEvent(ChosenEvent{1, "力"});
  EXPECT_FALSE(k.Visible()) << "no button shown";
}

void AddCouchExtras(ExtrasHost& host) {
  host.Add(std::make_unique<AutoAdvance>());
  host.Add(std::make_unique<KeyboardChoices>());
}

// The title and the opening by keys give the very events the mouse gives: the hover sounds and
// the presses, the clicks, the item panel's use and close.
TEST(Couch, KeysReachTheSameHandlersAsTheMouse) {
  // Each step: the mouse's lines, then the keys' lines for the same input.
  const std::pair<const char*, const char*> steps[] = {
      {"click\ntick 5\nclick\ntick 20\n", "key space\ntick 5\nkey space\ntick 20\n"},
      {"hover 3\nchoose 3\n", "key down\nkey space\n"},  // 旅立つ, the only button
      {"hover 1\nchoose 1\n", "key tab\nkey padenter\n"},
      {"hover 3\nhover 1\nchoose 1\n", "key up\nkey down\nkey space\n"},
      {"hover 3\nhover 1\nchoose 1\n", "key up\nkey down\nkey space\n"},
      {"hover 3\nhover 1\nchoose 1\n", "key up\nkey down\nkey space\n"},
      {"hover 3\nhover 1\nchoose 1\n", "key up\nkey down\nkey space\n"},
      {"hover 3\nchoose 3\n", "key down\nkey space\n"},                   // 冒険の始まり
      {"hover 2\nchoose 2\n", "key up\nkey space\n"},                     // 冒険者です
      {"hover 3\nchoose 3\n", "key down\nkey space\n"},                   // 冒険!!!!
      {"hover 2\nchoose 2\n", "key up\nkey space\n"},                     // 開ける, the chest
      {"hover 3\nhover 2\nchoose 2\n", "key down\nkey up\nkey space\n"},  // アイテム
      {"panel select 0\npanel select 1\npanel use\ntick 2\npanel close\n",
       "key down\nkey down\nkey padenter\ntick 2\nkey escape\n"},
  };
  std::string mouse = "tick 5\n", keys = "tick 5\n";
  for (const auto& [byMouse, byKeys] : steps) {
    mouse += std::string(byMouse) + "tick 3\n";
    keys += std::string(byKeys) + "tick 3\n";
  }
  mouse += "state\nclose\n";
  keys += "state\nclose\n";
  const std::vector<std::string> byMouse = test::PlaySeeded(mouse, 11);
  test::SeededRunOptions couch;
  couch.addExtras = AddCouchExtras;
  const std::vector<std::string> byKeys = test::PlaySeeded(keys, 11, couch);
  const std::string opened = R"({"ev":"panel","mode":"使う")";
  const std::string closed = R"({"ev":"panel-hidden"})";
  ASSERT_GT(std::count_if(byMouse.begin(), byMouse.end(),
                          [&](const std::string& e) { return e.starts_with(opened); }),
            0)
      << "the item panel opened";
  EXPECT_NE(std::find(byMouse.begin(), byMouse.end(), closed), byMouse.end());
  EXPECT_EQ(
      std::count(byMouse.begin(), byMouse.end(), R"({"ev":"sound","channel":0,"file":"key.wav"})"),
      16);
  EXPECT_EQ(byMouse, byKeys);
}

// A long seeded run with auto mode, fast-forward and the keyboard interleaved: what reached the
// game, recorded and played again without the additions, gives the same events; the additions
// made only input a player could have made.
TEST(Couch, AutoModeFastForwardAndKeysNeverChangeTheGame) {
  // Enter presses 旅立つ, the only button; later the number keys press the buttons shown.
  std::string script = "tick 5\nkey space\ntick 5\nkey space\ntick 20\nkey enter\nkey a\n";
  for (int i = 0; i < 90; ++i) {
    const bool fast = i % 3 == 0;
    if (fast) script += "key ctrl\n";
    script += fast ? "tick 5\n" : "tick " + std::to_string(60 + 40 * (i % 5)) + "\n";
    if (fast) script += "keyup ctrl\n";
    for (int step = 0; step < i % 3; ++step) script += i % 2 ? "key down\n" : "key tab\n";
    if (i % 6 == 4)
      script += "key " + std::to_string(HostKey::kDigit1 + i % 3) + "\n";
    else
      script += i % 4 == 1 ? "key padenter\n" : "key space\n";
    if (i % 5 == 2) script += "key escape\n";
  }
  script += "state\nclose\n";

  std::ostringstream recording;
  test::SeededRunOptions couch;
  couch.autoClick = false;
  couch.addExtras = AddCouchExtras;
  couch.record = &recording;
  const std::vector<std::string> withAdditions = test::PlaySeeded(script, 23, couch);

  test::SeededRunOptions plain;
  plain.autoClick = false;
  const std::vector<std::string> replayed = test::PlaySeeded(recording.str(), 23, plain);
  ASSERT_GT(withAdditions.size(), 500u);
  EXPECT_EQ(withAdditions, replayed);

  int clicks = 0, chosen = 0;
  std::istringstream lines(recording.str());
  for (std::string line; std::getline(lines, line);) {
    clicks += line == "click";
    EXPECT_FALSE(line == "key a" || line == "key ctrl" || line == "key enter" ||
                 line.starts_with("key 4") || line.starts_with("key 5"))
        << "the additions' keys stay theirs; a number key is recorded as its press: " << line;
  }
  for (const std::string& e : withAdditions) chosen += e.starts_with(R"({"ev":"chosen")");
  EXPECT_GT(clicks, 20) << "auto mode and fast-forward ended the waits";
  EXPECT_GT(chosen, 20);
}

}  // namespace
}  // namespace pp
