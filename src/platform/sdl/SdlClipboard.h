#pragma once
// The desktop's clipboard through SDL (the window host must be open: it starts SDL's video).

#include <memory>

#include "platform/Clipboard.h"

namespace pp {

std::unique_ptr<Clipboard> CreateSdlClipboard();

}  // namespace pp
