#pragma once
// Signed 32-bit arithmetic as the original machine did it: sums and products wrap modulo 2^32
// instead of being undefined, and division truncates toward zero.

#include <climits>
#include <cstdint>

namespace pp {

constexpr int32_t Wrap32(int64_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v)); }
// Clamps to the 32-bit range: for sums that must never wrap round (money, experience).
constexpr int32_t Saturate32(int64_t v) {
  return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : static_cast<int32_t>(v);
}
constexpr int32_t Add32(int32_t a, int32_t b) { return Wrap32(int64_t{a} + b); }
constexpr int32_t Sub32(int32_t a, int32_t b) { return Wrap32(int64_t{a} - b); }
constexpr int32_t Mul32(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
// Truncating division; dividing by zero yields 0 and INT32_MIN / -1 wraps, so no input traps.
constexpr int32_t Div32(int32_t a, int32_t b) {
  if (b == 0) return 0;
  if (b == -1) return Wrap32(-int64_t{a});
  return a / b;
}
constexpr int32_t Mod32(int32_t a, int32_t b) {
  if (b == 0 || b == -1) return 0;
  return a % b;
}
constexpr int32_t Abs32(int32_t a) { return a < 0 ? Wrap32(-int64_t{a}) : a; }

}  // namespace pp
