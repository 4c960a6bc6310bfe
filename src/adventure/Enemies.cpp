#include <string>

#include "adventure/Battle.h"
#include "adventure/Encounters.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "story/RandomName.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

// The strong variant comes from `threshold` on, one time in five (no roll below it).
bool StrongVariant(Game& g, int32_t threshold) {
  return g.state.worldLevel >= threshold && Random(g, 5) == 0;
}

// Shows the enemy with its line; the hit points are rolled after it.
void Announce(Game& g, std::string_view picture, std::string_view line) {
  ShowPicture(g, picture);
  PlayWave(g, 1, "enemy.wav");
  AddMessage(g, line);
}

void SetEnemyHp(Game& g, int32_t hp) {
  g.state.enemyMaxHp = hp;
  g.state.enemyHp = hp;
}

// Random(range) + base: the hit points of most rows.
int32_t RollHp(Game& g, int32_t range, int32_t perLevel, int32_t base) {
  return Add32(Random(g, range), Add32(Mul32(g.state.worldLevel, perLevel), base));
}

// An ordinary enemy named `name`: announced as "<name>が現れた".
void Appear(Game& g, std::string name, std::string_view picture) {
  g.state.enemyName = std::move(name);
  Announce(g, picture, g.state.enemyName + "が現れた");
}

}  // namespace

void MeetBoss(Game& g) {
  GameState& s = g.state;
  const int32_t l = s.worldLevel;
  if (l == 2) {
    Appear(g, "３番目に強いボス", "boss.bmp");
    SetEnemyHp(g, RollHp(g, 10, 10, 20));
    s.enemyStrength = l;
    s.enemyDefence = l;
    s.enemySpirit = l + 2;
    s.enemyWisdom = l;
    s.enemyExpFactor = 3;
    s.enemyMoneyFactor = 2;
    s.enemyDropItem = 18;
  } else if (l == 4) {
    Appear(g, "２番目に強いボス", "boss.bmp");
    SetEnemyHp(g, RollHp(g, 10, 15, 50));
    s.enemyStrength = l;
    s.enemyDefence = l;
    s.enemySpirit = l + 3;
    s.enemyWisdom = 0;
    s.enemyExpFactor = 4;
    s.enemyMoneyFactor = 3;
    s.enemyDropItem = 65;
  } else {
    Appear(g, "イレイサー", "boss2.bmp");
    SetEnemyHp(g, RollHp(g, 10, 20, 999));
    s.enemyStrength = 25;
    s.enemyDefence = 15;
    s.enemySpirit = 15;
    s.enemyWisdom = 0;
    s.enemyExpFactor = 10;
    s.enemyMoneyFactor = 10;
    s.enemyDropItem = 120;
  }
  ShowBattleMenu(g);
}

void MeetRandomMonster(Game& g) {
  GameState& s = g.state;
  const int32_t l = s.worldLevel;
  if (StrongVariant(g, 5)) {
    Appear(g, MakeRandomName(g) + "＋", "teki_a.bmp");
    SetEnemyHp(g, RollHp(g, 20, 8, 20));
    s.enemyElite = 1;
    s.enemyStrength = Random(g, Add32(Mul32(l, 2), s.defenceSkill));
    s.enemyWisdom = Random(g, Add32(Mul32(l, 2), s.spirit));
    s.enemyExpFactor = 2;
    s.enemyMoneyFactor = 2;
    s.enemyDropItem = 212;
  } else {
    Appear(g, MakeRandomName(g), "teki.bmp");
    SetEnemyHp(g, RollHp(g, 10, 4, 5));
  }
  ShowBattleMenu(g);
}

void MeetWitch(Game& g) {
  GameState& s = g.state;
  const int32_t l = s.worldLevel;
  if (StrongVariant(g, 5)) {
    Appear(g, "大魔女", "ene3_a.bmp");
    SetEnemyHp(g, RollHp(g, 20, 10, 30));
    s.enemyElite = 1;
    s.enemyStrength = s.defenceSkill / 2;
    s.enemyDefence = s.strength / 2;
    s.enemyWisdom = Add32(Mul32(l, 2), s.spirit);
    s.enemySpirit = Add32(Mul32(l, 2), s.wisdom);
    s.enemyExpFactor = 4;
    s.enemyDropItem = 211;
  } else {
    Appear(g, "魔女", "ene3.bmp");
    SetEnemyHp(g, RollHp(g, 10, 5, 10));
    s.enemyWisdom = Add32(l, 2);
    s.enemySpirit = Add32(Mul32(l, 2), 2);
    s.enemyExpFactor = 2;
    s.enemyDropItem = 5;
  }
  ShowBattleMenu(g);
}

void MeetMonk(Game& g) {
  GameState& s = g.state;
  const int32_t l = s.worldLevel;
  const bool strong = StrongVariant(g, 5);
  const bool drops = Random(g, 4) == 0;
  if (strong) {
    Announce(g, "bou2.bmp", "智彗坊だ....!!");
    s.enemyName = "智彗坊";
    SetEnemyHp(g, RollHp(g, 20, 6, 20));
    s.enemyElite = 1;
    s.enemySpirit = Add32(l, s.wisdom);
    s.enemyWisdom = Add32(l, s.spirit);
    s.enemyExpFactor = 1;
    s.enemyMoneyFactor = 1;
    s.enemyDropItem = drops ? 213 : 0;
  } else {
    Announce(g, "bou.bmp", "坊だ....!!");
    s.enemyName = "坊";
    SetEnemyHp(g, RollHp(g, 10, 3, 5));
    s.enemySpirit = l;
    s.enemyWisdom = l;
    s.enemyDropItem = drops ? 69 : 0;
  }
  s.enemyDebater = 1;
  ShowBattleMenu(g);
}

