#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/Surface.h"

namespace pp {
namespace {

constexpr Color kPen = 0xFF0000, kBrush = 0x00FF00, kBack = 0x000010;

// The surface as rows of characters: 'P' pen, 'B' brush, '.' background, '?' anything else.
std::vector<std::string> Picture(const Surface& s) {
  std::vector<std::string> rows;
  for (int y = 0; y < s.height(); ++y) {
    std::string row;
    for (int x = 0; x < s.width(); ++x) {
      const Color c = s.Pixel(x, y);
      row += c == kPen ? 'P' : c == kBrush ? 'B' : c == kBack ? '.' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

Surface Canvas(int w, int h) {
  Surface s(w, h, kBack);
  s.SetPen(kPen);
  s.SetBrush(kBrush);
  return s;
}

TEST(Surface, RectangleOutlinesInsideItsBoxWithRightAndBottomExclusive) {
  Surface s = Canvas(6, 5);
  s.Rectangle(1, 1, 5, 4);
  EXPECT_EQ(Picture(s), (std::vector<std::string>{
                            "......",
                            ".PPPP.",
                            ".PBBP.",
                            ".PPPP.",
                            "......",
                        }));
  Surface clear = Canvas(6, 5);
  clear.SetBrushClear();
  clear.Rectangle(1, 1, 5, 4);
  EXPECT_EQ(Picture(clear)[2], ".P..P.");
  // A box one pixel wide or high is all pen; an empty box draws nothing.
  Surface thin = Canvas(4, 3);
  thin.Rectangle(1, 0, 2, 3);
  thin.Rectangle(3, 1, 3, 3);
  EXPECT_EQ(Picture(thin), (std::vector<std::string>{".P..", ".P..", ".P.."}));
}

TEST(Surface, ShapesClipAtEveryEdge) {
  Surface s = Canvas(4, 4);
  s.Rectangle(-1, -1, 401, 301);  // the layer clear: only the interior shows
  for (const std::string& row : Picture(s)) EXPECT_EQ(row, "BBBB");
  Surface e = Canvas(4, 3);
  e.Ellipse(-152, -72, 152, 72);  // centred on the corner: the inside of its quarter
  for (const std::string& row : Picture(e)) EXPECT_EQ(row, "BBBB");
  Surface far = Canvas(4, 4);
  far.Ellipse(2000000000, -2000000000, -2000000000, 2000000000);
  far.Rectangle(-2147483647 - 1, 5, 2147483647, 9);
  far.Line(-2000000000, 3, 2000000000, 3);
  EXPECT_EQ(Picture(far)[3], "PPPP");
  EXPECT_EQ(Picture(far)[0], "BBBB");
}

TEST(Surface, SmallCirclesMatchTheSparkShapes) {
  Surface s = Canvas(14, 6);
  s.SetBrush(kPen);
  s.Ellipse(0, 0, 2, 2);
  s.Ellipse(3, 0, 7, 4);
  s.Ellipse(8, 0, 14, 6);
  EXPECT_EQ(Picture(s), (std::vector<std::string>{
                            "PP..PP...PPPP.",
                            "PP.PPPP.PPPPPP",
                            "...PPPP.PPPPPP",
                            "....PP..PPPPPP",
                            "........PPPPPP",
                            ".........PPPP.",
                        }));
}

TEST(Surface, EllipseOutlineIsThinAndSymmetric) {
  Surface s = Canvas(24, 24);
  s.Ellipse(0, 0, 24, 24);
  const auto rows = Picture(s);
  for (int y = 0; y < 24; ++y) {
    const std::string& row = rows[y];
    EXPECT_EQ(row, std::string(row.rbegin(), row.rend())) << "row " << y;
    EXPECT_EQ(row, rows[23 - y]) << "row " << y;
    for (int x = 0; x < 24; ++x) EXPECT_EQ(row[x], rows[x][y]) << x << "," << y;
  }
  // Touches all four sides; the interior is brush, reached from the middle.
  EXPECT_EQ(rows[0][0], '.');
  EXPECT_EQ(rows[0].substr(9, 6), "PPPPPP");
  EXPECT_EQ(rows[12][0], 'P');
  EXPECT_EQ(rows[12][1], 'B');
  EXPECT_EQ(rows[12][22], 'B');
  EXPECT_EQ(rows[12][23], 'P');
  // A clear brush leaves the inside alone.
  Surface ring = Canvas(24, 24);
  ring.SetBrushClear();
  ring.Ellipse(0, 0, 24, 24);
  EXPECT_EQ(Picture(ring)[12].substr(1, 22), std::string(22, '.'));
}

TEST(Surface, FlatEllipseTouchesItsWholeBox) {
  // The message mask before the status corner slides in: 164 x 4 around the corner.
  Surface s = Canvas(200, 6);
  s.Ellipse(0, 1, 164, 5);
  const auto rows = Picture(s);
  EXPECT_EQ(rows[0], std::string(200, '.'));
  EXPECT_EQ(rows[2][0], 'P');
  EXPECT_EQ(rows[3].substr(163, 2), "P.");
  EXPECT_GT(rows[1].find('P'), 20u);
  EXPECT_EQ(rows[1].find('P'), 199 - rows[1].rfind('P') - 36);
  EXPECT_EQ(rows[5], std::string(200, '.'));
}

TEST(Surface, LinesLeaveOutTheirLastPixel) {
  Surface s = Canvas(5, 5);
  s.Line(0, 0, 4, 0);
  s.Line(0, 2, 4, 4);
  s.Line(4, 4, 4, 4);  // zero length: nothing
  EXPECT_EQ(Picture(s), (std::vector<std::string>{
                            "PPPP.",
                            ".....",
                            "PP...",
                            "..PP.",
                            ".....",
                        }));
  // The button seam: column x down to the middle, then x + 1.
  Surface seam = Canvas(3, 24);
  seam.Line(0, 1, 1, 23);
  const auto rows = Picture(seam);
  EXPECT_EQ(rows[0], "...");
  EXPECT_EQ(rows[1], "P..");
  EXPECT_EQ(rows[12], "P..");
  EXPECT_EQ(rows[13], ".P.");
  EXPECT_EQ(rows[22], ".P.");
  EXPECT_EQ(rows[23], "...");
}

TEST(Surface, LinesClipWithoutChangingTheirPath) {
  Surface whole = Canvas(40, 40), clipped = Canvas(10, 10);
  whole.Line(-7, 33, 31, -5);
  clipped.Line(-7, 33, 31, -5);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) EXPECT_EQ(clipped.Pixel(x, y), whole.Pixel(x, y)) << x << "," << y;
  // Drawn the other way round, the same pixels but for the left-out end.
  Surface back = Canvas(40, 40);
  back.Line(31, -5, -7, 33);
  back.SetPixel(31, -5, kPen);
  whole.SetPixel(-7, 33, kPen);
  EXPECT_EQ(Picture(back), Picture(whole));
  Surface steep = Canvas(9, 30), steepBack = Canvas(9, 30);
  steep.Line(1, 2, 7, 27);
  steep.SetPixel(7, 27, kPen);
  steepBack.Line(7, 27, 1, 2);
  steepBack.SetPixel(1, 2, kPen);
  EXPECT_EQ(Picture(steep), Picture(steepBack));
}

TEST(Surface, OrAndPlainCopiesClip) {
  Surface layer(4, 3, 0);
  layer.SetPixel(0, 0, 0x0000F0);
  layer.SetPixel(3, 2, 0x101010);
  Surface cg(3, 2, 0x000F01);
  cg.OrFrom(layer, {0, 0, 400, 300}, 0, 0);
  EXPECT_EQ(cg.Pixel(0, 0), 0x000FF1u);
  EXPECT_EQ(cg.Pixel(2, 1), 0x000F01u);  // black adds nothing
  cg.OrFrom(layer, {2, 1, 4, 3}, 1, 0);  // partly off the destination
  EXPECT_EQ(cg.Pixel(2, 1), 0x101F11u);
  Surface copy(3, 3, 7);
  copy.CopyFrom(layer, {-2, -2, 2, 2}, -1, 0);  // source and destination both clipped
  EXPECT_EQ(copy.Pixel(0, 0), 7u);
  EXPECT_EQ(copy.Pixel(1, 2), 0x0000F0u);
  EXPECT_EQ(copy.Pixel(2, 2), 0u);
  copy.CopyFrom(copy, {0, 2, 2, 3}, 1, 2);  // overlapping copy onto itself
  EXPECT_EQ(copy.Pixel(1, 2), 7u);
  EXPECT_EQ(copy.Pixel(2, 2), 0x0000F0u);
}

TEST(Surface, StretchTheScenePictureOntoTheFrame) {
  Surface scene(100, 60);
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 100; ++x) scene.SetPixel(x, y, static_cast<Color>(y * 256 + x));
  Surface cg(390, 260, 0xFFFFFF);
  cg.StretchFrom(scene, {0, 0, 100, 60}, {0, 0, 390, 260});
  std::vector<int> columns(100), rows(60);
  for (int x = 0; x < 390; ++x) ++columns[cg.Pixel(x, 0) & 0xFF];
  for (int y = 0; y < 260; ++y) ++rows[cg.Pixel(0, y) >> 8];
  for (int n : columns) EXPECT_TRUE(n == 3 || n == 4);
  for (int n : rows) EXPECT_TRUE(n == 4 || n == 5);
  EXPECT_EQ(cg.Pixel(389, 259), static_cast<Color>(59 * 256 + 99));
  EXPECT_EQ(cg.Pixel(195, 130), static_cast<Color>(30 * 256 + 50));
  // Each column takes the source pixel under its centre.
  for (int x = 0; x < 390; ++x)
    ASSERT_EQ(static_cast<int>(cg.Pixel(x, 0) & 0xFF), (2 * x + 1) * 100 / 780) << x;
  // Outside the source reads black; mirrored rectangles flip.
  Surface small(2, 1);
  small.SetPixel(0, 0, 5);
  small.SetPixel(1, 0, 6);
  Surface out(4, 1, 9);
  out.StretchFrom(small, {0, 0, 4, 1}, {0, 0, 4, 1});
  EXPECT_EQ(out.Pixel(1, 0), 6u);
  EXPECT_EQ(out.Pixel(2, 0), 0u);
  out.StretchFrom(small, {2, 0, 0, 1}, {0, 0, 4, 1});
  EXPECT_EQ(out.Pixel(0, 0), 6u);
  EXPECT_EQ(out.Pixel(3, 0), 5u);
}

}  // namespace
}  // namespace pp
