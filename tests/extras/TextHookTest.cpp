// The text hook's lines, and the never-changes run of the log, the hook and the keys help.

#include <gtest/gtest.h>

#include <sstream>

#include "extras/KeysHelp.h"
#include "extras/TextHook.h"
#include "extras/log/LogExtra.h"
#include "gfx/Text.h"
#include "platform/Clipboard.h"
#include "support/SeededRun.h"

namespace pp {
namespace {

using Type = HostEvent::Type;

class RecordingClipboard : public Clipboard {
 public:
  void Copy(const std::string& utf8) override { copies.push_back(utf8); }
  std::vector<std::string> copies;
};

TEST(TextHook, WritesTheMessagesAndOfferedLabelsOfASeededRun) {
  std::ostringstream out;
  RecordingClipboard clipboard;
  const std::string script =
      "tick 5\nclick\ntick 5\nclick\ntick 20\nchoose 3\ntick 20\nchoose 1\ntick 5\nclick\nclose\n";
  test::PlaySeeded(script, 1,
                   [&](ExtrasHost& h) { h.Add(std::make_unique<TextHook>(out, &clipboard)); });
  EXPECT_EQ(out.str(),
            "旅立つ\n"
            "自信のある能力はどれだ？\n"
            "力 / 知恵 / 精神\n"
            "力が 1上昇\n"
            "力 / 知恵 / 精神\n");
  EXPECT_EQ(clipboard.copies, (std::vector<std::string>{"自信のある能力はどれだ？", "力が 1上昇"}));

  // One valid UTF-8 line whatever the game's text holds.
  EXPECT_EQ(HookLine("a\r\nb\tc\xff\xe3\x81 ¥\\"),
            "a  b c\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD ¥\\");
  EXPECT_EQ(ParseTextHookMode("print"), TextHookMode::Print);
  EXPECT_EQ(ParseTextHookMode("Copy"), TextHookMode::Off);
}

// The headless host with the player's own input for the log and the help slipped in: every few
// events it opens the log or the help, scrolls, and closes it again before any input of the
// script's own that the game must get, so that time runs on while they are open.
class Interleaver final : public ForwardingHost {
 public:
  // `opened` counts the times the log or the help was opened.
  Interleaver(Host& inner, int& opened) : ForwardingHost(inner), opened(opened) {}

  HostEvent WaitEvent() override {
    if (!queued_.empty()) return Pop();
    HostEvent e = inner().WaitEvent();
    const bool time = e.type == Type::Tick || e.type == Type::AudioDone || e.type == Type::Command;
    if (open_ && !time) {
      Queue(Closing());
      open_ = false;
    } else if (!open_ && time && ++count_ % 7 == 0) {
      Queue(Opening());
      open_ = true;
    }
    queued_.push_back(std::move(e));
    return Pop();
  }

 private:
  static HostEvent Key(int code) {
    HostEvent e;
    e.type = Type::Key;
    e.value = code;
    return e;
  }
  static HostEvent Of(Type type, int value = 0) {
    HostEvent e;
    e.type = type;
    e.value = value;
    return e;
  }
  std::vector<HostEvent> Opening() {
    ++opened;
    switch (opened % 3) {
      case 0:
        return {Key(HostKey::kL),    Of(Type::Wheel, 2),  Key(HostKey::kPageUp),
                Key(HostKey::kHome), Key(HostKey::kDown), Of(Type::Choose, 1),
                Of(Type::MouseMove)};
      case 1:
        return {Key(HostKey::kF1), Of(Type::Wheel, 1), Key(HostKey::kUp)};
      default:
        return {Key(HostKey::kPageUp), Key(HostKey::kUp), Key(HostKey::kEnd), Key(HostKey::kEnter),
                Key(HostKey::kPageDown)};
    }
  }
  std::vector<HostEvent> Closing() {
    switch (opened % 3) {
      case 0:
        return {Key(HostKey::kEnd), Of(Type::Wheel, -1)};
      case 1:
        return {Of(Type::MouseDown)};
      default:
        return {Key(HostKey::kEscape)};
    }
  }
  void Queue(std::vector<HostEvent> events) {
    for (HostEvent& e : events) queued_.push_back(std::move(e));
  }
  HostEvent Pop() {
    HostEvent e = std::move(queued_.front());
    queued_.pop_front();
    return e;
  }

  int& opened;
  std::deque<HostEvent> queued_;
  bool open_ = false;
  int count_ = 0;
};

TEST(Reading, ASeededRunGivesTheSameEventsWithTheLogTheHookAndTheHelpInterleaved) {
  const std::string script = test::LongScript();
  const std::vector<std::string> plain = test::PlaySeeded(script, 5);

  TextRenderer text;
  std::ostringstream hooked;
  int opened = 0;
  test::SeededRunOptions options;
  options.addExtras = [&](ExtrasHost& h) {
    h.Add(std::make_unique<KeysHelp>(text, std::vector<HelpLine>{{"F1", "this help"}}));
    h.Add(std::make_unique<LogExtra>(text));
    h.Add(std::make_unique<TextHook>(hooked, nullptr));
  };
  options.between = [&opened](Host& headless) {
    return std::make_unique<Interleaver>(headless, opened);
  };
  const std::vector<std::string> read = test::PlaySeeded(script, 5, options);
  ASSERT_GT(plain.size(), 500u);
  EXPECT_EQ(plain, read);
  EXPECT_GT(opened, 100);
  const std::string lines = hooked.str();
  EXPECT_GT(std::count(lines.begin(), lines.end(), '\n'), 300);
}

}  // namespace
}  // namespace pp
