#include "ui/ChoiceButtons.h"

#include <algorithm>
#include <array>

#include "core/Int32.h"
#include "game/Game.h"
#include "lang/Roles.h"
#include "ui/Shown.h"

namespace pp {
namespace {

constexpr int kButtonTop[3] = {156, 188, 220};
constexpr int32_t kRestX = 256;
constexpr int32_t kOutSlide = -160;
constexpr int kButtonPoints = 10;

// By frameCounter mod 12: a triangle wave over seven colours.
constexpr std::array<Color, 7> kGlow{Hex(0xCC9922), Hex(0xDDAA33), Hex(0xEEBB44), Hex(0xEECC55),
                                     Hex(0xFFDD66), Hex(0xFFEE77), Hex(0xFFFF88)};

void DrawButton(Game& g, int n, Color glow) {
  GameState& s = g.state;
  const std::string& label = ChoiceLabel(s, n);
  if (label.empty()) return;
  int32_t& blink = ChoiceBlink(s, n);
  bool evenFrame = s.frameCounter % 2 == 0;
  // Reduced flashing keeps the button lit on the odd frames of its flash too.
  const bool steady = g.config.drawing->reduceFlashing;
  Color brush = 0;
  if (blink >= 1 && (evenFrame || steady)) brush = glow;
  if (blink >= 1 && evenFrame) {
    // Counts 1..8, then back to 0 (tested before the step, so no count can overflow).
    blink = blink >= 8 ? 0 : blink + 1;
  }
  int32_t x = Sub32(kRestX, s.choiceSlide);
  if (s.hoveredChoice == n) x = Sub32(x, 10);
  // Far outside the picture nothing shows either way; keep the shape arithmetic small.
  x = std::clamp(x, -1000, 1000);
  int top = kButtonTop[n - 1];

  Surface& cg = g.cg;
  cg.SetPen(glow);
  cg.SetBrush(brush);
  cg.Ellipse(x - 12, top, x + 12, top + 24);
  cg.Rectangle(x, top, 391, top + 24);
  if (blink == 0 || (!evenFrame && !steady)) {
    cg.SetPen(0);
    cg.Line(x, top + 1, x + 1, top + 23);
  }
  int textY = top + 12 - g.text.Height(kButtonPoints) / 2;
  g.text.Draw(cg, x + 5, textY, Shown(g, label, role::kChoice),
              TextStyle{kButtonPoints, true, glow, true, brush, ShownFace(g)});
}

}  // namespace

const std::string& ChoiceLabel(const GameState& s, int n) {
  return n == 1 ? s.choiceLabel1 : n == 2 ? s.choiceLabel2 : s.choiceLabel3;
}

int32_t& ChoiceBlink(GameState& s, int n) {
  return n == 1 ? s.choiceBlink1 : n == 2 ? s.choiceBlink2 : s.choiceBlink3;
}

Color ChoiceGlow(int32_t frameCounter) {
  int32_t m = frameCounter % 12;
  if (m < 0) m += 12;
  return kGlow[static_cast<size_t>(m <= 6 ? m : 12 - m)];
}

void SlideChoices(GameState& s) {
  if (s.choiceSlide < 0 && s.choicesEnabled == 1)
    s.choiceSlide = Add32(s.choiceSlide, Div32(Sub32(0, s.choiceSlide), 2) + 1);
  if (s.choiceSlide > kOutSlide && s.choicesEnabled == 0)
    s.choiceSlide = Sub32(s.choiceSlide, Div32(160 - Abs32(s.choiceSlide), 2) + 1);
}

void DrawChoices(Game& g) {
  GameState& s = g.state;
  SlideChoices(s);
  Color glow = ChoiceGlow(s.frameCounter);
  for (int n = 1; n <= 3; ++n) DrawButton(g, n, glow);
  if (s.titlePhase != 0 && s.clickState == 0)
    g.text.Draw(g.bak, Add32(s.choiceSlide, 435), 245, "-CLICK HERE-",
                TextStyle{kButtonPoints, true, glow, true, 0, ShownFace(g)});
}

}  // namespace pp
