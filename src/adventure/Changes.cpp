#include "adventure/Changes.h"

#include <string>

#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "ui/Messages.h"

namespace pp {

namespace {

// -d as shown to the player; exact for every int32 d.
std::string Negated(int32_t d) { return std::to_string(-int64_t{d}); }

void Announce(Game& g, const std::string& text, const char* colour) {
  AddColorMessage(g, text, colour);
  WaitForClick(g);
}

// The raise family: any sign, no bound, and the message says 上昇 even for a fall.
void Raise(Game& g, int32_t& value, int32_t d, const char* prefix, const char* sound,
           const char* colour) {
  value = Add32(value, d);
  PlayWave(g, 1, sound);
  Announce(g, prefix + std::to_string(d) + "上昇→ " + std::to_string(value), colour);
}

void RaiseSkill(Game& g, int32_t& value, int32_t d, const char* prefix) {
  Raise(g, value, d, prefix, "skill.wav", "yellow");
}

void RaiseStat(Game& g, int32_t& value, int32_t d, const char* prefix) {
  Raise(g, value, d, prefix, "bp.wav", "pink");
}

}  // namespace

void ChangeHp(Game& g, int32_t d) {
  GameState& s = g.state;
  if (d >= 1) {
    s.hp = Add32(s.hp, d);
    PlayWave(g, 2, "kaifuku.wav");
    Announce(g, "HPが " + std::to_string(d) + "回復した!!", "aqua");
  } else if (d <= -1) {
    if (s.statusHero >= 1) d = 0;  // <英雄>: the blow lands for nothing, but is still told
    s.hp = Add32(s.hp, d);
    PlayWave(g, 2, "damage.wav");
    s.hurtFlash = 8;
    Announce(g, "あなたは " + Negated(d) + "ダメージ食らった!!", "red");
  }
}

void ChangeMp(Game& g, int32_t d) {
  if (d == 0) return;
  g.state.mp = Add32(g.state.mp, d);
  if (d >= 1) {
    PlayWave(g, 2, "kaifuku.wav");
    Announce(g, "MPが " + std::to_string(d) + "回復した!!", "aqua");
  } else {
    PlayWave(g, 2, "down.wav");
    Announce(g, "あなたはMPが " + Negated(d) + "減少!!", "red");
  }
}

void ChangeHunger(Game& g, int32_t d) {
  GameState& s = g.state;
  if (d == 0) return;
  s.hunger = Add32(s.hunger, d);
  if (d >= 1) {
    // Eating past a full stomach stretches it by one point, however much was eaten.
    if (s.hunger > s.maxHunger) s.maxHunger = Add32(s.maxHunger, 1);
    PlayWave(g, 2, "taberu.wav");
    Announce(g, "お腹が " + std::to_string(d) + "回復した!!", "aqua");
  } else {
    PlayWave(g, 2, "down.wav");
    Announce(g, "あなたはonakaが " + Negated(d) + "減少!!", "red");
  }
}

void ChangeCowardice(Game& g, int32_t d) {
  GameState& s = g.state;
  s.cowardice = Add32(s.cowardice, d);
  PlayWave(g, 1, "skill.wav");
  const int32_t c = s.cowardice;
  // One axis, told as two skills: 臆病 above zero, 冒険 (its negative) below.
  if (c >= 1 && d >= 1)
    Announce(g, "あなたの臆病スキルが " + std::to_string(d) + "上昇→ " + std::to_string(c),
             "yellow");
  else if (c >= 0 && d <= -1)
    Announce(g, "あなたの臆病スキルが " + Negated(d) + "減少→ " + std::to_string(c), "yellow");
  else if (c <= 0 && d >= 1)
    Announce(g, "あなたの冒険スキルが " + std::to_string(d) + "減少→ " + Negated(c), "yellow");
  else if (c <= -1 && d <= -1)
    Announce(g, "あなたの冒険スキルが " + Negated(d) + "上昇→ " + Negated(c), "yellow");
}

void RaiseTrapSkill(Game& g, int32_t d) {
  RaiseSkill(g, g.state.trapSkill, d, "あなたの罠解除スキルが ");
}
void RaiseEscapeSkill(Game& g, int32_t d) {
  RaiseSkill(g, g.state.escapeSkill, d, "あなたの脱出スキルが ");
}
void RaiseMachineSkill(Game& g, int32_t d) {
  RaiseSkill(g, g.state.machineSkill, d, "あなたの機械スキルが ");
}
void RaiseLogicSkill(Game& g, int32_t d) {
  RaiseSkill(g, g.state.logicSkill, d, "あなたの論理スキルが ");
}
void RaiseDebateSkill(Game& g, int32_t d) {
  RaiseSkill(g, g.state.debateSkill, d, "あなたの問答スキルが ");
}
void RaiseAttackSkill(Game& g, int32_t d) {
  RaiseSkill(g, g.state.attackSkill, d, "あなたの物理攻撃スキルが ");
}
void RaiseDefenceSkill(Game& g, int32_t d) {
  RaiseSkill(g, g.state.defenceSkill, d, "あなたの物理防御スキルが ");
}
void RaiseMagicDefenceSkill(Game& g, int32_t d) {
  RaiseSkill(g, g.state.magicDefenceSkill, d, "あなたの魔法防御スキルが ");
}
void RaiseClimbingSkill(Game& g, int32_t d) {
  RaiseSkill(g, g.state.climbingSkill, d, "あなたの登山スキルが ");
}
void RaiseMagicSkill(Game& g, int32_t d) {
  RaiseSkill(g, g.state.magicSkill, d, "あなたの魔法スキルが ");
}
void RaiseCaptureSkill(Game& g, int32_t d) {
  RaiseSkill(g, g.state.captureSkill, d, "あなたの捕獲スキルが ");
}
void RaiseCharmSkill(Game& g, int32_t d) {
  RaiseSkill(g, g.state.charmSkill, d, "あなたの魅了スキルが ");
}
void RaiseStrength(Game& g, int32_t d) { RaiseStat(g, g.state.strength, d, "力が "); }
void RaiseSpirit(Game& g, int32_t d) { RaiseStat(g, g.state.spirit, d, "精神が "); }
void RaiseMaxHp(Game& g, int32_t d) { RaiseStat(g, g.state.maxHp, d, "最大HPが "); }
void RaiseMaxMp(Game& g, int32_t d) { RaiseStat(g, g.state.maxMp, d, "最大MPが "); }

}  // namespace pp
