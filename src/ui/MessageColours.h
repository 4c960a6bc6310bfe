#pragma once
// Kinds and colours of the rising message lines.

#include <cstdint>
#include <string_view>

#include "gfx/Surface.h"

namespace pp {

inline constexpr int32_t kPlainMessage = 4;
inline constexpr int32_t kFirstColourMessage = 301;
inline constexpr int32_t kLastColourMessage = 312;

// Kind for a colour name ("green" 301 .. "blue2" 312, compared exactly); any other name is plain.
int32_t MessageKind(std::string_view colourName);
// True for the kinds the ring draws as message lines: 4 and 301..312.
bool IsMessageKind(int32_t kind);
// Colour of a message line of `kind` at `age`: plain lines shimmer grey over 9 age steps,
// coloured ones follow their six-phase table over 10. Kinds outside 301..312 are plain.
Color MessageColour(int32_t kind, int32_t age);

}  // namespace pp
