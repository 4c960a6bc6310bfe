#include "datagen/Scenes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "datagen/SourceText.h"

namespace pp::datagen {

namespace {

// 4 x 4 ordered dither thresholds, 0..15.
constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// Placement of scattered dots and sprites: a small generator of the tool's own.
struct Scatter {
  uint32_t state;
  int Next(int n) {
    state = state * 1103515245u + 12345u;
    return n <= 0 ? 0 : static_cast<int>((state >> 8) % static_cast<uint32_t>(n));
  }
};

struct SpriteOptions {
  bool flip = false;
  int scale = 1;
  uint8_t swapFrom[256];
  uint8_t tint = kTransparent;
};

class Painter {
 public:
  Painter(IndexedImage& img, const SceneTable& table, const SpriteSet& sprites,
          const Palette& palette)
      : img_(img), table_(table), sprites_(sprites), palette_(palette) {}

  void Run(const Scene& s, int depth) {
    if (depth > 8) throw std::runtime_error("templates nest too deep");
    for (const auto& [lineNo, text] : s.commands) {
      try {
        Command(text, depth);
      } catch (const std::exception& e) {
        throw std::runtime_error("line " + std::to_string(lineNo) + " (" + text + "): " + e.what());
      }
    }
  }

 private:
  uint8_t Col(std::string_view w) {
    if (w.size() != 1) throw std::runtime_error("a colour is one character: " + std::string(w));
    return palette_.Index(w[0]);
  }
  static int Int(std::string_view w) { return ParseInt(w, "coordinate"); }

  void Rect(int x, int y, int w, int h, uint8_t c) {
    for (int yy = y; yy < y + h; ++yy)
      for (int xx = x; xx < x + w; ++xx) img_.Set(xx, yy, c);
  }

  void Oval(int x, int y, int w, int h, uint8_t c) {
    double rx = w / 2.0, ry = h / 2.0, cx = x + rx, cy = y + ry;
    for (int yy = y; yy < y + h; ++yy)
      for (int xx = x; xx < x + w; ++xx) {
        double dx = (xx + 0.5 - cx) / rx, dy = (yy + 0.5 - cy) / ry;
        if (dx * dx + dy * dy <= 1.0) img_.Set(xx, yy, c);
      }
  }

  void Line(int x0, int y0, int x1, int y1, uint8_t c) {
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1, err = dx + dy;
    for (;;) {
      img_.Set(x0, y0, c);
      if (x0 == x1 && y0 == y1) break;
      int e2 = 2 * err;
      if (e2 >= dy) err += dy, x0 += sx;
      if (e2 <= dx) err += dx, y0 += sy;
    }
  }

  // Filled triangle, row by row between its edges.
  void Tri(int x0, int y0, int x1, int y1, int x2, int y2, uint8_t c) {
    int top = std::min({y0, y1, y2}), bottom = std::max({y0, y1, y2});
    const int xs[3] = {x0, x1, x2}, ys[3] = {y0, y1, y2};
    for (int y = top; y <= bottom; ++y) {
      double lo = 1e9, hi = -1e9;
      for (int e = 0; e < 3; ++e) {
        int ax = xs[e], ay = ys[e], bx = xs[(e + 1) % 3], by = ys[(e + 1) % 3];
        if (ay == by) {
          if (ay == y)
            lo = std::min<double>({lo, double(ax), double(bx)}),
            hi = std::max<double>({hi, double(ax), double(bx)});
          continue;
        }
        if (y < std::min(ay, by) || y > std::max(ay, by)) continue;
        double x = ax + double(y - ay) * (bx - ax) / (by - ay);
        lo = std::min(lo, x), hi = std::max(hi, x);
      }
      for (int x = static_cast<int>(std::lround(lo)); x <= static_cast<int>(std::lround(hi)); ++x)
        img_.Set(x, y, c);
    }
  }

  void Grad(int y0, int y1, const std::vector<uint8_t>& cols) {
    if (cols.size() < 2 || y1 <= y0) throw std::runtime_error("grad needs Y0 < Y1 and 2 colours");
    int bands = static_cast<int>(cols.size()) - 1;
    for (int y = y0; y < y1; ++y) {
      // position along the gradient in 1/16 steps of a band
      int pos = (y - y0) * bands * 16 / std::max(1, y1 - y0 - 1);
      int band = std::min(pos / 16, bands - 1), frac = pos - band * 16;
      for (int x = 0; x < img_.width; ++x)
        img_.Set(x, y, frac > kBayer[y & 3][x & 3] ? cols[band + 1] : cols[band]);
    }
  }

