#include "core/Int32.h"
#include "game/Game.h"
#include "ui/MessageColours.h"
#include "ui/Renderer.h"

namespace pp {

void UpdateEffects(Game& g) {
  GameState& s = g.state;
  const bool oddFrame = s.frameCounter % 2 != 0;
  for (OverlaySlot& slot : s.overlayRing) {
    if (slot.age < 1 || !IsMessageKind(slot.kind)) continue;
    // Lines rise one pixel every second frame.
    if (oddFrame) slot.age = Add32(slot.age, 1);
    int32_t top = Sub32(slot.y, slot.age);
    if (!slot.text.empty())
      g.text.Draw(g.bak2, slot.x, top, slot.text,
                  TextStyle{8, true, MessageColour(slot.kind, slot.age), false, 0});
    if (top < -10) {
      slot.age = 0;
      slot.text.clear();
    }
  }
}

}  // namespace pp
