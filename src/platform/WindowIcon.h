#pragma once
// The window's icon in a data folder: a small BMP the data generator draws from the desktop
// icon's art, whose clear corners are one colour the window makes transparent. A data folder
// without it gives a window without an icon.

#include <cstdint>
#include <string_view>

namespace pp {

inline constexpr std::string_view kWindowIconFile = "icon.bmp";
inline constexpr int kWindowIconSize = 48;
inline constexpr uint32_t kWindowIconClear = 0xFF00FF;

}  // namespace pp
