#include "adventure/Battle.h"

#include <algorithm>
#include <array>
#include <string>

#include "adventure/BattleGear.h"
#include "adventure/Camp.h"
#include "adventure/Changes.h"
#include "adventure/Death.h"
#include "adventure/Say.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "ui/Choices.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

constexpr int32_t kModernGrimoire = 122;
constexpr int32_t kFafnirClaw = 123;
constexpr int32_t kThinkingAi = 73;
constexpr int32_t kShadowSword = 159;
constexpr int32_t kNinjaSword = 160;
constexpr int32_t kSlap = 161;
constexpr int32_t kDolbanSword = 167;
constexpr int32_t kCourageSword = 182;
constexpr int32_t kDragonSword = 210;

constexpr std::array kPolearms{
    Gear{88, GearOp::Add, 2, 20},  Gear{89, GearOp::Add, 3, 30}, Gear{90, GearOp::Add, 4, 40},
    Gear{91, GearOp::Add, 5, 50},  Gear{92, GearOp::Add, 6, 60}, Gear{93, GearOp::Add, 7, 70},
    Gear{94, GearOp::Add, 8, 80},  Gear{95, GearOp::Add, 9, 90}, Gear{96, GearOp::Add, 1, 15},
    Gear{142, GearOp::Add, 1, 10},
};
// The critical denominator of an attack.
constexpr std::array kClaws{
    Gear{163, GearOp::Set, 9, 20},
    Gear{164, GearOp::Add, -2, 30},
    Gear{165, GearOp::Add, -3, 40},
    Gear{kFafnirClaw, GearOp::Halve, 0, 100},
};
// The miss and evasion denominator of an attack.
constexpr std::array kGlasses{
    Gear{151, GearOp::Set, 11, 0},
    Gear{152, GearOp::Add, 2, 0},
    Gear{153, GearOp::Add, 3, 0},
    Gear{154, GearOp::Add, 5, 0},
};
constexpr std::array kStaves{
    Gear{143, GearOp::Add, 1, 10},
    Gear{144, GearOp::Add, 2, 20},
    Gear{145, GearOp::Add, 3, 30},
    Gear{146, GearOp::Add, 4, 40},
};
// The boost denominator of a spell: the modern grimoire doubles the boost rate.
constexpr std::array kGrimoire{Gear{kModernGrimoire, GearOp::Set, 5, 100}};
// The failure and resistance denominator of a spell.
constexpr std::array kEarrings{
    Gear{155, GearOp::Set, 11, 0},
    Gear{156, GearOp::Add, 2, 0},
    Gear{157, GearOp::Add, 3, 0},
    Gear{158, GearOp::Add, 5, 0},
};
constexpr std::array kThinkingAiBonus{Gear{kThinkingAi, GearOp::Add, 1, 50}};

struct WornSword {
  int32_t id;
  int32_t odds;
  std::string_view broken;
};
// Swords that wear out in a special move.
constexpr std::array kSpecialSwords{
    WornSword{62, 30, "【無銘日本刀】が壊れてしまった....!(残:"},
    WornSword{63, 60, "【妖刀吉光】が壊れてしまった....!(残:"},
    WornSword{64, 90, "【鬼切】が壊れてしまった....!(残:"},
};

// A status boost: a third more, plus one.
int32_t Boosted(int32_t d) { return Add32(d, d / 3 + 1); }

void HitEnemy(Game& g, int32_t d) {
  GameState& s = g.state;
  AddColorMessage(g, s.enemyName + "に " + Num(d) + "ダメージ", "pink2");
  s.enemyHp = Sub32(s.enemyHp, d);
  WaitForClick(g);
}

void FollowUp(Game& g, std::string_view prefix, int32_t& n) {
  GameState& s = g.state;
  n /= 2;
  AddColorMessage(g, std::string(prefix) + s.enemyName + "に " + Num(n) + "追加ダメージ", "pink2");
  s.enemyHp = Sub32(s.enemyHp, n);
  WaitForClick(g);
}

// The player's action is over: the enemy answers unless someone fell.
void ThenTheEnemy(Game& g) {
  if (CheckDeath(g) == 0) BattleTurn(g);
}

// Freezing rolls shared by the attack and the spell.
void FreezeRolls(Game& g, int32_t& d, std::string_view afraid, std::string_view paralysed) {
  const GameState& s = g.state;
  if (Random(g, 10) == 0 && s.cowardice >= 10) {
    AddMessage(g, afraid);
    d = 0;
  }
  if (Random(g, 3) == 0 && s.statusParalysis >= 10) {
    AddMessage(g, paralysed);
    d = 0;
  }
}

