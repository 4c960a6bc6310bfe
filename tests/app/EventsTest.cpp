#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/TestData.h"
#include "game/Events.h"
#include "game/Game.h"
#include "support/TestHost.h"
#include "ui/Messages.h"

namespace pp {
namespace {

using Type = HostEvent::Type;
using test::Event;

// The login screen with three labels that no scene answers to.
struct LoginFixture {
  LoginFixture() {
    g.state.titlePhase = 0;
    g.state.choiceLabel1 = "試し1";
    g.state.choiceLabel2 = "試し2";
    g.state.choiceLabel3 = "試し3";
  }
  TestHost host;
  Game g{host, GameConfig{}, 1};
};

TEST(Routing, PointerOverTheHitAreasGoesToTheirButtons) {
  struct Case {
    int x, y, hovered;
  };
  // sel1 (256,156), sel2 (256,188), sel3 (256,220), each 133 x 25; the rest is the picture.
  const Case cases[] = {{256, 156, 1}, {388, 180, 1}, {255, 160, 0}, {300, 181, 0},
                        {300, 187, 0}, {300, 188, 2}, {300, 212, 2}, {300, 220, 3},
                        {388, 244, 3}, {300, 245, 0}, {389, 230, 0}, {100, 100, 0}};
  for (const Case& c : cases) {
    LoginFixture f;
    f.g.state.hoveredChoice = -1;
    HandleEvent(f.g, Event(Type::MouseMove, c.x, c.y));
    EXPECT_EQ(f.g.state.hoveredChoice, c.hovered) << c.x << "," << c.y;
  }
}

TEST(Routing, ClickOnAButtonTakesTheChoiceAndOnThePictureOnlyEndsTheWait) {
  LoginFixture f;
  f.g.state.clickState = 0;
  HandleEvent(f.g, Event(Type::MouseDown, 100, 100));
  EXPECT_EQ(f.g.state.clickState, 1);
  EXPECT_EQ(f.g.state.choicesEnabled, 1);

  HandleEvent(f.g, Event(Type::MouseDown, 322, 200));
  EXPECT_EQ(f.g.state.choicesEnabled, 0);
  EXPECT_EQ(f.g.state.choiceBlink2, 1);
  EXPECT_EQ(f.host.Played("pi.wav"), 1);
}

TEST(Closing, DuringAWaitEndsItAndSavesOnce) {
  test::TempData data;
  TestHost host;
  Game g(host, data.Config(), 1);
  g.state.titlePhase = 0;
  host.script = {Event(Type::Tick), Event(Type::Close)};
  WaitForClick(g);
  EXPECT_TRUE(g.closing);
  EXPECT_EQ(g.state.clickState, -1);
  EXPECT_EQ(g.exitStatus, 0);
  const std::filesystem::path saved = data.saveDir / "my.dat";
  ASSERT_TRUE(std::filesystem::exists(saved));

  // Later messages are silent, and a second close does not save again.
  std::filesystem::remove(saved);
  AddMessage(g, "もう聞こえない");
  EXPECT_TRUE(host.Messages().empty());
  HandleEvent(g, Event(Type::Close));
  EXPECT_FALSE(std::filesystem::exists(saved));
}

TEST(Closing, AFailedSaveMakesTheExitStatusOne) {
  test::TempData data;
  std::ofstream(data.root / "blocked") << "x";  // a file where the save folder should be
  GameConfig config = data.Config();
  config.saveDir = data.root / "blocked";
  TestHost host;
  Game g(host, config, 1);
  HandleEvent(g, Event(Type::Close));
  EXPECT_EQ(g.exitStatus, 1);
  EXPECT_FALSE(host.errors.empty());
}

}  // namespace
}  // namespace pp
