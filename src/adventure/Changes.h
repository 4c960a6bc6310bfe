#pragma once
// Announced changes of HP, MP, stomach, skills and base stats: each change comes with its sound
// and a coloured message and waits for a click. Nothing here clamps; ClampState does.

#include <cstdint>

namespace pp {

class Game;

// Heals (d > 0) or hurts (d < 0; 0 damage under <英雄>, still announced); nothing for d = 0.
void ChangeHp(Game& g, int32_t d);
void ChangeMp(Game& g, int32_t d);
// Eating beyond a full stomach stretches maxHunger by one point.
void ChangeHunger(Game& g, int32_t d);
// Moves the cowardice/adventure axis and reports it as 臆病 (above 0) or 冒険 (below 0).
void ChangeCowardice(Game& g, int32_t d);

// Each adds d (any sign) and always says 上昇, as the game does, even for a fall.
void RaiseTrapSkill(Game& g, int32_t d);
void RaiseEscapeSkill(Game& g, int32_t d);
void RaiseMachineSkill(Game& g, int32_t d);
void RaiseLogicSkill(Game& g, int32_t d);
void RaiseDebateSkill(Game& g, int32_t d);
void RaiseAttackSkill(Game& g, int32_t d);
void RaiseDefenceSkill(Game& g, int32_t d);
void RaiseMagicDefenceSkill(Game& g, int32_t d);
void RaiseClimbingSkill(Game& g, int32_t d);
void RaiseMagicSkill(Game& g, int32_t d);
void RaiseCaptureSkill(Game& g, int32_t d);
void RaiseCharmSkill(Game& g, int32_t d);
void RaiseStrength(Game& g, int32_t d);
void RaiseSpirit(Game& g, int32_t d);
// maxHp += d; hp is left as it is.
void RaiseMaxHp(Game& g, int32_t d);
// maxMp += d; mp is left as it is.
void RaiseMaxMp(Game& g, int32_t d);

}  // namespace pp
