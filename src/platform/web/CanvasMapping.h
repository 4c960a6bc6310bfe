#pragma once
// How a point on the picture shown on the page (a mouse or a finger, in CSS pixels) maps back
// onto the 390 x 260 picture; the page's layout script decides where and how large it is shown.

#include "platform/Host.h"
#include "platform/InputLayout.h"

namespace pp {

// A point (x, y) on the canvas as shown at `shownWidth` x `shownHeight` CSS pixels, measured from
// its top-left corner, as the picture pixel under it; points past an edge (a finger sliding off)
// land on the nearest edge pixel.
PicturePoint ToPicture(double x, double y, double shownWidth, double shownHeight);

}  // namespace pp