void AttackFollowUps(Game& g, int32_t d) {
  const GameState& s = g.state;
  int32_t n = d;
  if (s.statusExtra >= 1) FollowUp(g, "羊飼いの銃＞", n);
  if (Held(g, kNinjaSword) && Random(g, 5) == 0) {
    FollowUp(g, "忍び刀＞", n);
    Wear(g, kNinjaSword, 50);
  }
  if (Held(g, kDragonSword) && Random(g, 5) == 0) {
    FollowUp(g, "竜剣＞", n);
    Wear(g, kDragonSword, 100);
  }
  if (Held(g, kSlap)) {
    const int32_t hits = Random(g, 4);
    for (int32_t i = 0; i < hits; ++i) {
      FollowUp(g, "ビンタ＞", n);
      Wear(g, kSlap, 50);
    }
  }
}

void AttackDrains(Game& g) {
  GameState& s = g.state;
  if (Held(g, kShadowSword)) {
    s.enemyHp = Sub32(s.enemyHp, 1);
    s.hp = Add32(s.hp, 1);
    SayIn(g, "暗黒剣＞" + s.enemyName + "からHP " + "1" + "を吸収", "pink2");
    Wear(g, kShadowSword, 50);
  }
  if (Held(g, kCourageSword)) {
    s.hp = Add32(s.hp, 2);
    SayIn(g, std::string("勇気の剣＞HP ") + "2" + "回復", "pink2");
    Wear(g, kCourageSword, 50);
  }
}

}  // namespace

void ShowBattleMenu(Game& g) {
  const GameState& s = g.state;
  const bool full = s.tp >= 100;
  if (s.enemyDebater == 1)
    SetChoices(g, full ? "証明" : "問答", "理論武装", "逃亡");
  else
    SetChoices(g, full ? "必殺" : "攻撃", s.mp >= 1 ? "魔法" : "", "逃亡");
}

void PlayerAttack(Game& g) {
  GameState& s = g.state;
  AddMessage(g, "攻撃した!!");
  PlayWave(g, 1, "punch.wav");
  int32_t d = Add32(Add32(Random(g, 2), s.strength), Add32(s.strength / 5, s.attackSkill));
  if (s.statusAttackUp >= 1) d = Boosted(d);
  d = ApplyGear(g, d, kPolearms);
  d = std::max(Sub32(d, s.enemyDefence), 0);
  const int32_t k = ApplyGear(g, 10, kClaws);
  bool fired = false;
  if (Random(g, k) == 0) {
    AddMessage(g, "＞クリティカル");
    d = Add32(Mul32(d, 2), 1);
    fired = true;
  }
  const int32_t m = ApplyGear(g, 10, kGlasses);
  if (!fired && Random(g, m) == 0) {
    AddMessage(g, "＞Miss");
    d = 0;
    fired = true;
  }
  if (!fired && Random(g, m) == 0) {
    AddMessage(g, s.enemyName + "＞回避");
    d = 0;
    fired = true;
  }
  if (!fired) {
    if (Random(g, 10) == 0) {
      AddMessage(g, s.enemyName + "＞防御");
      d /= 2;
    }
    FreezeRolls(g, d, "あなたは脅えてしまって攻撃できなかった",
                "あなたは麻痺のせいで攻撃できなかった");
    // The ドルバン剣 wears the enemy's defence down on every clean attack.
    if (Held(g, kDolbanSword) && s.enemyDefence >= 1) {
      s.enemyDefence -= 1;
      AddMessage(g, s.enemyName + "の防御力を 1減少させた");
      Wear(g, kDolbanSword, 100);
    }
  }
  HitEnemy(g, d);
  AttackFollowUps(g, d);
  AttackDrains(g);
  ThenTheEnemy(g);
}

void PlayerSpecial(Game& g) {
  GameState& s = g.state;
  AddMessage(g, "必殺攻撃した!!");
  PlayWave(g, 2, "hissatu.wav");
  s.tp = 0;
  const int32_t r = Random(g, 2);
  const int32_t base = Add32(Add32(r, s.strength), s.wisdom);
  const int32_t d = std::max(Mul32(Add32(base, Random(g, s.attackSkill)), 2), 0);
  HitEnemy(g, d);
  for (const WornSword& sword : kSpecialSwords) {
    if (Random(g, sword.odds) == 0 && Held(g, sword.id)) {
      s.itemCount[sword.id] -= 1;
      PlayWave(g, 0, "broke.wav");
      SayIn(g, std::string(sword.broken) + Num(s.itemCount[sword.id]) + "個)", "red");
    }
  }
  ThenTheEnemy(g);
}

