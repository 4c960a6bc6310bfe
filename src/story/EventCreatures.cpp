// The shrines of the demon and the goddess, and the fluffies.

#include <string>

#include "adventure/Camp.h"
#include "adventure/Changes.h"
#include "adventure/Growth.h"
#include "adventure/Say.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "items/Inventory.h"
#include "story/EventScenes.h"
#include "story/EventSteps.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

// A blessing of the shrine: "bp.wav" and a pink line naming what rose by one.
void Blessing(Game& g, int32_t& value, std::string_view line) {
  PlayWave(g, 1, "bp.wav");
  value = Add32(value, 1);
  SayIn(g, line, "pink");
}

void AttackStatue(Game& g, std::string_view line, std::string_view name, int32_t dropItem,
                  int32_t GameState::*guard) {
  const int32_t wl = g.state.worldLevel;
  Say(g, line);
  GameState& s = SetUpEnemy(g, name, Add32(Random(g, 10), Add32(Mul32(wl, 5), 20)));
  s.*guard = Add32(Mul32(wl, 3), 2);
  s.enemyDropItem = dropItem;
  OpenBattle(g);
}

// One, two or all the fluffies: how many, and their texts.
struct Flock {
  int32_t count;
  int32_t expRange;        // capture experience Random(range) + range
  std::string_view waved;  // "あなたは…に手を振り返した...."
  std::string_view came;   // "…が近寄ってきた!!"
  std::string_view fled;   // the flight after a failed charm
};

constexpr Flock kOne{1, 5, "あなたはフワフワに手を振り返した....", "フワフワが近寄ってきた!!",
                     "フワフワは一目散に逃げていった...."};
constexpr Flock kTwo{2, 10, "あなたはフワフワ二匹に手を振り返した....",
                     "二匹のフワフワが近寄ってきた!!", "フワフワ二匹は一目散に逃げていった...."};
constexpr Flock kAll{10, 100, "あなたはフワフワ全員に手を振り返した....",
                     "全員のフワフワが近寄ってきた!!", "フワフワ全員は一目散に逃げていった...."};

// A test against wl × 2 − skill + 3: passes when Random(max(d, 1)) = 0.
bool FluffyTest(Game& g, int32_t skill) {
  const int32_t d = Add32(Sub32(Mul32(g.state.worldLevel, 2), skill), 3);
  return OneIn(g, d < 1 ? 1 : d);
}

void FluffiesFlee(Game& g, std::string_view text) {
  ShowPicture(g, "black.bmp");
  PlayWave(g, 2, "nigeru.wav");
  AddMessage(g, text);
}

void Capture(Game& g, const Flock& f) {
  if (FluffyTest(g, g.state.captureSkill)) {
    PlayWave(g, 0, "hokaku.wav");
    AddColorMessage(g, "フワフワ捕獲成功!!", "aqua");
    for (int32_t i = 0; i < f.count; ++i) GainItem(g, kFluffy);
    GainExp(g, Random(g, f.expRange) + f.expRange);
  } else {
    // However many there were, the one that is seen running is a single fluffy.
    FluffiesFlee(g, kOne.fled);
  }
  for (int32_t i = 0; i < f.count; ++i)
    if (OneIn(g, 2)) RaiseCaptureSkill(g, 1);
  ShowCampMenu(g);
}

void WaveBack(Game& g, const Flock& f) {
  const GameState& s = g.state;
  Say(g, f.waved);
  if (FluffyTest(g, s.charmSkill)) {
    Say(g, f.came);
    AddMessage(g, "お金をもらった....");
    for (int32_t i = 0; i < f.count; ++i) {
      const int32_t roll = Random(g, 2);
      GainMoney(
          g,
          Add32(Add32(Add32(roll, Mul32(s.charmSkill, 20)),
                      Add32(Mul32(s.itemCount[kFluffy], 20), Mul32(s.itemCount[kFluffyHeart], 50))),
                1));
    }
  } else {
    FluffiesFlee(g, f.fled);
  }
  for (int32_t i = 0; i < f.count; ++i)
    if (OneIn(g, 2)) RaiseCharmSkill(g, 1);
  ShowCampMenu(g);
}