  void Floor(int horizon, uint8_t c, int step) {
    if (step < 2) throw std::runtime_error("floor step must be 2 or more");
    int w = img_.width, h = img_.height, vx = w / 2;
    for (int k = 1; horizon + k * k / step < h; ++k) {  // lines closer together near the horizon
      int y = horizon + k * k / step;
      for (int x = 0; x < w; ++x) img_.Set(x, y, c);
    }
    for (int x = -w * 2; x <= w * 3; x += step * 3) Line(vx, horizon, x, h - 1, c);
  }

  void Ridge(uint32_t seed, int y, int amp, uint8_t c) {
    Scatter r{seed};
    int h = y, target = y;
    for (int x = 0; x < img_.width; ++x) {
      if (x % 6 == 0) target = y - amp + r.Next(2 * amp + 1);
      h += (target > h) - (target < h);
      for (int yy = h; yy < img_.height; ++yy) img_.Set(x, yy, c);
    }
  }

  const IndexedImage& Sprite(std::string_view name) {
    auto it = sprites_.find(name);
    if (it == sprites_.end()) throw std::runtime_error("no sprite " + std::string(name));
    return it->second;
  }

  // Reads [flip] [scale N] [swap AB ...] [tint C] from words[i..].
  SpriteOptions Options(const std::vector<std::string_view>& words, size_t i) {
    SpriteOptions o;
    for (int k = 0; k < 256; ++k) o.swapFrom[k] = static_cast<uint8_t>(k);
    bool swapping = false;
    for (; i < words.size(); ++i) {
      auto w = words[i];
      if (w == "flip") {
        o.flip = true, swapping = false;
      } else if (w == "scale" && i + 1 < words.size()) {
        o.scale = std::max(1, Int(words[++i])), swapping = false;
      } else if (w == "tint" && i + 1 < words.size()) {
        o.tint = Col(words[++i]), swapping = false;
      } else if (w == "swap") {
        swapping = true;
      } else if (swapping && w.size() == 2) {
        o.swapFrom[palette_.Index(w[0])] = palette_.Index(w[1]);
      } else {
        throw std::runtime_error("unknown sprite option " + std::string(w));
      }
    }
    return o;
  }

  void Blit(const IndexedImage& s, int x, int y, const SpriteOptions& o) {
    for (int sy = 0; sy < s.height; ++sy)
      for (int sx = 0; sx < s.width; ++sx) {
        uint8_t v = s.At(o.flip ? s.width - 1 - sx : sx, sy);
        if (v == kTransparent) continue;
        v = o.tint != kTransparent ? o.tint : o.swapFrom[v];
        Rect(x + sx * o.scale, y + sy * o.scale, o.scale, o.scale, v);
      }
  }

