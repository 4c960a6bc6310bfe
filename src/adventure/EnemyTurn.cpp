#include <algorithm>
#include <array>
#include <string>

#include "adventure/Battle.h"
#include "adventure/BattleGear.h"
#include "adventure/Changes.h"
#include "adventure/Death.h"
#include "adventure/Say.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "ui/Messages.h"

namespace pp {

namespace {

constexpr int32_t kThoughtMaze = 71;
constexpr int32_t kFirewall = 72;
constexpr int32_t kThinkingAi = 73;
constexpr int32_t kHealingCharm = 206;
constexpr int32_t kEraserArm = 120;
constexpr int32_t kTimeCloak = 209;
constexpr int32_t kBitShield = 139;
constexpr int32_t kBitRobe = 140;
constexpr int32_t kThornCloak = 174;
constexpr int32_t kWitchCloak = 175;

constexpr std::array kDebateGuards{
    Gear{kFirewall, GearOp::Add, -2, 30},
    Gear{kThinkingAi, GearOp::Add, -1, 50},
};
constexpr std::array kShields{
    Gear{78, GearOp::Add, -1, 20}, Gear{79, GearOp::Add, -2, 30}, Gear{80, GearOp::Add, -3, 40},
    Gear{81, GearOp::Add, -4, 50}, Gear{82, GearOp::Add, -5, 60}, Gear{83, GearOp::Add, -6, 70},
};
// The evasion denominator against blows.
constexpr std::array kShoes{
    Gear{171, GearOp::Set, 9, 40},
    Gear{172, GearOp::Add, -2, 50},
    Gear{173, GearOp::Add, -3, 60},
    Gear{121, GearOp::Halve, 0, 100},
};
constexpr std::array kRobes{
    Gear{141, GearOp::Add, -2, 20}, Gear{84, GearOp::Add, -3, 30}, Gear{85, GearOp::Add, -4, 40},
    Gear{86, GearOp::Add, -5, 50},  Gear{87, GearOp::Add, -6, 60},
};
// The resistance denominator against spells.
constexpr std::array kAmulets{
    Gear{168, GearOp::Set, 9, 40},
    Gear{169, GearOp::Add, -2, 50},
    Gear{170, GearOp::Add, -3, 60},
};

struct Mantle {
  int32_t id;
  int32_t heal;
  int32_t odds;
  std::string_view prefix;
};
constexpr std::array kMantles{
    Mantle{147, 1, 10, "0と1のマント＞あなたのHPを "},
    Mantle{148, 2, 20, "トライアーのマント＞あなたのHPを "},
    Mantle{149, 3, 30, "アドベンジャーのマント＞あなたのHPを "},
};

int32_t Lowered(int32_t e) { return Sub32(e, e / 3 + 1); }

// The fighting spirit a blow leaves behind: TP grows, more with the three swords.
void GainTp(Game& g) {
  GameState& s = g.state;
  int32_t gain = Random(g, 4) + (Held(g, 62) ? 8 : 6);
  if (Held(g, 63)) gain += 4;
  if (Held(g, 64)) gain += 6;
  s.tp = Add32(s.tp, gain);
}

// How every blow to the player ends.
void TakeDamage(Game& g, int32_t e) {
  GameState& s = g.state;
  if (e > 0) s.hurtFlash = 8;
  AddColorMessage(g, "あなたは " + Num(e) + "ダメージ食らった", "red");
  s.hp = Sub32(s.hp, e);
}

int32_t EliteBonus(const GameState& s, int32_t e) {
  return s.enemyElite >= 1 ? Add32(e, s.maxHp / 10) : e;
}

// Reflects half the damage taken back at the enemy.
void Reflect(Game& g, int32_t id, std::string_view prefix, int32_t e) {
  GameState& s = g.state;
  if (!Held(g, id)) return;
  const int32_t n = e / 2;
  s.enemyHp = Sub32(s.enemyHp, n);
  AddColorMessage(g, std::string(prefix) + s.enemyName + "に " + Num(n) + "ダメージ跳ね返した!!",
                  "pink2");
  Wear(g, id, 100);
}

void Rebuttal(Game& g) {
  GameState& s = g.state;
  const int32_t l = s.worldLevel;
  AddMessage(g, s.enemyName + "の反論");
  PlayWave(g, 2, "hanron.wav");
  int32_t e = Add32(Add32(l, Random(g, l / 3 + 1)), s.enemyWisdom);
  e = Sub32(Sub32(e, s.spirit), s.logicSkill);
  e = ApplyGear(g, e, kDebateGuards);
  if (s.statusLogicDefence >= 1) e = Lowered(e);
  e = EliteBonus(s, std::max(e, 1));
  bool fired = false;
  if (Random(g, 10) == 0) {
    AddMessage(g, s.enemyName + "＞急所");
    e = Add32(Mul32(e, 2), 1);
    fired = true;
  }
  if (!fired && Random(g, 10) == 0) {
    AddMessage(g, s.enemyName + "＞Miss");
    e = 0;
    fired = true;
  }
  if (!fired && Random(g, 10) == 0) {
    AddMessage(g, "あなた＞回避");
    e = 0;
    fired = true;
  }
  if (!fired && Random(g, 10) == 0) {
    AddMessage(g, "あなた＞防御");
    e /= 2;
  }
  GainTp(g);
  TakeDamage(g, e);
}

void DebaterMove(Game& g) {
  GameState& s = g.state;
  const int32_t twice = Mul32(s.worldLevel, 2);
  if (s.enemyName == "坊") {
    AddMessage(g, s.enemyName + "は新理論を構築している");
    PlayWave(g, 2, "up.wav");
    s.enemyWisdom = Add32(s.enemyWisdom, twice);
    Say(g, s.enemyName + "の知恵が " + Num(twice) + "上昇!!");
  } else if (s.enemyName == "禅僧") {
    AddMessage(g, s.enemyName + "は論理の建て直しを計っている....!!");
    PlayWave(g, 2, "up.wav");
    s.enemySpirit = Add32(s.enemySpirit, twice);
    Say(g, s.enemyName + "の精神が " + Num(twice) + "上昇!!");
  } else if (s.enemyElite >= 1) {
    PlayWave(g, 0, "time_r.wav");
    s.daysLeft = Sub32(s.daysLeft, s.enemySpirit);
    SayIn(g, s.enemyName + "はあなたの主観時間を " + Num(s.enemySpirit) + "日進めてしまった!!",
          "red");
  } else {
    Say(g, s.enemyName + "は笑っている..");
  }
}

void EnemyDebate(Game& g) {
  GameState& s = g.state;
  const int32_t l = s.worldLevel;
  AddMessage(g, s.enemyName + "は問答をかけてきた!!");
  PlayWave(g, 2, "mondou2.wav");
  int32_t e = Add32(Add32(l, Random(g, l / 3 + 1)), s.enemyWisdom);
  e = Sub32(Sub32(e, s.debateSkill), s.spirit);
  if (Held(g, kThoughtMaze))
    Wear(g, kThoughtMaze, 20);
  else
    e = Add32(e, 1);
  e = ApplyGear(g, e, kDebateGuards);
  if (s.statusLogicDefence >= 1) e = Lowered(e);
  e = EliteBonus(s, std::max(e, 0));
  bool fired = false;
  if (Random(g, 10) == 0) {
    AddMessage(g, s.enemyName + "＞難問");
    e = Add32(Mul32(e, 2), 1);
    fired = true;
  }
  if (!fired && Random(g, 10) == 0) {
    AddMessage(g, s.enemyName + "＞失題");
    e = 0;
    fired = true;
  }
  if (!fired && Random(g, 10) == 0) {
    AddMessage(g, "あなた＞反証");
    e /= 2;
  }
  TakeDamage(g, e);
}

void EnemyBlow(Game& g) {
  GameState& s = g.state;
  const int32_t l = s.worldLevel;
  AddMessage(g, s.enemyName + "の攻撃");
  PlayWave(g, 2, "ken.wav");
  int32_t e = Add32(Add32(l, Random(g, l / 3 + 2)), s.enemyStrength);
  e = Sub32(Sub32(Sub32(e, s.spirit / 3), s.defenceSkill), s.strength / 2);
  if (Held(g, kBitShield))
    Wear(g, kBitShield, 10);
  else
    e = Add32(e, 1);
  e = ApplyGear(g, e, kShields);
  if (s.statusDefenceUp >= 1) e = Lowered(e);
  e = EliteBonus(s, std::max(e, 0));
  bool fired = false;
  if (Random(g, 10) == 0) {
    AddMessage(g, s.enemyName + "＞クリティカル");
    e = Add32(Mul32(e, 2), 1);
    fired = true;
  }
  if (!fired && Random(g, 10) == 0) {
    AddMessage(g, s.enemyName + "＞Miss");
    e = 0;
    fired = true;
  }
  const int32_t v = ApplyGear(g, 10, kShoes);
  if (!fired && Random(g, v) == 0) {
    AddMessage(g, "あなた＞回避");
    e = 0;
    fired = true;
  }
  if (!fired && Random(g, 10) == 0) {
    AddMessage(g, "あなた＞防御");
    e /= 2;
  }
  GainTp(g);
  TakeDamage(g, e);
  Reflect(g, kThornCloak, "いばらのマント＞", e);
}

void EnemySpell(Game& g) {
  GameState& s = g.state;
  const int32_t l = s.worldLevel;
  AddMessage(g, s.enemyName + "は魔法を放った!!");
  PlayWave(g, 2, "magic.wav");
  int32_t e = Add32(Random(g, l / 3 + 2), Add32(s.enemyWisdom, Mul32(l, 2)));
  e = Sub32(Sub32(e, s.spirit), s.magicDefenceSkill);
  if (Held(g, kBitRobe))
    Wear(g, kBitRobe, 10);
  else
    e = Add32(e, 1);
  e = ApplyGear(g, e, kRobes);
  if (s.statusMagicDefenceUp >= 1) e = Lowered(e);
  e = EliteBonus(s, std::max(e, 1));
  bool fired = false;
  if (Random(g, 10) == 0) {
    AddMessage(g, s.enemyName + "＞ブースト");
    e = Add32(Mul32(e, 2), 1);
    fired = true;
  }
  if (!fired && Random(g, 10) == 0) {
    AddMessage(g, s.enemyName + "＞詠唱失敗");
    e = 0;
    fired = true;
  }
  const int32_t r = ApplyGear(g, 10, kAmulets);
  if (!fired && Random(g, r) == 0) {
    AddMessage(g, "あなた＞レジスト");
    e /= 2;
  }
  GainTp(g);
  TakeDamage(g, e);
  Reflect(g, kWitchCloak, "魔女のマント＞", e);
}

// A spell of the witches; the charm of 魔夕未教 cancels it.
void WitchSpell(Game& g, std::string_view spell, bool great) {
  GameState& s = g.state;
  PlayWave(g, 2, "magic.wav");
  AddMessage(g, s.enemyName + (great ? "は真Ｍ法を唱えた" : "はＭ法を唱えた"));
  if (!Held(g, kHealingCharm)) {
    s.hp /= 2;
    if (great) {
      s.mp /= 2;
      s.hunger /= 2;
    }
    s.hurtFlash = 8;
    AddColorMessage(
        g,
        great ? "あなたはHP,MP,お腹が半分になってしまった!!" : "あなたはHPが半分になってしまった!!",
        "red");
  } else {
    // The charm may crumble first; its last use still cancels the spell.
    Wear(g, kHealingCharm, 50);
    AddMessage(g, "魔夕未教魔除けの札＞" + std::string(spell) + "を無効化した!!");
  }
  WaitForClick(g);
}

// The enemy heals or grows by `n`, announced as name + what + n + verb, then a wait.
void EnemyGrows(Game& g, std::string_view sound, std::string_view act, int32_t& value, int32_t n,
                std::string_view what, std::string_view verb) {
  GameState& s = g.state;
  PlayWave(g, 2, sound);
  AddMessage(g, s.enemyName + std::string(act));
  value = Add32(value, n);
  Say(g, s.enemyName + std::string(what) + Num(n) + std::string(verb));
}

void FierceBlow(Game& g, std::string_view act, int32_t e) {
  PlayWave(g, 2, "hissatu.wav");
  AddMessage(g, g.state.enemyName + std::string(act));
  TakeDamage(g, e);
}

void SpecialMove(Game& g) {
  GameState& s = g.state;
  const int32_t l = s.worldLevel;
  const std::string& name = s.enemyName;
  if (name == "エクストラエネミー") {
    int32_t e = Mul32(Add32(Add32(l, s.enemyStrength), 1), 2);
    e = Add32(e, s.maxHp / 20);
    e = Sub32(Sub32(Sub32(e, s.defenceSkill), s.strength / 2), s.spirit / 3);
    FierceBlow(g, "は必殺攻撃をしかけてきた!!", std::max(Add32(e, 1), 1));
  } else if (name == "イレイサー") {
    const int32_t r = Random(g, l / 3 + 2);
    int32_t e = Mul32(Add32(Add32(Add32(l, r), s.enemyStrength), 1), 2);
    e = Sub32(Sub32(Add32(e, s.maxHp / 8), s.spirit), s.strength / 2);
    FierceBlow(g, "は物凄い叫び声をあげた!!", std::max(e, 0));
  } else if (name == "ドラゴン") {
    PlayWave(g, 2, "fire.wav");
    AddMessage(g, name + "は火を噴いた!!");
    TakeDamage(g, Add32(Random(g, 10), s.maxHp / 10 + 11));
  } else if (name == "魔女") {
    WitchSpell(g, "Ｍ法", false);
  } else if (name == "フワフワ") {
    EnemyGrows(g, "kaifuku.wav", "は良き占いを唱えた....!!", s.enemyHp,
               Add32(Add32(Mul32(l, 2), s.enemySpirit), 2), "のHPが ", "回復");
  } else if (name == "商人") {
    EnemyGrows(g, "kaifuku.wav", "は薬草を使った....!!", s.enemyHp,
               Add32(Add32(s.enemySpirit, Mul32(l, 2)), 3), "のHPが ", "回復");
  } else if (name == "ヴォマクト王") {
    EnemyGrows(g, "up.wav", "は詠唱している....!!", s.enemyWisdom,
               Add32(Add32(s.enemySpirit, Mul32(l, 2)), 1), "の知恵が ", "上昇!!");
  } else if (name == "人食い箱") {
    EnemyGrows(g, "up.wav", "は気を練っている....!!", s.enemyStrength,
               Add32(Add32(s.enemySpirit, Mul32(l, 2)), 1), "の力が ", "上昇!!");
  } else if (name == "３番目に強いボス") {
    FierceBlow(g, "は爪で引っかいてきた!!", l);
  } else if (name == "２番目に強いボス") {
    FierceBlow(g, "は凶暴な牙で噛み付いてきた!!", Mul32(l, 2));
  } else if (name == "高級アルゴリズムスネイク") {
    PlayWave(g, 3, "kyuusyuu.wav");
    const int32_t n = s.maxHp / 8 + 1;
    s.enemyHp = Add32(s.enemyHp, n);
    s.hp = Sub32(s.hp, n);
    AddColorMessage(g, name + "はあなたのHP " + Num(n) + "を吸収した!!", "red");
  } else if (name == "超巨大な足") {
    PlayWave(g, 3, "don.wav");
    const int32_t n = s.maxHp / 8 + 1;
    s.hp = Sub32(s.hp, n);
    AddColorMessage(g, name + "はあなたを踏み潰した!! " + Num(n) + "ダメージ!!", "red");
  } else if (name == "スペシャルエネミー") {
    int32_t e = Mul32(Add32(Add32(l, 1), s.enemyStrength), 2);
    e = Sub32(Sub32(Sub32(e, s.defenceSkill), s.strength / 2), s.spirit / 3);
    e = Add32(Add32(e, s.maxHp / 20), 1);
    FierceBlow(g, "は超必殺攻撃をしかけてきた!!", e < 10 ? s.maxHp / 7 : e);
  } else if (name == "大魔女") {
    WitchSpell(g, "真Ｍ法", true);
  } else if (s.enemyElite >= 1 && s.statusPoison == 0) {
    PlayWave(g, 3, "awa.wav");
    s.statusPoison = 20;
    AddColorMessage(g, name + "はあなたの体に毒を注入させた!!", "red");
  } else if (s.enemyElite >= 1 && s.statusParalysis == 0) {
    PlayWave(g, 3, "bress.wav");
    s.statusParalysis = 20;
    AddColorMessage(g, name + "はあなたの体にしびれ毒を注入させた!!", "red");
  } else {
    Say(g, name + "は見守っている..");
  }
  for (const Mantle& m : kMantles) {
    if (!Held(g, m.id)) continue;
    s.hp = Add32(s.hp, m.heal);
    PlayWave(g, 2, "kaifuku.wav");
    SayIn(g, std::string(m.prefix) + Num(m.heal) + "回復", "aqua");
    Wear(g, m.id, m.odds);
  }
}

// The statues only drain or heal.
bool StatueTurn(Game& g) {
  GameState& s = g.state;
  const int32_t l = s.worldLevel;
  if (s.enemyName == "魔人像") {
    const int32_t n = Add32(l, 1);
    PlayWave(g, 2, "kyuusyuu.wav");
    ChangeHp(g, Wrap32(-int64_t{n}));
    s.enemyHp = Add32(s.enemyHp, n);
    SayIn(g, s.enemyName + "はあなたのHPを " + Num(n) + "吸収した!!", "red");
    return true;
  }
  if (s.enemyName == "女神像") {
    const int32_t n = Add32(Mul32(l, 2), 1);
    s.enemyHp = Add32(s.enemyHp, n);
    Say(g, s.enemyName + "はHPを " + Num(n) + "回復させた!!");
    return true;
  }
  return false;
}

}  // namespace

void BattleTurn(Game& g) {
  GameState& s = g.state;
  s.daysLeft = Sub32(s.daysLeft, 1);
  if (Held(g, kTimeCloak) && Random(g, 3) == 0) {
    s.daysLeft = Add32(s.daysLeft, 1);
    Wear(g, kTimeCloak, 100);
  }
  if (Held(g, kEraserArm) && Random(g, 2) == 0) {
    const int32_t n = Add32(Random(g, 5), s.worldLevel);
    s.enemyHp = Sub32(s.enemyHp, n);
    SayIn(g, "イレイサーズスクリーム＞" + s.enemyName + "に " + Num(n) + "ダメージ!!", "pink2");
    if (CheckDeath(g) != 0) return;
  }
  if (!StatueTurn(g)) {
    const int32_t a = Random(g, 3);
    if (s.enemyDebater == 1) {
      if (a == 0)
        Rebuttal(g);
      else if (a == 1)
        DebaterMove(g);
      else
        EnemyDebate(g);
    } else {
      if (a == 0)
        EnemyBlow(g);
      else if (a == 1)
        SpecialMove(g);
      else
        EnemySpell(g);
    }
  }
  if (CheckDeath(g) == 0) ShowBattleMenu(g);
}

}  // namespace pp
