#include "gfx/Surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "gfx/EllipseSpans.h"

namespace pp {

namespace {

// The part of [lo, hi) that lies inside [0, size).
std::pair<int64_t, int64_t> ClipRange(int64_t lo, int64_t hi, int size) {
  return {std::max<int64_t>(lo, 0), std::min<int64_t>(hi, size)};
}

}  // namespace

Surface::Surface(int width, int height, Color fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  if (width_ == 0 || height_ == 0) width_ = height_ = 0;
  pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill);
}

Color Surface::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Surface::SetPixel(int x, int y, Color c) {
  if (blind_) return;
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

void Surface::Fill(Color c) {
  if (!blind_) std::fill(pixels_.begin(), pixels_.end(), c);
}

void Surface::FillSpan(int64_t y, int64_t x0, int64_t x1, Color c) {
  if (y < 0 || y >= height_) return;
  auto [a, b] = ClipRange(x0, x1, width_);
  if (a >= b) return;
  std::fill(pixels_.begin() + y * width_ + a, pixels_.begin() + y * width_ + b, c);
}

void Surface::FillRect(int l, int t, int r, int b, Color c) {
  if (blind_) return;
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  auto [y0, y1] = ClipRange(t, b, height_);
  for (int64_t y = y0; y < y1; ++y) FillSpan(y, l, r, c);
}

void Surface::Rectangle(int l, int t, int r, int b) {
  if (blind_) return;
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  if (l == r || t == b) return;
  // The pen takes the outermost ring of pixels; the brush what lies inside it.
  const int64_t right = int64_t{r} - 1, bottom = int64_t{b} - 1;
  FillSpan(t, l, r, pen_);
  if (bottom > t) FillSpan(bottom, l, r, pen_);
  auto [y0, y1] = ClipRange(int64_t{t} + 1, bottom, height_);
  for (int64_t y = y0; y < y1; ++y) {
    FillSpan(y, l, int64_t{l} + 1, pen_);
    if (right > l) FillSpan(y, right, right + 1, pen_);
    if (!brushClear_) FillSpan(y, int64_t{l} + 1, right, brush_);
  }
}

void Surface::Ellipse(int l, int t, int r, int b) {
  if (blind_) return;
  if (l > r) std::swap(l, r);
  if (t > b) std::swap(t, b);
  EllipseSpans spans(int64_t{r} - l, int64_t{b} - t);
  if (spans.empty()) return;
  auto [j0, j1] = ClipRange(t, b, height_);
  j0 -= t;
  j1 -= t;
  for (int64_t j = j0; j < j1; ++j) {
    // A pixel of row j belongs to the outline when the row above or below does not reach it.
    const Span row = spans.Row(j);
    const Span up = spans.Row(j - 1), down = spans.Row(j + 1);
    const int64_t innerLeft = std::max({up.left, down.left, row.left + 1});
    const int64_t innerRight = std::min({up.right, down.right, row.right - 1});
    const int64_t y = t + j;
    if (innerLeft > innerRight) {
      FillSpan(y, l + row.left, l + row.right + 1, pen_);
      continue;
    }
    FillSpan(y, l + row.left, l + innerLeft, pen_);
    FillSpan(y, l + innerRight + 1, l + row.right + 1, pen_);
    if (!brushClear_) FillSpan(y, l + innerLeft, l + innerRight + 1, brush_);
  }
}

void Surface::Line(int x0, int y0, int x1, int y1) {
  if (blind_) return;
  const int64_t dx = int64_t{x1} - x0, dy = int64_t{y1} - y0;
  const int64_t adx = std::llabs(dx), ady = std::llabs(dy);
  const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  const bool xMajor = adx >= ady;
  const int64_t steps = xMajor ? adx : ady;  // the end point (step `steps`) is left out
  if (steps == 0) return;
  const int64_t major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
  const int64_t majorStart = xMajor ? x0 : y0, minorStart = xMajor ? y0 : x0;
  const int majorDir = xMajor ? sx : sy, minorDir = xMajor ? sy : sx;
  const int majorSize = xMajor ? width_ : height_, minorSize = xMajor ? height_ : width_;

  // Steps whose major coordinate lies on the surface.
  int64_t first = 0, last = steps - 1;
  if (majorDir > 0) {
    first = std::max<int64_t>(first, -majorStart);
    last = std::min<int64_t>(last, majorSize - 1 - majorStart);
  } else {
    first = std::max<int64_t>(first, majorStart - (majorSize - 1));
    last = std::min<int64_t>(last, majorStart);
  }
  if (first > last) return;

  // Minor offset at step i is the nearest whole number to i * minor / major; a tie goes to the
  // smaller coordinate, so a line covers the same pixels whichever way it is drawn. Kept as
  // quotient and remainder so each step is an add.
  const int64_t den = 2 * major;
  const __int128 start = static_cast<__int128>(2) * first * minor + major - (minorDir > 0 ? 1 : 0);
  int64_t q = static_cast<int64_t>(start / den);
  int64_t rem = static_cast<int64_t>(start % den);
  const int64_t stepQ = (2 * minor) / den, stepR = (2 * minor) % den;
  for (int64_t i = first; i <= last; ++i) {
    const int64_t m = majorStart + majorDir * i;
    const int64_t n = minorStart + minorDir * q;
    if (n >= 0 && n < minorSize) {
      const int64_t x = xMajor ? m : n, y = xMajor ? n : m;
      pixels_[static_cast<size_t>(y) * width_ + x] = pen_;
    } else if ((minorDir > 0) == (n >= minorSize)) {
      break;  // moving further off the surface
    }
    q += stepQ;
    rem += stepR;
    if (rem >= den) {
      rem -= den;
      ++q;
    }
  }
}

void Surface::StretchFrom(const Surface& src, Rect from, Rect to) {
  if (blind_) return;
  if (to.left > to.right) {
    std::swap(to.left, to.right);
    std::swap(from.left, from.right);
  }
  if (to.top > to.bottom) {
    std::swap(to.top, to.bottom);
    std::swap(from.top, from.bottom);
  }
  const int64_t tw = int64_t{to.right} - to.left, th = int64_t{to.bottom} - to.top;
  const int64_t fw = int64_t{from.right} - from.left, fh = int64_t{from.bottom} - from.top;
  if (tw == 0 || th == 0 || fw == 0 || fh == 0 || src.empty()) return;
  auto [x0, x1] = ClipRange(to.left, to.right, width_);
  auto [y0, y1] = ClipRange(to.top, to.bottom, height_);
  if (x0 >= x1 || y0 >= y1) return;

  // Each destination pixel takes the source pixel under its centre; outside the source is black.
  auto sourceIndex = [](int64_t k, int64_t start, int64_t srcSpan, int64_t dstSpan) {
    const __int128 num = static_cast<__int128>(2 * k + 1) * srcSpan;
    const __int128 den = 2 * static_cast<__int128>(dstSpan);
    __int128 f = num / den;
    if ((num % den != 0) && (num < 0)) --f;  // floor for mirrored copies
    return start + static_cast<int64_t>(f);
  };
  const bool self = &src == this;
  const Surface copy = self ? src : Surface();
  const Surface& from2 = self ? copy : src;
  std::vector<int32_t> columns(static_cast<size_t>(x1 - x0));
  for (int64_t x = x0; x < x1; ++x) {
    const int64_t sxv = sourceIndex(x - to.left, from.left, fw, tw);
    columns[x - x0] = (sxv >= 0 && sxv < from2.width_) ? static_cast<int32_t>(sxv) : -1;
  }
  int64_t previousRow = -1;
  for (int64_t y = y0; y < y1; ++y) {
    const int64_t syv = sourceIndex(y - to.top, from.top, fh, th);
    uint32_t* out = pixels_.data() + y * width_ + x0;
    if (y > y0 && syv == previousRow) {  // an enlarged row repeats the one above it
      std::memcpy(out, out - width_, columns.size() * sizeof(uint32_t));
      continue;
    }
    previousRow = syv;
    if (syv < 0 || syv >= from2.height_) {
      std::fill(out, out + (x1 - x0), 0u);
      continue;
    }
    const uint32_t* in = from2.pixels_.data() + syv * from2.width_;
    for (size_t i = 0; i < columns.size(); ++i) out[i] = columns[i] >= 0 ? in[columns[i]] : 0u;
  }
}

template <typename Op>
void Surface::BlitRows(const Surface& src, Rect from, int x, int y, Op op) {
  if (blind_) return;
  if (from.left > from.right) std::swap(from.left, from.right);
  if (from.top > from.bottom) std::swap(from.top, from.bottom);
  // Clip the source rectangle to the source, then the placed rectangle to this surface.
  int64_t sl = std::max<int64_t>(from.left, 0), st = std::max<int64_t>(from.top, 0);
  int64_t sr = std::min<int64_t>(from.right, src.width_),
          sb = std::min<int64_t>(from.bottom, src.height_);
  int64_t dl = int64_t{x} + (sl - from.left), dt = int64_t{y} + (st - from.top);
  if (dl < 0) {
    sl -= dl;
    dl = 0;
  }
  if (dt < 0) {
    st -= dt;
    dt = 0;
  }
  sr = std::min<int64_t>(sr, sl + (width_ - dl));
  sb = std::min<int64_t>(sb, st + (height_ - dt));
  if (sl >= sr || st >= sb) return;
  const size_t w = static_cast<size_t>(sr - sl);
  const bool self = &src == this;
  const Surface copy = self ? src : Surface();
  const Surface& in = self ? copy : src;
  for (int64_t row = 0; row < sb - st; ++row) {
    const uint32_t* s = in.pixels_.data() + (st + row) * in.width_ + sl;
    uint32_t* d = pixels_.data() + (dt + row) * width_ + dl;
    op(d, s, w);
  }
}

void Surface::CopyFrom(const Surface& src, Rect from, int x, int y) {
  BlitRows(src, from, x, y, [](uint32_t* d, const uint32_t* s, size_t n) {
    std::memcpy(d, s, n * sizeof(uint32_t));
  });
}

void Surface::OrFrom(const Surface& src, Rect from, int x, int y) {
  BlitRows(src, from, x, y, [](uint32_t* d, const uint32_t* s, size_t n) {
    for (size_t i = 0; i < n; ++i) d[i] |= s[i];
  });
}

}  // namespace pp
