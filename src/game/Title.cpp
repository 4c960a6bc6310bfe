#include "game/Title.h"

#include "game/Game.h"
#include "game/Sound.h"
#include "ui/Choices.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {
namespace {

// The login screen: the choice buttons set at start-up come into play over the login picture.
void ShowLogin(Game& g) {
  PlayWave(g, 3, "start2.wav");
  ShowPicture(g, "login.bmp");
  g.state.titlePhase = 0;
  ReportChoices(g);
}

}  // namespace

void cgMouseDown(Game& g) {
  GameState& s = g.state;
  if (s.titlePhase >= 0) {
    ClickAdvance(g);
  } else if (s.titlePhase == -1 || s.records[0] != 0) {
    // One who has answered the opening question before skips the second title picture.
    ShowLogin(g);
  } else {
    PlayWave(g, 0, "start.wav");
    ShowPicture(g, "title2.bmp");
    // No frame is drawn in this phase: the second title stays until the next click.
    g.cg.StretchFrom(g.haikei, Rect{0, 0, 100, 60}, Rect{0, 0, 390, 260});
    g.host.Present(g.cg);
    s.titlePhase = -1;
  }
}

void cgMouseMove(Game& g) { g.state.hoveredChoice = 0; }

}  // namespace pp
