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
  std::vector<std::string> Shown() {
    std::vector<std::string> out;
    for (; seen < host.traces.size(); ++seen)
      if (host.traces[seen].find(R"("ev":"message")") == std::string::npos)
        out.push_back(host.traces[seen]);
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
            (std::vector<std::string>{R"({"ev":"sound","channel":0,"file":"start.wav"})",
                                      R"({"ev":"picture","file":"title2.bmp","ok":true})"}));
  // The second title fills the picture and is shown at once: no frame runs in this phase.
  EXPECT_EQ(f.g.cg.Pixel(0, 0), test::kTitle2Colour);
  EXPECT_EQ(f.g.cg.Pixel(389, 259), test::kTitle2Colour);
  EXPECT_EQ(f.host.presented, 1);

  f.Click(300, 230);  // where button 3 will be: still only the picture
  EXPECT_EQ(f.g.state.titlePhase, 0);
  EXPECT_EQ(f.Shown(),
            (std::vector<std::string>{R"({"ev":"sound","channel":3,"file":"start2.wav"})",
                                      R"({"ev":"picture","file":"login.bmp","ok":true})",
                                      R"({"ev":"choices","labels":["","","旅立つ"]})"}));
  EXPECT_EQ(f.g.haikei.Pixel(50, 30), test::kLoginColour);

  // From the login screen on, a click on the picture ends a wait.
  f.g.state.clickState = 0;
  f.Click();
  EXPECT_EQ(f.g.state.clickState, 1);
  EXPECT_EQ(f.g.state.titlePhase, 0);
  EXPECT_EQ(f.Shown(), (std::vector<std::string>{R"({"ev":"sound","channel":2,"file":"1.wav"})"}));
}

TEST(Title, ReturningPlayerGoesStraightToTheLogin) {
  TitleFixture f(2);
  f.g.state.choiceLabel2 = "Promortion";
  f.Click();
  EXPECT_EQ(f.g.state.titlePhase, 0);
  EXPECT_EQ(f.Shown(),
            (std::vector<std::string>{R"({"ev":"sound","channel":3,"file":"start2.wav"})",
                                      R"({"ev":"picture","file":"login.bmp","ok":true})",
                                      R"({"ev":"choices","labels":["","Promortion","旅立つ"]})"}));
}

}  // namespace
}  // namespace pp
