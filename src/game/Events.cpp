#include "game/Events.h"

#include "game/Commands.h"
#include "game/Game.h"
#include "game/ResetPrompt.h"
#include "game/Sound.h"
#include "game/Startup.h"
#include "game/Timer.h"
#include "game/Title.h"
#include "items/PanelInput.h"
#include "platform/InputLayout.h"
#include "ui/Choices.h"

namespace pp {
namespace {

// The choice button (1..3) under (x, y), or 0. The hit areas come into play with the login
// screen and stay from then on.
int ChoiceAt(const Game& g, int x, int y) {
  if (g.state.titlePhase < 0) return 0;
  return ChoiceButtonAt(x, y);
}

}  // namespace

void HandleEvent(Game& g, const HostEvent& e) {
  switch (e.type) {
    case HostEvent::Type::Tick:
      Timer1Timer(g);
      PumpSound(g);
      break;
    case HostEvent::Type::MouseDown:
      // The item panel lies over the picture and the choice buttons.
      if (PanelMouseDown(g, e.x, e.y)) break;
      if (int n = ChoiceAt(g, e.x, e.y))
        ChoiceMouseDown(g, n);
      else
        cgMouseDown(g);
      break;
    case HostEvent::Type::MouseMove:
      if (PanelCovers(g, e.x, e.y)) break;
      if (int n = ChoiceAt(g, e.x, e.y))
        ChoiceMouseMove(g, n);
      else
        cgMouseMove(g);
      break;
    case HostEvent::Type::Choose:
      // A button the item panel covers cannot be pressed; nor can one before the login screen.
      if (e.value < 1 || e.value > 3 || ChoiceAt(g, kChoiceCentreX, ChoiceCentreY(e.value)) == 0)
        break;
      if (PanelCovers(g, kChoiceCentreX, ChoiceCentreY(e.value))) break;
      ChoiceMouseDown(g, e.value);
      break;
    case HostEvent::Type::Key:
      if (e.value == kMuteKey) {
        SetMute(g, !g.config.mute);
        break;
      }
      if (PanelKeyDown(g, e.value)) break;
      // Space clicks the picture, as a mouse-down away from the buttons does.
      if (e.value == HostKey::kSpace) {
        cgMouseDown(g);
        break;
      }
      FormKeyDown(g, e.value);
      break;
    case HostEvent::Type::AudioDone:
      PumpSound(g);
      break;
    case HostEvent::Type::Command:
      if (RunPanelCommand(g, e.text)) break;
      RunCommand(g, e.text);
      break;
    case HostEvent::Type::Close:
      // A second close (from a nested loop already unwinding) must not save again.
      if (g.closing) break;
      g.closing = true;
      if (!FormClose(g)) g.exitStatus = 1;
      break;
    case HostEvent::Type::Wheel:
      PanelWheel(g, e.value);
      break;
    case HostEvent::Type::MouseUp:
    case HostEvent::Type::KeyUp:
      // The picture takes no action on a button or key going up.
      break;
  }
}

}  // namespace pp