  void Text(int x, int y, uint8_t c, std::string_view text) {
    SpriteOptions o = Options({}, 0);
    o.tint = c;
    for (char ch : text) {
      if (ch == ' ') {
        x += 4;
        continue;
      }
      char up = (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
      const IndexedImage& g = Sprite(std::string("glyph_") + up);
      Blit(g, x, y, o);
      x += g.width + 1;
    }
  }

  void Command(const std::string& text, int depth) {
    auto w = SplitWords(text);
    auto need = [&](size_t n) {
      if (w.size() < n) throw std::runtime_error("too few arguments");
    };
    std::string_view op = w[0];
    if (op == "fill") {
      need(2);
      Rect(0, 0, img_.width, img_.height, Col(w[1]));
    } else if (op == "rect" || op == "frame" || op == "oval" || op == "dither") {
      need(6);
      int x = Int(w[1]), y = Int(w[2]), ww = Int(w[3]), hh = Int(w[4]);
      uint8_t c = Col(w[5]);
      if (op == "rect") Rect(x, y, ww, hh, c);
      if (op == "oval") Oval(x, y, ww, hh, c);
      if (op == "frame") {
        Rect(x, y, ww, 1, c), Rect(x, y + hh - 1, ww, 1, c);
        Rect(x, y, 1, hh, c), Rect(x + ww - 1, y, 1, hh, c);
      }
      if (op == "dither")
        for (int yy = y; yy < y + hh; ++yy)
          for (int xx = x; xx < x + ww; ++xx)
            if (((xx + yy) & 1) == 0) img_.Set(xx, yy, c);
    } else if (op == "line") {
      need(6);
      Line(Int(w[1]), Int(w[2]), Int(w[3]), Int(w[4]), Col(w[5]));
    } else if (op == "tri") {
      need(8);
      Tri(Int(w[1]), Int(w[2]), Int(w[3]), Int(w[4]), Int(w[5]), Int(w[6]), Col(w[7]));
    } else if (op == "grad") {
      need(5);
      std::vector<uint8_t> cols;
      for (size_t i = 3; i < w.size(); ++i) cols.push_back(Col(w[i]));
      Grad(Int(w[1]), Int(w[2]), cols);
    } else if (op == "stars") {
      need(8);
      Scatter r{static_cast<uint32_t>(Int(w[1]))};
      int n = Int(w[2]), x = Int(w[4]), y = Int(w[5]), ww = Int(w[6]), hh = Int(w[7]);
      uint8_t c = Col(w[3]);
      for (int i = 0; i < n; ++i) {
        int px = x + r.Next(ww);
        img_.Set(px, y + r.Next(hh), c);
      }
    } else if (op == "floor") {
      need(4);
      Floor(Int(w[1]), Col(w[2]), Int(w[3]));
    } else if (op == "ridge") {
      need(5);
      Ridge(static_cast<uint32_t>(Int(w[1])), Int(w[2]), Int(w[3]), Col(w[4]));
    } else if (op == "sprite") {
      need(4);
      Blit(Sprite(w[1]), Int(w[2]), Int(w[3]), Options(w, 4));
    } else if (op == "scatter") {
      need(8);
      const IndexedImage& s = Sprite(w[1]);
      Scatter r{static_cast<uint32_t>(Int(w[2]))};
      int n = Int(w[3]), x = Int(w[4]), y = Int(w[5]), ww = Int(w[6]), hh = Int(w[7]);
      SpriteOptions o = Options(w, 8);
      for (int i = 0; i < n; ++i) {
        int px = x + r.Next(ww);
        Blit(s, px, y + r.Next(hh), o);
      }
    } else if (op == "text") {
      need(5);
      size_t start = static_cast<size_t>(w[4].data() - text.data());
      Text(Int(w[1]), Int(w[2]), Col(w[3]), std::string_view(text).substr(start));
    } else if (op == "use") {
      need(2);
      auto it = std::find_if(table_.templates.begin(), table_.templates.end(),
                             [&](const Scene& t) { return t.file == w[1]; });
      if (it == table_.templates.end())
        throw std::runtime_error("no template " + std::string(w[1]));
      Run(*it, depth + 1);
    } else {
      throw std::runtime_error("unknown command " + std::string(op));
    }
  }

  IndexedImage& img_;
  const SceneTable& table_;
  const SpriteSet& sprites_;
  const Palette& palette_;
};

}  // namespace

SceneTable ParseScenes(std::string_view text) {
  SceneTable table;
  Scene* open = nullptr;
  int openLine = 0;
  ForEachLine(text, [&](int lineNo, std::string_view line) {
    if (line.empty()) return;
    auto words = SplitWords(line);
    auto fail = [&](const std::string& why) {
      throw std::runtime_error("scenes line " + std::to_string(lineNo) + ": " + why);
    };
    if (open) {
      if (line == "end")
        open = nullptr;
      else
        open->commands.emplace_back(lineNo, std::string(line));
      return;
    }
    Scene s;
    if (words[0] == "template" && words.size() == 2) {
      s.file = words[1];
      open = &table.templates.emplace_back(std::move(s));
    } else if (words[0] == "scene" &&
               (words.size() == 2 || words.size() == 4 || words.size() == 5)) {
      s.file = words[1];
      if (words.size() >= 4) {
        s.width = ParseInt(words[2], "width"), s.height = ParseInt(words[3], "height");
        if (words.size() == 5) s.scale = ParseInt(words[4], "scale");
        if (s.width < 1 || s.height < 1 || s.scale < 1) fail("bad size");
      }
      open = &table.scenes.emplace_back(std::move(s));
    } else {
      fail("expected: scene FILE [W H [SCALE]] or template NAME");
    }
    openLine = lineNo;
  });
  if (open) throw std::runtime_error("scenes line " + std::to_string(openLine) + ": no end");
  return table;
}

IndexedImage RenderScene(const Scene& scene, const SceneTable& table, const SpriteSet& sprites,
                         const Palette& palette) {
  int cw = (scene.width + scene.scale - 1) / scene.scale;
  int ch = (scene.height + scene.scale - 1) / scene.scale;
  IndexedImage canvas(cw, ch, 0);
  try {
    Painter(canvas, table, sprites, palette).Run(scene, 0);
  } catch (const std::exception& e) {
    throw std::runtime_error(scene.file + ": " + e.what());
  }
  if (scene.scale == 1) return canvas;
  return Enlarge(canvas, scene.scale, scene.width, scene.height);
}

IndexedImage Enlarge(const IndexedImage& img, int scale, int width, int height) {
  IndexedImage out(width, height);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x)
      out.pixels[static_cast<size_t>(y) * out.width + x] = img.At(x / scale, y / scale);
  return out;
}

}  // namespace pp::datagen
