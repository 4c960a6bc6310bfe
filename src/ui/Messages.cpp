#include "ui/Messages.h"

#include "core/Int32.h"
#include "game/Events.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "ui/MessageColours.h"

namespace pp {
namespace {

// Where every new line starts: near the bottom-left corner of the picture.
constexpr int32_t kMessageX = 5;
constexpr int32_t kMessageY = 245;
// How far a new line lifts every live one.
constexpr int32_t kLineLift = 10;

// Sound, report, then the line enters the ring and lifts the others.
void PushMessage(Game& g, std::string_view text, int32_t kind, std::string_view colourName) {
  if (g.state.clickState == -1) return;
  PlayWave(g, 1, "moji.wav");
  g.host.Report(
      MessageEvent{kind, std::string(colourName), MessageColour(kind, 0), std::string(text)});
  PushOverlayText(g, kMessageX, kMessageY, text, kind);
  // Every slot of a message kind is lifted, free ones too: a freed slot comes back with its
  // text cleared and rises unseen.
  for (OverlaySlot& slot : g.state.overlayRing)
    if (IsMessageKind(slot.kind)) slot.age = Add32(slot.age, kLineLift);
}

}  // namespace

void PushOverlayText(Game& g, int32_t x, int32_t y, std::string_view text, int32_t kind) {
  GameState& s = g.state;
  // Wraps from 49 to 0; an index outside the ring starts over at 0.
  s.overlayRingIndex = s.overlayRingIndex >= 0 && s.overlayRingIndex < kOverlaySlots - 1
                           ? s.overlayRingIndex + 1
                           : 0;
  OverlaySlot& slot = s.overlayRing[static_cast<size_t>(s.overlayRingIndex)];
  slot.age = 1;
  slot.x0 = x;
  slot.y0 = y;
  slot.x = x;
  slot.y = y;
  slot.kind = kind;
  slot.text = text;
}

void AddMessage(Game& g, std::string_view text) { PushMessage(g, text, kPlainMessage, "plain"); }

void AddColorMessage(Game& g, std::string_view text, std::string_view colourName) {
  int32_t kind = MessageKind(colourName);
  PushMessage(g, text, kind, kind == kPlainMessage ? std::string_view("plain") : colourName);
}

void WaitForClick(Game& g) {
  if (g.state.clickState == -1 || g.closing) return;
  g.state.clickState = 0;
  g.host.Report(ClickWaitEvent{});
  while (g.state.clickState == 0 && !g.closing) HandleEvent(g, g.host.WaitEvent());
}

void ClickAdvance(Game& g) {
  if (g.state.clickState == 0) PlayWave(g, 2, "1.wav");
  // Also leaves silent mode, as the original click did.
  g.state.clickState = 1;
}

}  // namespace pp