void MeetZenMonk(Game& g) {
  GameState& s = g.state;
  const bool strong = StrongVariant(g, 6);
  const bool drops = Random(g, 3) == 0;
  if (strong) {
    Announce(g, "zen2.bmp", "二人の禅僧だ....!!");
    s.enemyName = "二人の禅僧";
    SetEnemyHp(g, RollHp(g, 20, 10, 30));
    s.enemyElite = 1;
    s.enemySpirit = Mul32(s.spirit, 2);
    s.enemyWisdom = Mul32(s.wisdom, 2);
    s.enemyExpFactor = 2;
    s.enemyMoneyFactor = 2;
    s.enemyDropItem = drops ? 213 : 0;
  } else {
    Announce(g, "zen.bmp", "禅僧だ....!!");
    s.enemyName = "禅僧";
    SetEnemyHp(g, RollHp(g, 10, 5, 10));
    s.enemySpirit = Add32(s.spirit, Random(g, s.spirit));
    s.enemyWisdom = Add32(s.wisdom, Random(g, s.wisdom));
    s.enemyExpFactor = 1;
    s.enemyMoneyFactor = 1;
    s.enemyDropItem = drops ? 69 : 0;
  }
  s.enemyDebater = 1;
  ShowBattleMenu(g);
}

void MeetAlgorithmSnake(Game& g) {
  GameState& s = g.state;
  const int32_t l = s.worldLevel;
  if (StrongVariant(g, 4)) {
    Appear(g, "高級アルゴリズムスネイク", "teki2_a.bmp");
    SetEnemyHp(g, RollHp(g, 20, 8, 20));
    s.enemyElite = 1;
    s.enemyWisdom = Mul32(s.spirit, 2);
    s.enemySpirit = Add32(Add32(l, s.wisdom), 1);
    s.enemyStrength = Add32(Add32(l, s.defenceSkill), 1);
    s.enemyDefence = Add32(l, s.strength / 2 + 1);
    s.enemyExpFactor = 2;
    s.enemyMoneyFactor = 1;
  } else {
    Appear(g, "アルゴリズムスネイク", "teki2.bmp");
    SetEnemyHp(g, RollHp(g, 10, 4, 5));
    s.enemySpirit = Add32(l, 1);
    s.enemyExpFactor = 1;
  }
  ShowBattleMenu(g);
}

void MeetGiantFoot(Game& g) {
  GameState& s = g.state;
  const int32_t l = s.worldLevel;
  if (StrongVariant(g, 4)) {
    Appear(g, "超巨大な足", "teki3_a.bmp");
    SetEnemyHp(g, RollHp(g, 20, 10, 20));
    s.enemyElite = 1;
    s.enemyStrength = Add32(Mul32(l, 2), s.defenceSkill);
    s.enemyDefence = Mul32(s.strength, 2);
    s.enemyExpFactor = 1;
    s.enemyMoneyFactor = 2;
  } else {
    Appear(g, "巨大な足", "teki3.bmp");
    SetEnemyHp(g, RollHp(g, 10, 5, 5));
    s.enemyDefence = Add32(l, 1);
    s.enemyMoneyFactor = 1;
  }
  ShowBattleMenu(g);
}

void MeetAi(Game& g) {
  GameState& s = g.state;
  const int32_t l = s.worldLevel;
  if (StrongVariant(g, 5)) {
    Announce(g, "ai2.bmp", "双子AIだ....!!");
    s.enemyName = "双子AI";
    SetEnemyHp(g, RollHp(g, 20, 8, 20));
    s.enemyElite = 1;
    s.enemySpirit = Add32(Add32(l, s.wisdom), 1);
    s.enemyWisdom = Add32(Add32(l, s.spirit), 1);
  } else {
    Announce(g, "ai.bmp", "AIだ....!!");
    s.enemyName = "AI";
    SetEnemyHp(g, RollHp(g, 10, 4, 5));
    s.enemySpirit = Add32(l, 1);
    s.enemyWisdom = Add32(l, 1);
  }
  s.enemyDebater = 1;
  ShowBattleMenu(g);
}

void MeetExtraEnemy(Game& g) {
  GameState& s = g.state;
  const int32_t l = s.worldLevel;
  const bool strong = StrongVariant(g, 5);
  s.enemyDropItem = Random(g, 126) + 1;
  if (strong) {
    Appear(g, "スペシャルエネミー", "ex2.bmp");
    SetEnemyHp(g, RollHp(g, 10, 16, 100));
    s.enemyElite = 1;
    s.enemyStrength = Add32(Add32(Mul32(s.defenceSkill, 2), l), 1);
    s.enemyDefence = Add32(Add32(Mul32(s.strength, 2), Mul32(l, 2)), 2);
    s.enemyExpFactor = 4;
    s.enemyMoneyFactor = 4;
    s.enemyDropCount = 2;
    // Its wisdom comes from the player's spirit, as the other strong rows derive theirs; the
    // player's own wisdom is left alone.
    s.enemyWisdom = Add32(l, s.spirit);
  } else {
    Appear(g, "エクストラエネミー", "ex.bmp");
    SetEnemyHp(g, RollHp(g, 10, 8, 20));
    s.enemyStrength = Add32(Add32(l, l / 2), 1);
    s.enemyDefence = Add32(Mul32(l, 2), l / 2 + 2);
    s.enemyExpFactor = 3;
    s.enemyMoneyFactor = 3;
  }
  ShowBattleMenu(g);
}

}  // namespace pp
