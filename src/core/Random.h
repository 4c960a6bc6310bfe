#pragma once
// The game's one random generator: a 32-bit linear congruential generator whose result is the
// high half of the 64-bit product of the new seed and n.

#include <cstdint>

namespace pp {

class RandomGenerator {
 public:
  explicit RandomGenerator(uint32_t seed = 0) : seed_(seed) {}

  // 0..n-1; 0 when n <= 0. Always steps the generator, also when n <= 0.
  int32_t Next(int32_t n) {
    seed_ = seed_ * 134775813u + 1u;
    if (n <= 0) return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(seed_) * static_cast<uint32_t>(n)) >> 32);
  }

  uint32_t seed() const { return seed_; }
  void set_seed(uint32_t seed) { seed_ = seed; }

 private:
  uint32_t seed_;
};

}  // namespace pp
