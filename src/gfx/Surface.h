#pragma once
// A 32-bit picture with the drawing conventions of the classic desktop: shapes by bounding box
// with right and bottom exclusive, the pen outlining inside the box and the brush filling it,
// lines that leave out their last pixel. Pixels are 0x00RRGGBB.

#include <cstdint>
#include <vector>

namespace pp {

using Color = uint32_t;
constexpr Color Rgb(uint32_t r, uint32_t g, uint32_t b) { return (r << 16) | (g << 8) | b; }
// "#RRGGBB" as written in the game's colour tables.
constexpr Color Hex(uint32_t rrggbb) { return rrggbb & 0xFFFFFF; }

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
};

class Surface {
 public:
  Surface() = default;
  Surface(int width, int height, Color fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  uint32_t* data() { return pixels_.data(); }
  const uint32_t* data() const { return pixels_.data(); }
  // Pixel at (x, y); 0 outside.
  Color Pixel(int x, int y) const;
  // Writes one pixel; ignored outside.
  void SetPixel(int x, int y, Color c);
  void Fill(Color c);
  // Fills the box (l, t)-(r, b) with `c`, ignoring pen and brush; clipped to the surface.
  void FillRect(int l, int t, int r, int b, Color c);

  // Pen (1 pixel wide) and brush. A clear brush leaves shape interiors alone.
  void SetPen(Color c) { pen_ = c; }
  void SetBrush(Color c) {
    brush_ = c;
    brushClear_ = false;
  }
  void SetBrushClear() { brushClear_ = true; }
  Color pen() const { return pen_; }
  Color brush() const { return brush_; }
  bool brushClear() const { return brushClear_; }

  // Rectangle (l, t)-(r, b): outline in the pen, interior in the brush.
  void Rectangle(int l, int t, int r, int b);
  // Ellipse inscribed in (l, t)-(r, b): outline in the pen, interior in the brush.
  void Ellipse(int l, int t, int r, int b);
  // Line from (x0, y0) to (x1, y1) in the pen, without its last pixel.
  void Line(int x0, int y0, int x1, int y1);

  // Copies src's rectangle `from` onto this surface's rectangle `to`, scaled with nearest pixels
  // (each destination pixel takes the source pixel under its centre; outside src reads black).
  // Reversed rectangles mirror.
  void StretchFrom(const Surface& src, Rect from, Rect to);
  // Copies src's rectangle `from` to (x, y) unscaled.
  void CopyFrom(const Surface& src, Rect from, int x, int y);
  // ORs src's rectangle `from` into this surface at (x, y), pixel by pixel.
  void OrFrom(const Surface& src, Rect from, int x, int y);

  // A blind surface keeps its pixels as they are: every drawing call above leaves them alone
  // (the pen and brush still change). For frames that run their logic but are never shown.
  void SetBlind(bool blind) { blind_ = blind; }
  bool blind() const { return blind_; }

 private:
  // Fills columns [x0, x1) of row y, clipped to the surface.
  void FillSpan(int64_t y, int64_t x0, int64_t x1, Color c);
  // Runs op(dst, src, count) over each row of src's `from` (clipped) placed at (x, y).
  template <typename Op>
  void BlitRows(const Surface& src, Rect from, int x, int y, Op op);

  int width_ = 0, height_ = 0;
  std::vector<uint32_t> pixels_;
  Color pen_ = 0, brush_ = 0xFFFFFF;
  bool brushClear_ = false;
  bool blind_ = false;
};

}  // namespace pp
