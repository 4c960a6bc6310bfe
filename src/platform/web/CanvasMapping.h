#pragma once
// Where the 390 x 260 picture sits on the page: the whole factor it is scaled by, and how a point
// on the shown canvas (a mouse or a finger, in CSS pixels) maps back onto the picture.

#include "platform/Host.h"
#include "platform/InputLayout.h"

namespace pp {

// The largest whole factor at which the picture fits in `width` x `height` CSS pixels; at least
// 1, so a tiny page still shows the picture (cut off) rather than nothing.
int FitScale(double width, double height);

// A point (x, y) on the canvas as shown at `shownWidth` x `shownHeight` CSS pixels, measured from
// its top-left corner, as the picture pixel under it; points past an edge (a finger sliding off)
// land on the nearest edge pixel.
PicturePoint ToPicture(double x, double y, double shownWidth, double shownHeight);

}  // namespace pp
