#include <gtest/gtest.h>

#include "extras/ExtrasHost.h"
#include "gfx/Surface.h"
#include "support/SeededRun.h"
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

// An addition that takes key L, holds the input while "open", makes a click when asked and
// paints the top-left pixel.
class Probe : public Extra {
 public:
  void OnEvent(const GameEvent& e) override { events.push_back(e); }
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

  std::vector<GameEvent> events;
  std::vector<Type> seen;
  bool open = false;
  bool clickDue = false;
};

TEST(ExtrasHost, AdditionsTakeHoldAndDrawWithoutTouchingTheGamesPicture) {
  TestHost inner;
  ExtrasHost host(inner);
  Probe& probe = host.Add(std::make_unique<Probe>());

  host.Report(ClickWaitEvent{});
  EXPECT_EQ(inner.events, std::vector<GameEvent>{ClickWaitEvent{}});
  EXPECT_EQ(probe.events, std::vector<GameEvent>{ClickWaitEvent{}});

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
