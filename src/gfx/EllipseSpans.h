#pragma once
// Rows of an ellipse inscribed in a box of width x height pixels, as the desktop filled them: a
// pixel belongs to the ellipse when its centre lies inside the ellipse that touches the box's
// outer edges. Every row of the box holds at least its middle pixel(s) and the middle row(s)
// run the full width, so the shape always touches all four sides of its box.

#include <cmath>
#include <cstdint>

namespace pp {

// Columns left..right (inclusive, from the box's left edge); empty when left > right.
struct Span {
  int64_t left, right;
};

class EllipseSpans {
 public:
  EllipseSpans(int64_t width, int64_t height) : w_(width), h_(height) {}

  bool empty() const { return w_ <= 0 || h_ <= 0; }

  // Row j of the box (0 = top); rows outside the box are empty.
  Span Row(int64_t j) const {
    if (empty() || j < 0 || j >= h_) return {1, 0};
    const int64_t e = 2 * j + 1 - h_;  // twice the row centre's offset from the middle
    int64_t reach;                     // twice the largest column-centre offset that fits
    if (e >= -1 && e <= 1) {
      reach = w_ - 1;
    } else {
      reach = FloorReach(e);
      if ((reach - (w_ - 1)) % 2 != 0) --reach;  // offsets share the parity of w - 1
      if (reach < 0) reach = (w_ - 1) % 2;
    }
    const int64_t left = (w_ - 1 - reach) / 2;
    return {left, w_ - 1 - left};
  }

 private:
  // Largest c >= 0 with c^2 h^2 + e^2 w^2 <= w^2 h^2, i.e. c <= w sqrt(1 - e^2 / h^2).
  int64_t FloorReach(int64_t e) const {
    // Below 2^16 pixels a side (every box the game draws) w^2 h^2 fits in 64 bits, which the
    // browser build multiplies natively; larger boxes compare in 128 bits. Both give the same c.
    constexpr int64_t kNarrow = int64_t{1} << 16;
    if (w_ < kNarrow && h_ < kNarrow) return FloorReachIn<uint64_t>(e);
    return FloorReachIn<unsigned __int128>(e);
  }

  // `Wide` holds w^2 h^2 exactly. The square root only guesses c; the whole-number comparisons
  // that follow settle it, so the guess's rounding never shows in the result.
  template <typename Wide>
  int64_t FloorReachIn(int64_t e) const {
    const Wide w2 = static_cast<Wide>(w_) * static_cast<Wide>(w_);
    const Wide h2 = static_cast<Wide>(h_) * static_cast<Wide>(h_);
    const Wide e2 = static_cast<Wide>(e < 0 ? -e : e) * static_cast<Wide>(e < 0 ? -e : e);
    const Wide limit = w2 * (h2 - e2);  // compare c^2 h^2 against this
    const double ratio = static_cast<double>(e) / static_cast<double>(h_);
    int64_t c = static_cast<int64_t>(static_cast<double>(w_) * std::sqrt(1.0 - ratio * ratio));
    auto fits = [&](int64_t v) {
      return static_cast<Wide>(v) * static_cast<Wide>(v) * h2 <= limit;
    };
    if (c > w_) c = w_;
    while (c > 0 && !fits(c)) --c;
    while (c < w_ && fits(c + 1)) ++c;
    return c;
  }

  int64_t w_, h_;
};

}  // namespace pp
