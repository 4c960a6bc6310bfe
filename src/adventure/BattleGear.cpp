#include "adventure/BattleGear.h"

#include "core/Int32.h"
#include "game/Game.h"
#include "items/Inventory.h"

namespace pp {

int32_t ApplyGear(Game& g, int32_t value, std::span<const Gear> gear) {
  for (const Gear& piece : gear) {
    if (!Held(g, piece.id)) continue;
    switch (piece.op) {
      case GearOp::Add:
        value = Add32(value, piece.amount);
        break;
      case GearOp::Set:
        value = piece.amount;
        break;
      case GearOp::Halve:
        value /= 2;
        break;
    }
    if (piece.breakOdds > 0) Wear(g, piece.id, piece.breakOdds);
  }
  return value;
}

void Wear(Game& g, int32_t id, int32_t odds) {
  if (Random(g, odds) == 0) BreakItem(g, id);
}

bool Held(const Game& g, int32_t id) { return g.state.itemCount[id] >= 1; }

}  // namespace pp
