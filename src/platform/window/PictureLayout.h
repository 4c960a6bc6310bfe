#pragma once
// Where the 390 x 260 picture sits in a window of any size: the largest whole scale that fits
// (at least 1), centred, with black borders around it. Window coordinates are the window
// surface's pixels.

#include "platform/Host.h"
#include "platform/InputLayout.h"

namespace pp {

struct PictureLayout {
  int scale = 1;
  int left = 0, top = 0;  // the picture's top-left corner in the window
};

PictureLayout FitPicture(int windowWidth, int windowHeight);

// The picture pixel under window point (x, y); a point on the borders around the picture
// counts as the nearest pixel of its edge.
PicturePoint WindowToPicture(const PictureLayout& layout, int x, int y);

}  // namespace pp
