#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/TestData.h"
#include "game/Events.h"
#include "game/Game.h"
#include "support/TestHost.h"

namespace pp {
namespace {

// A game on the first title screen over a temporary data folder.
struct TitleFixture {
  explicit TitleFixture(int32_t answered) {
    g.state.records[0] = answered;
    g.state.titlePhase = -2;
  }
  // The sound, picture and choices events since the last call.
  std::vector<GameEvent> Shown() {
    std::vector<GameEvent> out;
    for (; seen < host.events.size(); ++seen)
      if (!std::holds_alternative<MessageEvent>(host.events[seen]))
        out.push_back(host.events[seen]);
    return out;
  }
  void Click(int x = 100, int y = 100) {
    HandleEvent(g, test::Event(HostEvent::Type::MouseDown, x, y));
  }

  test::TempData data;
  TestHost host;
  Game g{host, data.Config(), 1};
  size_t seen = 0;
};

TEST(Title, NewPlayerSeesTheSecondTitleBeforeTheLogin) {
  TitleFixture f(0);
  HandleEvent(f.g, test::Event(HostEvent::Type::MouseMove, 300, 200));  // no button yet
  f.Click();
  EXPECT_EQ(f.g.state.titlePhase, -1);
  EXPECT_EQ(f.Shown(),
            (std::vector<GameEvent>{SoundEvent{0, "start.wav"}, PictureEvent{"title2.bmp", true}}));
  // The second title fills the picture and is shown at once: no frame runs in this phase.
  EXPECT_EQ(f.g.cg.Pixel(0, 0), test::kTitle2Colour);
  EXPECT_EQ(f.g.cg.Pixel(389, 259), test::kTitle2Colour);
  EXPECT_EQ(f.host.presented, 1);

  f.Click(300, 230);  // where button 3 will be: still only the picture
  EXPECT_EQ(f.g.state.titlePhase, 0);
  EXPECT_EQ(f.Shown(),
            (std::vector<GameEvent>{SoundEvent{3, "start2.wav"}, PictureEvent{"login.bmp", true},
                                    ChoicesEvent{{"", "", "旅立つ"}}}));
  EXPECT_EQ(f.g.haikei.Pixel(50, 30), test::kLoginColour);

  // From the login screen on, a click on the picture ends a wait.
  f.g.state.clickState = 0;
  f.Click();
  EXPECT_EQ(f.g.state.clickState, 1);
  EXPECT_EQ(f.g.state.titlePhase, 0);
  EXPECT_EQ(f.Shown(), (std::vector<GameEvent>{SoundEvent{2, "1.wav"}}));
}

TEST(Title, ReturningPlayerGoesStraightToTheLogin) {
  TitleFixture f(2);
  f.g.state.choiceLabel2 = "Promortion";
  f.Click();
  EXPECT_EQ(f.g.state.titlePhase, 0);
  EXPECT_EQ(f.Shown(),
            (std::vector<GameEvent>{SoundEvent{3, "start2.wav"}, PictureEvent{"login.bmp", true},
                                    ChoicesEvent{{"", "Promortion", "旅立つ"}}}));
}

}  // namespace
}  // namespace pp
