#include "ui/Status.h"

#include <algorithm>
#include <string>

#include "core/Int32.h"
#include "game/Game.h"
#include "lang/Roles.h"
#include "ui/ChoiceButtons.h"
#include "ui/Shown.h"

namespace pp {
namespace {

constexpr Color kWhite = Hex(0xFFFFFF);
constexpr Color kCyan = Hex(0x00FFFF);
constexpr int kSmall = 8;
constexpr int kTiny = 7;

// Keeps shape coordinates small: far outside the picture nothing shows either way.
int Near(int32_t v) { return std::clamp(v, -4000, 4000); }

// Solid box between two corners given in either order; right and bottom exclusive.
void FillBox(Surface& s, int32_t x0, int32_t y0, int32_t x1, int32_t y1, Color c) {
  s.SetPen(c);
  s.SetBrush(c);
  s.Rectangle(x0, y0, x1, y1);
}

// A 2-pixel bar: its background at (x, y) over `length` pixels, and the value line one pixel to
// the left and two above, value * 10 * length / maximum / 10 long.
void DrawBar(Surface& s, int32_t x, int32_t y, int32_t length, int32_t value, int32_t maximum,
             Color background, Color valueColour) {
  FillBox(s, x, y, Add32(x, length), y + 2, background);
  int32_t shown = Div32(Div32(Mul32(Mul32(value, 10), length), maximum), 10);
  FillBox(s, Sub32(x, 1), y, Add32(Sub32(x, 1), shown), y - 2, valueColour);
}

void ForceAtLeastOne(int32_t& v) { v = std::max(v, 1); }

TextStyle Style(Color c, int points = kSmall, Face face = Face::Japanese) {
  return TextStyle{points, true, c, false, 0, face};
}

// A status text as the player reads it, at (x, y); returns the x after it.
int DrawShown(Game& g, int x, int y, std::string_view text, TextStyle style) {
  style.face = ShownFace(g);
  return g.text.Draw(g.cg, x, y, Shown(g, text, role::kStatus), style);
}

// Right-aligned so that the text ends at `right`.
void DrawRight(Game& g, int32_t right, int y, const std::string& text, Color c) {
  const std::string shown = Shown(g, text, role::kStatus);
  const Face face = ShownFace(g);
  int width = g.text.Width(shown, kSmall, true, face);
  g.text.Draw(g.cg, Near(right) - width, y, shown, Style(c, kSmall, face));
}

void DrawBars(Game& g) {
  GameState& s = g.state;
  Surface& cg = g.cg;
  const int32_t L = s.statusSlideX;
  bool even = s.frameCounter % 2 == 0;
  ForceAtLeastOne(s.maxHp);
  ForceAtLeastOne(s.maxMp);
  ForceAtLeastOne(s.maxHunger);
  DrawBar(cg, L, 12, 90, s.expShown, Add32(Mul32(s.level, 10), 100), Hex(0x002244), Hex(0x33DDFF));
  DrawBar(cg, Add32(L, 40), 16, 80, s.tp, 100, Hex(0x004444), Hex(0x00FFCC));
  DrawBar(cg, L, 26, 100, s.hpShown, s.maxHp, Hex(0x335522),
          even && s.hpShown != s.hp ? Hex(0xFFFFEE) : Hex(0xFFCC00));
  DrawBar(cg, Add32(L, 40), 29, 80, s.mpShown, s.maxMp, Hex(0x551133), Hex(0xFF00BB));
  DrawBar(cg, L, 42, 80, s.hungerShown, s.maxHunger, Hex(0x551111), Hex(0xFF7733));
  // The distance bar cycles the button glow half a turn out of phase.
  DrawBar(cg, Sub32(290, L), 137, 100, s.auDistance, Add32(Mul32(s.worldLevel, 10), 30),
          Hex(0x663311), ChoiceGlow(Add32(s.frameCounter, 6)));
}

void DrawEnemyBar(Game& g) {
  GameState& s = g.state;
  if (s.enemyName.empty()) return;
  ForceAtLeastOne(s.enemyMaxHp);
  if (s.enemyBarX > 200) s.enemyBarX -= (s.enemyBarX - 200) / 4 + 1;
  bool blinking = s.frameCounter % 2 == 0 && s.enemyHpShown != s.enemyHp;
  DrawBar(g.cg, s.enemyBarX, 7, 190, s.enemyHpShown, s.enemyMaxHp, Hex(0x550055),
          blinking ? Hex(0xFFCCCC) : Hex(0xFF4444));
  Ease(s.enemyHpShown, s.enemyHp);
  s.enemyHpShown = std::max(s.enemyHpShown, 0);
}

void DrawTexts(Game& g) {
  GameState& s = g.state;
  Surface& cg = g.cg;
  TextRenderer& text = g.text;
  const int L = Near(s.statusSlideX);
  const int32_t right = Sub32(385, s.statusSlideX);
  using std::to_string;
  const TagShown shown = [&g](std::string_view tag) { return Shown(g, tag, role::kStatus); };

  DrawShown(g, L, 1,
            "LV:" + to_string(s.level) + " exp:" + to_string(s.exp) + "/" +
                to_string(Add32(Mul32(s.level, 10), 100)),
            Style(kWhite));
  DrawShown(g, L, 15, "HP:" + to_string(s.hp),
            Style(s.hp == s.maxHp ? kCyan : PercentColour(s.hp, s.maxHp)));
  DrawShown(g, L + 102, 18, "MP:" + to_string(s.mp), Style(s.mp == s.maxMp ? kCyan : kWhite));
  DrawShown(g, L + 107, 5, "TP:" + to_string(s.tp), Style(s.tp == 100 ? kCyan : kWhite, kTiny));
  DrawShown(g, L, 30, "お腹:" + to_string(s.hunger),
            Style(s.hunger == s.maxHunger ? kCyan : PercentColour(s.hunger, s.maxHunger)));
  int x = DrawShown(g, L, 45, "力:" + to_string(s.strength), Style(kWhite));
  x = DrawShown(g, x, 45, " 知:" + to_string(s.wisdom), Style(kWhite));
  DrawShown(g, x, 45, " 精:" + to_string(s.spirit), Style(kWhite));

  DrawRight(g, right, 105, "死ぬまで後 " + to_string(s.daysLeft) + "日",
            PercentColour(s.daysLeft, 365));
  DrawRight(g, right, 115, "界:NLv " + to_string(s.worldLevel) + " " + LevelName(s, s.worldLevel),
            kWhite);
  DrawRight(
      g, right, 125,
      "境界まで後: " + to_string(Add32(Sub32(Mul32(s.worldLevel, 10), s.auDistance), 30)) + "AU",
      kWhite);
  DrawRight(g, right, 140, "金:￥" + to_string(s.money) + "円", kWhite);

  text.Draw(cg, 150, 30, AilmentTags(s, shown), Style(Hex(0xFF5555), kSmall, ShownFace(g)));
  text.Draw(cg, 150, 40, BlessingTags(s, shown), Style(Hex(0x00FF88), kSmall, ShownFace(g)));
}

void DrawDeepestRecord(Game& g) {
  GameState& s = g.state;
  if (s.titlePhase != 0 || s.deepestLevel == 0) return;
  const int32_t right = Sub32(385, s.statusSlideX);
  DrawRight(g, right, 5,
            "最高到達界:NLv " + std::to_string(s.deepestLevel) + LevelName(s, s.deepestLevel) +
                " " + std::to_string(s.deepestAu) + "AU地点",
            Hex(0x00FF88));
  // One star per level; those beyond either edge of the picture are not drawn.
  const int64_t first = std::max<int64_t>(1, (int64_t{right} - 390) / 12 + 1);
  for (int64_t i = first; i <= s.deepestLevel; ++i) {
    int64_t x = int64_t{right} - 12 * i;
    if (x < -20) break;
    g.text.Draw(g.cg, static_cast<int>(x), 17, "★", Style(Hex(0x88FFBB)));
  }
}

}  // namespace

void Ease(int32_t& shown, int32_t real) {
  if (real < shown) shown = Sub32(shown, Div32(Abs32(Sub32(shown, real)), 10) + 1);
  if (shown < real) shown = Add32(shown, Div32(Abs32(Sub32(shown, real)), 10) + 1);
}

void DrawStatus(Game& g) {
  GameState& s = g.state;
  if (s.statusSlideX < 0)
    s.statusSlideX = Add32(s.statusSlideX, Div32(Sub32(0, s.statusSlideX), 4) + 1);
  DrawBars(g);
  Ease(s.expShown, s.exp);
  Ease(s.hpShown, s.hp);
  Ease(s.mpShown, s.mp);
  Ease(s.hungerShown, s.hunger);
  DrawEnemyBar(g);
  DrawTexts(g);
  DrawDeepestRecord(g);
}

}  // namespace pp