void PlayerMagic(Game& g) {
  GameState& s = g.state;
  AddMessage(g, "魔法を唱えた!!");
  s.mp = Sub32(s.mp, 1);
  PlayWave(g, 1, "magic.wav");
  const int32_t r = Random(g, 2);
  const int32_t b = Add32(Add32(r, s.wisdom), Random(g, s.magicSkill));
  int32_t d = s.statusMagicAttackUp >= 1 ? Boosted(b) : b;
  d = std::max(Sub32(d, s.enemySpirit), 0);
  d = ApplyGear(g, d, kStaves);
  const int32_t k = ApplyGear(g, 10, kGrimoire);
  bool fired = false;
  if (Random(g, k) == 0) {
    AddMessage(g, "＞ブースト");
    d = Add32(Mul32(d, 2), 1);
    fired = true;
  }
  const int32_t m = ApplyGear(g, 10, kEarrings);
  if (!fired && Random(g, m) == 0) {
    AddMessage(g, "＞詠唱失敗");
    d = 0;
    fired = true;
  }
  if (!fired && Random(g, m) == 0) {
    AddMessage(g, s.enemyName + "＞レジスト");
    d /= 2;
    fired = true;
  }
  if (!fired) {
    if (Random(g, m) == 0) {
      AddMessage(g, s.enemyName + "＞レジスト");
      d /= 4;
    }
    FreezeRolls(g, d, "あなたは脅えてしまって詠唱できなかった",
                "あなたは麻痺のせいで詠唱できなかった");
  }
  HitEnemy(g, d);
  ThenTheEnemy(g);
}

void PlayerDebate(Game& g) {
  GameState& s = g.state;
  AddMessage(g, "問答を投げかけた!!");
  PlayWave(g, 1, "mondou.wav");
  const int32_t r = Random(g, 2);
  int32_t d = Add32(Add32(r, s.strength / 5), Add32(s.wisdom, s.debateSkill));
  if (s.statusLogicAttack >= 1) d = Boosted(d);
  d = ApplyGear(g, d, kThinkingAiBonus);
  d = std::max(Sub32(d, s.enemySpirit), 0);
  bool fired = false;
  if (Random(g, 10) == 0) {
    AddMessage(g, "＞難問");
    d = Add32(Mul32(d, 2), 1);
    fired = true;
  }
  if (!fired && Random(g, 10) == 0) {
    AddMessage(g, "＞失題");
    d = 0;
    fired = true;
  }
  if (!fired && Random(g, 10) == 0) {
    AddMessage(g, s.enemyName + "＞反証");
    d /= 2;
    fired = true;
  }
  if (!fired) {
    if (Random(g, 10) == 0) {
      AddMessage(g, s.enemyName + "＞背理");
      d /= 4;
    }
    if (Random(g, 10) == 0 && s.cowardice >= 10) {
      AddMessage(g, "あなたは怖気づいて自分の論理を提唱しきれなかった");
      d = 0;
    }
  }
  HitEnemy(g, d);
  if (Random(g, 50) == 0) RaiseDebateSkill(g, 1);
  ThenTheEnemy(g);
}

void PlayerTheoryArmour(Game& g) {
  GameState& s = g.state;
  AddMessage(g, "あなたは理論武装で身を守った!!");
  PlayWave(g, 1, "baria.wav");
  int32_t n = Add32(Random(g, s.logicSkill), s.spirit / 2 + 1);
  if (s.statusTheoryArmour >= 1) n = Boosted(n);
  n = std::clamp(n, 0, 20);
  AddColorMessage(g, s.enemyName + "の知力と精神を " + Num(n) + "減少させた!!", "pink2");
  s.enemyWisdom = Sub32(s.enemyWisdom, n);
  s.enemySpirit = Sub32(s.enemySpirit, n);
  WaitForClick(g);
  if (Random(g, 100) == 0) RaiseLogicSkill(g, 1);
  ThenTheEnemy(g);
}

void PlayerProof(Game& g) {
  GameState& s = g.state;
  AddMessage(g, "証明した!!");
  PlayWave(g, 2, "rikai.wav");
  s.tp = 0;
  const int32_t r = Random(g, 2);
  const int32_t b = Add32(Add32(r, s.wisdom), Add32(s.debateSkill, s.logicSkill));
  int32_t d = Mul32(s.statusLogicAttack >= 1 ? Boosted(b) : b, 2);
  d = std::max(ApplyGear(g, d, kThinkingAiBonus), 0);
  HitEnemy(g, d);
  if (Random(g, 50) == 0) RaiseLogicSkill(g, 1);
  if (Random(g, 50) == 0) RaiseDebateSkill(g, 1);
  ThenTheEnemy(g);
}

void PlayerFlee(Game& g) {
  GameState& s = g.state;
  Say(g, "逃亡をはかった!!");
  if (Random(g, 2) != 0) {
    PlayWave(g, 1, "no.wav");
    Say(g, "逃亡失敗....");
    BattleTurn(g);
    return;
  }
  if (s.enemyName == "３番目に強いボス") ChangeCowardice(g, 5);
  if (s.enemyName == "２番目に強いボス") ChangeCowardice(g, 10);
  if (s.enemyName == "イレイサー") ChangeCowardice(g, 20);
  ShowPicture(g, "nigeru.bmp");
  s.enemyName.clear();
  s.enemyMaxHp = 0;
  s.enemyHp = 0;
  s.denFightCount = 0;
  PlayWave(g, 1, "nigeru.wav");
  Say(g, "逃亡成功!!");
  if (Random(g, 10) == 0) ChangeCowardice(g, 1);
  ShowCampMenu(g);
}

}  // namespace pp
