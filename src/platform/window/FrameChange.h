#pragma once
// What a new frame changes against the one shown before it, so that a window redraws (and
// scales up) only what is new.

#include <optional>

#include "gfx/Surface.h"

namespace pp {

// The smallest rectangle holding every pixel where `before` and `after` differ; the whole of
// `after` when their sizes differ; nullopt when they are equal.
std::optional<Rect> ChangedArea(const Surface& before, const Surface& after);

}  // namespace pp
