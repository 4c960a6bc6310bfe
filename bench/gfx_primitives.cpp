// The drawing work of one busy game frame, and its parts: the picture stretch, the layer
// clears, the spark ring, the buttons, the orb and mask ellipses, the OR composition and fifty
// message lines.

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "gfx/Surface.h"
#include "gfx/Text.h"

namespace pp {
namespace {

struct Frame {
  Surface cg{390, 260}, bak{400, 300}, bak2{400, 300}, haikei{100, 60};
  TextRenderer text;
  int frame = 0;

  Frame() {
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 100; ++x)
        haikei.SetPixel(x, y, static_cast<Color>(x * 0x020301 + y * 0x010203));
  }

  void Scene() { cg.StretchFrom(haikei, {0, 0, 100, 60}, {0, 0, 390, 260}); }

  void ClearLayers() {
    for (Surface* s : {&bak, &bak2}) {
      s->SetPen(0);
      s->SetBrush(0);
      s->Rectangle(-1, -1, 401, 301);
    }
  }

  void Orb(int r) {
    cg.SetPen(0x773300);
    cg.SetBrush(0x773300);
    cg.Ellipse(-(r + 82), -(r + 2), r + 82, r + 2);
    cg.SetPen(0xBB9911);
    cg.SetBrush(0);
    cg.Ellipse(-(r + 80), -r, r + 80, r);
  }

  void Sparks(int r) {
    struct Size {
      int d, from, to;
      Color c;
    };
    for (int g = 1; g <= 12; ++g)
      for (const Size& s :
           {Size{1, -7, 11, 0xDDAA33}, Size{2, -3, 7, 0xFFCC55}, Size{3, 1, 3, 0xFFFF99}})
        for (int k = s.from; k <= s.to; ++k) {
          const double a = (30 * g + frame + k) * 3.1415 / 180;
          const int x = static_cast<int>(std::nearbyint(std::cos(a) * (r + 80)));
          const int y = static_cast<int>(std::nearbyint(std::sin(a) * r));
          bak.SetPen(s.c);
          bak.SetBrush(s.c);
          bak.Ellipse(x - s.d, y - s.d, x + s.d, y + s.d);
        }
  }

  void Buttons() {
    static const char* const kLabels[] = {"冒険!!!!", "キャンプ", "アイテム"};
    TextStyle style{
        .pointSize = 10, .bold = true, .color = 0xFFDD66, .opaque = true, .background = 0};
    for (int n = 0; n < 3; ++n) {
      const int x = 256, top = 156 + 32 * n;
      cg.SetPen(0xFFDD66);
      cg.SetBrush(0);
      cg.Ellipse(x - 12, top, x + 12, top + 24);
      cg.Rectangle(x, top, 391, top + 24);
      cg.SetPen(0);
      cg.Line(x, top + 1, x + 1, top + 23);
      text.Draw(cg, x + 5, top + 12 - text.Height(10) / 2, kLabels[n], style);
    }
  }

  void Messages() {
    TextStyle style{.pointSize = 8, .bold = true, .color = 0xBBBBBB};
    for (int i = 0; i < 50; ++i)
      text.Draw(bak2, 5, 245 - 5 * i, "ようこそ、ネットワーク界NLv 12へ。HP:120 \\-50", style);
  }

  void Compose(int r) {
    bak2.SetPen(0);
    bak2.SetBrush(0);
    bak2.Ellipse(-(r + 82), -(r + 2), r + 82, r + 2);
    cg.OrFrom(bak, {0, 0, 400, 300}, 0, 0);
    cg.OrFrom(bak2, {0, 0, 400, 300}, 0, 0);
  }

  void All() {
    frame = (frame + 1) % 1000;
    Scene();
    ClearLayers();
    Orb(70);
    Sparks(70);
    Buttons();
    Messages();
    Compose(70);
  }
};

void BM_BusyFrame(benchmark::State& state) {
  Frame f;
  for (auto _ : state) {
    f.All();
    benchmark::DoNotOptimize(f.cg.data());
  }
}
BENCHMARK(BM_BusyFrame)->Unit(benchmark::kMicrosecond);

#define PART(name, call)                     \
  void BM_##name(benchmark::State& state) {  \
    Frame f;                                 \
    for (auto _ : state) {                   \
      call;                                  \
      benchmark::DoNotOptimize(f.cg.data()); \
    }                                        \
  }                                          \
  BENCHMARK(BM_##name)->Unit(benchmark::kMicrosecond)

PART(Stretch, f.Scene());
PART(ClearLayers, f.ClearLayers());
PART(Orb, f.Orb(70));
PART(SparkRing, f.Sparks(70));
PART(Buttons, f.Buttons());
PART(FiftyMessageLines, f.Messages());
PART(MaskAndOr, f.Compose(70));

}  // namespace
}  // namespace pp

BENCHMARK_MAIN();
