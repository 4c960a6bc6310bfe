#include "adventure/Death.h"

#include <array>
#include <span>
#include <string>

#include "adventure/Camp.h"
#include "adventure/Changes.h"
#include "adventure/Growth.h"
#include "adventure/Say.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/LoadSave.h"
#include "game/Sound.h"
#include "items/Inventory.h"
#include "ui/Choices.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

constexpr int32_t kSaintStatue = 48;
constexpr int32_t kExceptionClause = 190;
constexpr int32_t kDeformedAxionium = 200;

// The opening of every death, revived or not.
void Fall(Game& g) {
  ShowPicture(g, "die.bmp");
  PlayWave(g, 2, "gameover.wav");
  SayIn(g, "あなたは死んでしまった....", "red");
}

// Revives a fallen player with the saint's statue, or else the exception clause.
void Revive(Game& g) {
  GameState& s = g.state;
  if (s.itemCount[kSaintStatue] >= 1 && s.hp <= 0) {
    s.hp = 0;
    s.itemCount[kSaintStatue] -= 1;
    Fall(g);
    Say(g, "....なんと『聖ペテロ像』が輝きだした!!");
    PlayWave(g, 3, "sin.wav");
    s.hp = s.maxHp / 10 + 1;
    SayIn(g, "あなたは聖ペテロの力によって復活した!!", "aqua");
  }
  if (s.itemCount[kExceptionClause] >= 1 && s.hp <= 0) {
    s.itemCount[kExceptionClause] -= 1;
    Fall(g);
    Say(g, "....なんと『例外処理条件』が発動した!!");
    PlayWave(g, 3, "sin.wav");
    s.hp = s.maxHp / 10 + 1;
    s.daysLeft = Add32(s.daysLeft, 30);
    PlayWave(g, 1, "time.wav");
    SayIn(g, "あなたは例外処理条件によって復活し、30日の有余を得た!!", "aqua");
  }
}

// Victory money: the level's pay, multiplied for rich enemies, plus the treasures that attract
// coins (each may wear out).
int32_t VictoryMoney(Game& g) {
  GameState& s = g.state;
  int32_t c = Add32(Random(g, 10), Add32(Mul32(s.worldLevel, 10), 6));
  if (s.enemyMoneyFactor >= 1) c = Saturate32(int64_t{c} * (int64_t{s.enemyMoneyFactor} + 1));
  struct Attractor {
    int32_t id, perPiece, odds;
  };
  constexpr std::array kAttractors{Attractor{9, 10, 25}, Attractor{11, 5, 50},
                                   Attractor{111, 5, 50}};
  for (const Attractor& a : kAttractors) {
    if (s.itemCount[a.id] < 1) continue;
    c = Saturate32(int64_t{c} + int64_t{s.itemCount[a.id]} * a.perPiece);
    if (Random(g, a.odds) == 0) BreakItem(g, a.id);
  }
  return c;
}

// The pickaxe that opened a statue's fight is spent, if the player still carries one.
void SpendPickaxe(Game& g, int32_t id, std::string_view broken) {
  int32_t& count = g.state.itemCount[id];
  if (count < 1) return;
  count -= 1;
  SayIn(g, broken, "red");
}

constexpr std::array<std::string_view, 5> kDeepestEnd{
    "あなたはついに、誰も到達していない最深端に辿り着いた....",
    "ここから先に、地図はない",
    "境界の向こうにはまだ、名前のない界が続いている",
    "終わりだと思った場所は、新しい始まりにすぎなかった",
    "それこそが冒険!!!!ネバーエンディング!!!!",
};

void NamedTrophies(Game& g) {
  GameState& s = g.state;
  const std::string& name = s.enemyName;
  const int32_t l = s.worldLevel;
  if (name == "３番目に強いボス") {
    s.records[3] = 1;
    ChangeCowardice(g, -5);
    GainItem(g, 183);
  }
  if (name == "２番目に強いボス") {
    s.records[4] = 1;
    ChangeCowardice(g, -10);
    GainItem(g, 184);
  }
  if (name == "イレイサー") {
    ChangeCowardice(g, -20);
    GainItem(g, 182);
    for (std::string_view line : kDeepestEnd) SayIn(g, line, "blue");
    s.records[5] = 1;
  }
  if (name == "ドラゴン") {
    s.records[6] = 1;
    GainItem(g, 123);
  }
  if (name == "人食い箱") GainRandomItem(g, Add32(Mul32(l, 20), 20));
  if (name == "魔人像") SpendPickaxe(g, 14, "【魔人のつるはし】が壊れてしまった....");
  if (name == "女神像") SpendPickaxe(g, 15, "【女神のつるはし】が壊れてしまった....");
}

struct Body {
  std::string_view name;
  int32_t item;
};
constexpr std::array kBodies{
    Body{"アルゴリズムスネイク", 188},
    Body{"巨大な足", 189},
    Body{"エクストラエネミー", 190},
    Body{"坊", 191},
    Body{"AI", 192},
    Body{"魔女", 193},
    Body{"ヴォマクト王", 194},
    Body{"フワフワ", 195},
    Body{"黄金兵", 196},
    Body{"時間蝿", 197},
    Body{"３番目に強いボス", 198},
    Body{"２番目に強いボス", 198},
    Body{"イレイサー", 199},
    Body{"ドラゴン", 199},
};

void Capture(Game& g) {
  GameState& s = g.state;
  if (s.captureSkill < 1) return;
  const int32_t r = CaptureOdds(s.captureSkill);
  if (Random(g, r) != 0) return;
  PlayWave(g, 0, "hokaku.wav");
  AddColorMessage(g, s.enemyName + "の死体の捕獲に成功した!!", "blue2");
  bool matched = false;
  for (const Body& b : kBodies) {
    if (b.name != s.enemyName) continue;
    // The clause is only found while the player holds none.
    if (b.item == kExceptionClause && s.itemCount[kExceptionClause] >= 1) continue;
    GainItem(g, b.item);
    matched = true;
  }
  if (!matched) GainItem(g, kDeformedAxionium);
}

