#pragma once
// The picture palette: every colour a picture may use, each named by one character that the
// sprite and scene sources write.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Surface.h"

namespace pp::datagen {

inline constexpr uint8_t kTransparent = 0xFF;

class Palette {
 public:
  // Parses lines "C #RRGGBB name" ('#' at the line start begins a comment). Throws
  // std::runtime_error naming the line on a bad entry, a repeated character or more than 255.
  static Palette Parse(std::string_view text);

  // The index of the colour written as `c`, or kTransparent for '.'; throws on an unknown one.
  uint8_t Index(char c) const;
  bool Has(char c) const { return indexOf_[static_cast<unsigned char>(c)] != kTransparent; }
  size_t size() const { return colors_.size(); }
  Color color(uint8_t index) const { return colors_.at(index); }
  const std::vector<Color>& colors() const { return colors_; }

 private:
  std::vector<Color> colors_;
  std::array<uint8_t, 256> indexOf_{};
};

}  // namespace pp::datagen
