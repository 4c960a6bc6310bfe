#include <array>

#include "core/Int32.h"
#include "game/Game.h"
#include "ui/Status.h"

namespace pp {
namespace {

struct Tag {
  int32_t GameState::*field;
  const char* text;
};

constexpr std::array<Tag, 5> kAilmentTags{{{&GameState::statusParalysis, "<麻痺>"},
                                           {&GameState::statusPoison, "<毒>"},
                                           {&GameState::statusStomachache, "<腹痛>"},
                                           {&GameState::statusTraining, "<修行>"},
                                           {&GameState::statusHellTraining, "<地獄修行>"}}};

constexpr std::array<Tag, 13> kBlessingTags{{{&GameState::statusHero, "<英雄>"},
                                             {&GameState::statusPhantomThief, "<怪盗>"},
                                             {&GameState::statusLogicAttack, "<論攻>"},
                                             {&GameState::statusLogicDefence, "<論防>"},
                                             {&GameState::statusTheoryArmour, "<理装>"},
                                             {&GameState::statusAttackUp, "<攻↑>"},
                                             {&GameState::statusDefenceUp, "<防↑>"},
                                             {&GameState::statusMagicDefenceUp, "<魔防↑>"},
                                             {&GameState::statusMagicAttackUp, "<魔攻↑>"},
                                             {&GameState::statusHeal, "<癒>"},
                                             {&GameState::statusMagic, "<魔>"},
                                             {&GameState::statusSpirit, "<精>"},
                                             {&GameState::statusExtra, "<追加>"}}};

template <size_t N>
std::string JoinActive(const GameState& s, const std::array<Tag, N>& tags, const TagShown& shown) {
  std::string line;
  for (const Tag& t : tags)
    if (s.*t.field > 0) line += shown ? shown(t.text) : std::string(t.text);
  return line;
}

}  // namespace

Color PercentColour(int32_t value, int32_t maximum) {
  int32_t p = Div32(Mul32(value, 100), maximum);
  if (p <= 10) return Hex(0x800000);
  if (p <= 20) return Hex(0xFF0000);
  if (p <= 30) return Hex(0xFF7744);
  if (p <= 50) return Hex(0xFFCC55);
  if (p <= 65) return Hex(0xFFFFBB);
  if (p <= 75) return Hex(0xFFFFDD);
  return Hex(0xFFFFFF);
}

std::string AilmentTags(const GameState& s, const TagShown& shown) {
  return JoinActive(s, kAilmentTags, shown);
}

std::string BlessingTags(const GameState& s, const TagShown& shown) {
  return JoinActive(s, kBlessingTags, shown);
}

}  // namespace pp