// After a den victory: more to fight (returns true) or the den cleared.
bool DenGoesOn(Game& g) {
  GameState& s = g.state;
  if (s.denFightCount < 1) return false;
  s.denFightCount += 1;
  const int32_t l = s.worldLevel;
  if (s.denFightCount < Add32(Random(g, 2), Add32(l, 3))) {
    AddMessage(g, "巣窟にはまだ魔物がうようよしている....");
    SetChoices(g, "", "巣窟の一掃は諦める", "巣窟の敵を倒す");
    return true;
  }
  s.denFightCount = 0;
  Say(g, "近辺の人々からあなたは感謝されました....");
  if (Random(g, 3) == 0) GainItem(g, 45);
  ChangeCowardice(g, -3);
  GainRandomItem(g, Add32(Mul32(l, 20), 20));
  GainRandomItem(g, Add32(Mul32(l, 50), 50));
  GainMoney(g, 50);
  return false;
}

void Victory(Game& g) {
  GameState& s = g.state;
  const int32_t l = s.worldLevel;
  s.enemyHp = 0;
  ShowPicture(g, "baku.bmp");
  PlayWave(g, 1, "enemy_out.wav");
  Say(g, s.enemyName + "を殺した!!");
  const int32_t c = VictoryMoney(g);
  // Money never wraps round; the frame's clamp cuts it to its range.
  s.money = Saturate32(int64_t{s.money} + c);
  SayIn(g, "お金 " + Num(c) + "円を入手", "yellow2");
  int32_t x = Add32(Random(g, 10), Add32(Mul32(l, 5), 10));
  if (s.enemyExpFactor >= 1) x = Saturate32(int64_t{x} * (int64_t{s.enemyExpFactor} + 1));
  GainExp(g, x);
  if (s.enemyDropItem != 0)
    GainItems(g, s.enemyDropItem, s.enemyDropCount == 0 ? 1 : s.enemyDropCount);
  if (Random(g, 3) == 0) GainRandomItem(g, Add32(Mul32(l, 10), 10));
  NamedTrophies(g);
  Capture(g);
  s.enemyName.clear();
  s.enemyDropItem = 0;
  s.enemySpirit = 0;
  s.enemyWisdom = 0;
  s.enemyStrength = 0;
  s.enemyDefence = 0;
  if (DenGoesOn(g)) return;
  ShowCampMenu(g);
}

constexpr std::array<std::string_view, 5> kFirstCry{
    "また死んだ....",
    "ねえ、何度死ねば気が済むの？",
    "死ぬたびに、あなたの記録だけが積み重なっていく",
    "それでもまた、旅立つつもりなんでしょう",
    "....いいよ、見ててあげる",
};
constexpr std::array<std::string_view, 5> kSecondCry{
    "....ほらね、言ったでしょ？",     "あなたはきっと、また死ぬって", "もう四十回目だよ....",
    "数えているのは、私だけなのかな", "それでも、また行くんだね",
};
constexpr std::array<std::string_view, 4> kThirdCry{
    "....また死んだけど、僕分かった!!",
    "死ぬことも、冒険のうちなんだね",
    "何度消えても、あなたはまた歩き出す",
    "だから僕も、ずっとここで待ってるよ",
};

void Cry(Game& g, std::string_view picture, std::span<const std::string_view> lines) {
  PlayWave(g, 3, "my.wav");
  ShowPicture(g, picture);
  for (std::string_view line : lines) SayIn(g, line, "blue");
}

void GameOver(Game& g) {
  GameState& s = g.state;
  s.hp = 0;
  s.mp = 0;
  s.tp = 0;
  s.hunger = 0;
  s.hpShown = 0;
  s.mpShown = 0;
  s.expShown = 0;
  s.hungerShown = 0;
  s.deathCount = Add32(s.deathCount, 1);
  Fall(g);
  SayIn(g,
        "記録 到達界:NLv " + Num(s.worldLevel) + LevelName(s, s.worldLevel) + " " +
            Num(s.auDistance) + "AU地点",
        "red");
  if (s.deathCount >= 20 && s.records[1] == 0) {
    s.records[1] = 1;
    Cry(g, "my.bmp", kFirstCry);
  }
  if (s.deathCount >= 40 && s.records[2] == 0) {
    s.records[2] = 1;
    Cry(g, "my2.bmp", kSecondCry);
  }
  if (s.deathCount >= 60 && s.records[9] == 0) {
    s.records[9] = 1;
    Cry(g, "my3.bmp", kThirdCry);
  }
  ShowPicture(g, "login.bmp");
  PlayWave(g, 1, "start2.wav");
  NewGame(g);
  s.titlePhase = 0;
  SetChoices(g, "", "", "旅立つ");
}

}  // namespace

int32_t CaptureOdds(int32_t captureSkill) {
  constexpr std::array<int32_t, 10> kOdds{0, 50, 30, 25, 20, 15, 10, 9, 8, 7};
  if (captureSkill >= 100000) return 50;
  if (captureSkill >= 10) return 6;
  return kOdds[static_cast<size_t>(captureSkill)];
}

int CheckDeath(Game& g) {
  GameState& s = g.state;
  Revive(g);
  if (s.hp > 0) {
    if (s.enemyHp > 0 || s.enemyName.empty()) return 0;
    Victory(g);
    return 2;
  }
  GameOver(g);
  return 1;
}

}  // namespace pp
