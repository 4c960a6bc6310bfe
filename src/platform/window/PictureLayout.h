#pragma once
// Where the 390 x 260 picture sits in a window of any size: the largest whole scale that fits
// (at least 1), centred, with black borders around it. Window coordinates are the window
// surface's pixels.

namespace pp {

struct PictureLayout {
  int scale = 1;
  int left = 0, top = 0;  // the picture's top-left corner in the window
};

inline constexpr int kPictureWidth = 390;
inline constexpr int kPictureHeight = 260;

PictureLayout FitPicture(int windowWidth, int windowHeight);

struct PicturePoint {
  int x = 0, y = 0;
};

// The picture pixel under window point (x, y); a point on the borders around the picture
// counts as the nearest pixel of its edge.
PicturePoint WindowToPicture(const PictureLayout& layout, int x, int y);

}  // namespace pp
