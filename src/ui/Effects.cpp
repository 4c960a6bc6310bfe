#include <algorithm>
#include <vector>

#include "core/Int32.h"
#include "game/Game.h"
#include "gfx/TextWrap.h"
#include "lang/DisplayLanguage.h"
#include "lang/Roles.h"
#include "ui/MessageColours.h"
#include "ui/Renderer.h"
#include "ui/Shown.h"

namespace pp {
namespace {

constexpr int kMessagePoints = 8;
// The rows of one wrapped message stand as far apart as two messages do.
constexpr int32_t kRowHeight = 10;
// A wrapped message keeps this far from the picture's right edge.
constexpr int kRightMargin = 5;

TextStyle MessageStyle(const OverlaySlot& slot) {
  return TextStyle{kMessagePoints, true, MessageColour(slot.kind, slot.age), false, 0};
}

struct ShownRow {
  std::string text;
  Face face;
};

// The rows a message shows in the player's language: its English wrapped to the picture in the
// Latin face (or the Japanese where it has none), under the Japanese when both are read.
std::vector<ShownRow> ShownRows(Game& g, const OverlaySlot& slot) {
  const DisplayLanguage& language = *g.config.language;
  const int width = kPictureWidth - slot.x - kRightMargin;
  std::optional<std::string> english = language.English(slot.text, role::kMessage);
  std::vector<ShownRow> rows;
  if (language.mode() == DisplayLanguage::Mode::Both) {
    rows.push_back({slot.text, Face::Japanese});
    if (!english) return rows;
  }
  const Face face = english ? Face::Latin : Face::Japanese;
  for (std::string& row :
       WrapText(g.text, english ? *english : slot.text, kMessagePoints, true, width, face))
    rows.push_back({std::move(row), face});
  return rows;
}

// The live messages in the player's language: each slot's rows stand on the slot's own line and
// above it, and push every older message up by the rows they add, so that a wrapped message
// rises as a whole.
void DrawShownMessages(Game& g) {
  std::vector<const OverlaySlot*> live;
  for (const OverlaySlot& slot : g.state.overlayRing)
    if (slot.age >= 1 && IsMessageKind(slot.kind) && !slot.text.empty()) live.push_back(&slot);
  // The newest, lowest line first.
  std::stable_sort(live.begin(), live.end(), [](const OverlaySlot* a, const OverlaySlot* b) {
    return Sub32(a->y, a->age) > Sub32(b->y, b->age);
  });
  int64_t lift = 0;
  for (const OverlaySlot* slot : live) {
    const std::vector<ShownRow> rows = ShownRows(g, *slot);
    const int64_t bottom = int64_t{Sub32(slot->y, slot->age)} - lift;
    const int64_t count = static_cast<int64_t>(rows.size());
    for (int64_t r = 0; r < count; ++r) {
      const int64_t top = bottom - (count - 1 - r) * kRowHeight;
      if (top < -kRowHeight || top > kPictureHeight) continue;
      const ShownRow& row = rows[static_cast<size_t>(r)];
      TextStyle style = MessageStyle(*slot);
      style.face = row.face;
      g.text.Draw(g.bak2, slot->x, static_cast<int>(top), row.text, style);
    }
    lift += (count - 1) * kRowHeight;
  }
}

}  // namespace

void UpdateEffects(Game& g) {
  GameState& s = g.state;
  const bool oddFrame = s.frameCounter % 2 != 0;
  const bool translating = Translating(g);
  for (OverlaySlot& slot : s.overlayRing) {
    if (slot.age < 1 || !IsMessageKind(slot.kind)) continue;
    // Lines rise one pixel every second frame.
    if (oddFrame) slot.age = Add32(slot.age, 1);
    int32_t top = Sub32(slot.y, slot.age);
    if (!slot.text.empty() && !translating)
      g.text.Draw(g.bak2, slot.x, top, slot.text, MessageStyle(slot));
    if (top < -10) {
      slot.age = 0;
      slot.text.clear();
    }
  }
  if (translating) DrawShownMessages(g);
}

}  // namespace pp
