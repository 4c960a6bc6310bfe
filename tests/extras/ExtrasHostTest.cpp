#include <gtest/gtest.h>

#include "extras/ExtrasHost.h"
#include "gfx/Surface.h"
#include "support/SeededRun.h"
#include "support/TestHost.h"

namespace pp {
namespace {

using Kind = Report::Kind;
using Type = HostEvent::Type;

HostEvent Input(Type type, int value = 0) {
  HostEvent e;
  e.type = type;
  e.value = value;
  return e;
}

TEST(Report, ReadsTheGamesOwnEventsBack) {
  auto message = ReadReport(
      R"({"ev":"message","kind":307,"colour":"red","text":"\"痛い\" \\ a\r\nb\u0001 \ud83d\ude00"})");
  ASSERT_TRUE(message);
  EXPECT_EQ(message->kind, Kind::Message);
  EXPECT_EQ(message->number, 307);
  EXPECT_EQ(message->colour, "red");
  EXPECT_EQ(message->text, "\"痛い\" \\ a\r\nb\x01 😀");

  auto choices = ReadReport(R"({"ev":"choices","labels":["","休む","冒険!!!!"]})");
  ASSERT_TRUE(choices);
  EXPECT_EQ(choices->labels, (std::array<std::string, 3>{"", "休む", "冒険!!!!"}));

  auto chosen = ReadReport(R"({"ev":"chosen","button":3,"label":"旅立つ"})");
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->kind, Kind::Chosen);
  EXPECT_EQ(chosen->number, 3);
  EXPECT_EQ(chosen->text, "旅立つ");

  auto sound = ReadReport(R"({"ev":"sound","channel":1,"file":"moji.wav"})");
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->kind, Kind::Sound);
  EXPECT_EQ(sound->text, "moji.wav");

  // Nested values are stepped over; unknown events are Other.
  auto state = ReadReport(R"({"ev":"state","money":5,"itemCount":{"12":3},"bed":[[1,"}"]]})");
  ASSERT_TRUE(state);
  EXPECT_EQ(state->kind, Kind::Other);
  EXPECT_EQ(ReadReport(R"({"ev":"panel-hidden"})")->kind, Kind::PanelHidden);

  for (const char* bad : {"", "{", R"({"ev":"message","text":"cut)", R"({"ev":"wait"} x)",
                          R"({"text":"no ev"})", R"({"ev":"message","text":"\u12"})"})
    EXPECT_FALSE(ReadReport(bad)) << bad;
}

// An addition that takes key L, holds the input while "open", makes a click when asked and
// paints the top-left pixel.
class Probe : public Extra {
 public:
  void OnReport(const Report& r) override { reports.push_back(r.kind); }
  bool OnInput(const HostEvent& e) override {
    seen.push_back(e.type);
    if (e.type == Type::Key && e.value == HostKey::kL) {
      open = !open;
      return true;
    }
    return false;
  }
  std::optional<HostEvent> Due(int64_t) override {
    if (!clickDue) return std::nullopt;
    clickDue = false;
    return Input(Type::MouseDown);
  }
  bool HoldsInput() const override { return open; }
  bool Visible() const override { return open; }
  void DrawOver(Surface& picture) override { picture.Fill(0x123456); }

  std::vector<Kind> reports;
  std::vector<Type> seen;
  bool open = false;
  bool clickDue = false;
};

TEST(ExtrasHost, AdditionsTakeHoldAndDrawWithoutTouchingTheGamesPicture) {
  TestHost inner;
  ExtrasHost host(inner);
  Probe& probe = host.Add(std::make_unique<Probe>());

  host.Trace(R"({"ev":"wait"})");
  EXPECT_EQ(inner.traces, std::vector<std::string>{R"({"ev":"wait"})"});
  EXPECT_EQ(probe.reports, std::vector<Kind>{Kind::Wait});

  Surface frame(390, 260);
  frame.Fill(0xABCDEF);
  host.Present(frame);
  EXPECT_EQ(inner.lastFrame.Pixel(0, 0), 0xABCDEFu) << "nothing drawn while closed";

  // L opens it: shown at once over the last frame; clicks and keys wait, time and commands pass.
  inner.script = {Input(Type::Key, HostKey::kL), Input(Type::MouseDown),
                  Input(Type::Choose, 1),        Input(Type::Tick),
                  Input(Type::Command),          Input(Type::Key, HostKey::kL),
                  Input(Type::Choose, 2)};
  EXPECT_EQ(host.WaitEvent().type, Type::Tick);
  EXPECT_EQ(inner.lastFrame.Pixel(0, 0), 0x123456u);
  EXPECT_EQ(frame.Pixel(0, 0), 0xABCDEFu) << "the game's picture is its own";
  EXPECT_EQ(host.WaitEvent().type, Type::Command);
  HostEvent after = host.WaitEvent();
  EXPECT_EQ(after.type, Type::Choose) << "closed again, input flows";
  EXPECT_EQ(after.value, 2);
  EXPECT_EQ(inner.lastFrame.Pixel(0, 0), 0xABCDEFu);

  probe.clickDue = true;
  EXPECT_EQ(host.WaitEvent().type, Type::MouseDown) << "an addition's own input comes first";
  probe.open = true;
  probe.clickDue = true;
  inner.script = {Input(Type::Tick)};
  EXPECT_EQ(host.WaitEvent().type, Type::Tick) << "nothing is made while the input is held";
}

TEST(ExtrasHost, ASeededRunGivesTheSameEventsThroughTheAdditions) {
  const std::string script = test::LongScript();
  const std::vector<std::string> plain = test::PlaySeeded(script, 7);
  const std::vector<std::string> wrapped =
      test::PlaySeeded(script, 7, [](ExtrasHost& h) { h.Add(std::make_unique<Probe>()); });
  ASSERT_GT(plain.size(), 500u);
  EXPECT_EQ(plain, wrapped);
}

}  // namespace
}  // namespace pp
