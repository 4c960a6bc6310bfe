#pragma once
// Carried gear that changes a number in battle by being held, and wears out as it acts.

#include <cstdint>
#include <span>

namespace pp {

class Game;

enum class GearOp { Add, Set, Halve };

struct Gear {
  int32_t id;
  GearOp op;
  int32_t amount;     // added (Add) or set (Set); unused for Halve
  int32_t breakOdds;  // breaks one time in this many when it acts; 0 = never
};

// Every held piece in order changes `value`, its wear roll right after its effect.
int32_t ApplyGear(Game& g, int32_t value, std::span<const Gear> gear);
// One time in `odds` the item breaks (BreakItem).
void Wear(Game& g, int32_t id, int32_t odds);
// At least one is carried.
bool Held(const Game& g, int32_t id);

}  // namespace pp
