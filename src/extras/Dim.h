#pragma once
// The picture behind an overlay (the log, the keys help): an eighth of its brightness stays, so
// the overlay's text reads over any scene, the game's own rising lines included.

#include "gfx/Surface.h"

namespace pp {

inline void DimPicture(Surface& picture) {
  uint32_t* p = picture.data();
  const size_t count = static_cast<size_t>(picture.width()) * static_cast<size_t>(picture.height());
  for (size_t i = 0; i < count; ++i) p[i] = (p[i] >> 3) & 0x1F1F1F;
}

}  // namespace pp
