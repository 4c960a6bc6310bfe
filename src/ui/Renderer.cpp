#include "ui/Renderer.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/Int32.h"
#include "game/Game.h"
#include "items/PanelDraw.h"
#include "ui/ChoiceButtons.h"
#include "ui/Status.h"

namespace pp {
namespace {

// The ring's pi, kept at four decimals as the ring always turned.
constexpr double kRingPi = 3.1415;

// By frameCounter mod 10, a triangle wave over six shades.
constexpr std::array<Color, 6> kChargedPulse{Hex(0x000000), Hex(0x001100), Hex(0x112200),
                                             Hex(0x223300), Hex(0x224400), Hex(0x335500)};
constexpr std::array<Color, 6> kHurtPulse{Hex(0x000000), Hex(0x110000), Hex(0x220000),
                                          Hex(0x330000), Hex(0x440000), Hex(0x550000)};

struct SparkSize {
  int radius;
  Color colour;
  int firstOffset, lastOffset;
};
// Small dots first, so larger ones cover them.
constexpr std::array<SparkSize, 3> kSparkSizes{
    {{1, Hex(0xDDAA33), -7, 11}, {2, Hex(0xFFCC55), -3, 7}, {3, Hex(0xFFFF99), 1, 3}}};

Color Pulse(const std::array<Color, 6>& shades, int32_t frameCounter) {
  int32_t m = frameCounter % 10;
  if (m < 0) m += 10;
  return shades[static_cast<size_t>(m <= 5 ? m : 10 - m)];
}

void FilledEllipse(Surface& s, Color pen, Color brush, int l, int t, int r, int b) {
  s.SetPen(pen);
  s.SetBrush(brush);
  s.Ellipse(l, t, r, b);
}

// The quarter of the orb that shows in the top-left corner; counts the hurt flash down.
void DrawOrb(Game& g, int r) {
  GameState& s = g.state;
  FilledEllipse(g.cg, Hex(0x773300), Hex(0x773300), -(r + 82), -(r + 2), r + 82, r + 2);
  Color fill = s.tp >= 99 ? Pulse(kChargedPulse, s.frameCounter) : Hex(0x000000);
  if (s.hurtFlash >= 1) {
    s.hurtFlash -= 1;
    // Reduced flashing holds the pulse's middle shade.
    fill = g.config.drawing->reduceFlashing ? kHurtPulse[3] : Pulse(kHurtPulse, s.frameCounter);
  }
  FilledEllipse(g.cg, Hex(0xBB9911), fill, -(r + 80), -r, r + 80, r);
}

void DrawSparkRing(Game& g, int r) {
  Surface& bak = g.bak;
  // Only pixels: a frame that is not drawn spares the ring's trigonometry.
  if (bak.blind()) return;
  const int32_t turn = g.state.frameCounter;
  for (int group = 1; group <= 12; ++group) {
    for (const SparkSize& size : kSparkSizes) {
      for (int k = size.firstOffset; k <= size.lastOffset; ++k) {
        Point c = SparkCentre(Add32(Add32(30 * group, turn), k), r);
        int d = size.radius;
        FilledEllipse(bak, size.colour, size.colour, c.x - d, c.y - d, c.x + d, c.y + d);
      }
    }
  }
}

// Text backing: black on `picture` under every lit pixel of the message layer and around it,
// so that the OR of the lines over the scene shows their own colours on a thin dark outline.
void BackMessageLines(Surface& picture, const Surface& lines) {
  if (picture.blind()) return;
  const int w = picture.width(), h = picture.height();
  const int lw = lines.width();
  const uint32_t* in = lines.data();
  uint32_t* out = picture.data();
  for (int y = 0; y < std::min(h + 1, lines.height()); ++y) {
    for (int x = 0; x < std::min(w + 1, lw); ++x) {
      if (in[static_cast<size_t>(y) * lw + x] == 0) continue;
      for (int yy = std::max(y - 1, 0); yy <= std::min(y + 1, h - 1); ++yy)
        for (int xx = std::max(x - 1, 0); xx <= std::min(x + 1, w - 1); ++xx)
          out[static_cast<size_t>(yy) * w + xx] = 0;
    }
  }
}

}  // namespace

int32_t CornerRadius(int32_t statusSlideX) { return std::max(Add32(statusSlideX, 70), 0); }

Point SparkCentre(int32_t degrees, int32_t r) {
  double radians = degrees * (kRingPi / 180);
  return Point{static_cast<int>(std::nearbyint(std::cos(radians) * (r + 80))),
               static_cast<int>(std::nearbyint(std::sin(radians) * r))};
}

void SetDrawing(Game& g, bool drawing) {
  ItemPanel& p = g.itemPanel;
  for (Surface* s : {&g.cg, &g.bak, &g.bak2, &p.canvas, &p.detailsArea, &p.listArea})
    s->SetBlind(!drawing);
}

void RenderFrame(Game& g) {
  GameState& s = g.state;
  g.cg.StretchFrom(g.haikei, Rect{0, 0, 100, 60}, Rect{0, 0, 390, 260});
  g.bak.Fill(0);
  g.bak2.Fill(0);

  // Once slid in the corner radius stays 70; keep it bounded for the shape arithmetic.
  const int r = std::min(CornerRadius(s.statusSlideX), 4000);
  if (r >= 1) {
    DrawOrb(g, r);
    DrawSparkRing(g, r);
    DrawChoices(g);
  }
  UpdateEffects(g);
  FilledEllipse(g.bak2, 0, 0, -(r + 82), -(r + 2), r + 82, r + 2);
  if (g.config.drawing->textBacking) BackMessageLines(g.cg, g.bak2);
  g.cg.OrFrom(g.bak, Rect{0, 0, 400, 300}, 0, 0);
  g.cg.OrFrom(g.bak2, Rect{0, 0, 400, 300}, 0, 0);
  DrawStatus(g);
  DrawItemPanel(g);
}

}  // namespace pp