// The fluffies attack: hit points Random(range) + wl × perLevel + base.
void KillFluffies(Game& g, std::string_view name, int32_t range, int32_t perLevel, int32_t base,
                  int32_t strengthPerLevel, int32_t defencePerLevel, int32_t count) {
  const int32_t wl = g.state.worldLevel;
  Say(g, std::string(name) + "は襲い掛かってきた!");
  GameState& s = SetUpEnemy(g, name, Add32(Random(g, range), Add32(Mul32(wl, perLevel), base)));
  s.enemyStrength = Add32(Mul32(wl, strengthPerLevel), 2);
  s.enemyDefence = Add32(Mul32(wl, defencePerLevel), 2);
  s.enemyDropItem = kFluffyHeart;
  if (count > 1) s.enemyDropCount = count;
  s.enemyExpFactor = count;
  OpenBattle(g);
}

}  // namespace

void ShrineScene(Game& g, std::string_view label) {
  GameState& s = g.state;
  if (label == "祈りを捧げる") {
    Say(g, "あなたは魔人様に祈りを捧げた....");
    Blessing(g, s.maxMp, "最大MPが 1上昇した!!");
  } else if (label == "魔人水を飲む") {
    Say(g, "あなたは魔人様の泉の水を口にふくんだ....");
    PlayWave(g, 1, "kaifuku.wav");
    s.mp = Add32(s.mp, 5);
    SayIn(g, "MPが 5回復した", "aqua");
  } else if (label == "魔人像を攻撃する") {
    return AttackStatue(g, "魔人像に襲い掛かった!", "魔人像", 16, &GameState::enemyDefence);
  } else if (label == "願いをかける") {
    Say(g, "あなたは女神様に願いをかけた....");
    Blessing(g, s.maxHp, "最大HPが 1上昇した!!");
  } else if (label == "女神水を飲む") {
    Say(g, "あなたは女神様の泉の水を口にふくんだ....");
    ChangeHp(g, Add32(Mul32(s.worldLevel, 2), 5));
  } else if (label == "女神像を攻撃する") {
    return AttackStatue(g, "女神像に襲い掛かった!", "女神像", 17, &GameState::enemySpirit);
  } else if (label == "土偶を供える") {
    s.itemCount[kClayFigure] -= 1;
    Say(g, "あなたはほこらに土偶を供えた....");
    Blessing(g, s.strength, "力が 1上昇した!!");
  } else if (label == "十字をきる") {
    Say(g, "あなたは胸に十字をきり祈った....");
    PlayWave(g, 1, "bp.wav");
    if (OneIn(g, 2)) {
      s.maxHp = Add32(s.maxHp, 1);
      SayIn(g, "最大HPが 1上昇した!!", "pink");
    } else {
      s.maxMp = Add32(s.maxMp, 1);
      SayIn(g, "最大MPが 1上昇した!!", "pink");
    }
  } else {
    return;
  }
  ShowCampMenu(g);
}

void FluffyScene(Game& g, std::string_view label) {
  if (label == "フワフワを捕獲") return Capture(g, kOne);
  if (label == "フワフワ二匹を捕獲") return Capture(g, kTwo);
  if (label == "フワフワ全員を捕獲") return Capture(g, kAll);
  if (label == "手を振り返す") return WaveBack(g, kOne);
  if (label == "二匹に手を振り返す") return WaveBack(g, kTwo);
  if (label == "全員に手を振り返す") return WaveBack(g, kAll);
  if (label == "フワフワを殺す") return KillFluffies(g, "フワフワ", 10, 6, 20, 2, 3, 1);
  if (label == "フワフワ二匹を殺す") return KillFluffies(g, "フワフワ二匹", 10, 12, 40, 2, 2, 2);
  if (label == "フワフワ全員を殺す") return KillFluffies(g, "フワフワ全員", 100, 60, 200, 2, 2, 10);
}

}  // namespace pp
