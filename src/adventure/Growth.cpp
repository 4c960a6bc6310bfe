#include "adventure/Growth.h"

#include <string>

#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "items/Inventory.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

struct LearningAid {
  int32_t id;
  int32_t bonus;       // flat, however many are held
  int32_t breakOneIn;  // chance of breaking per gain
};

constexpr LearningAid kSoftware[] = {
    {97, 2, 50},    // 学習ソフトLV1
    {98, 4, 100},   // 学習ソフトLV2
    {99, 6, 150},   // 学習ソフトLV3
    {100, 8, 200},  // 学習ソフトLV4
};
constexpr int32_t kReadingFish = 105;  // 活字中毒魚: +2 for every fish held
constexpr int32_t kReadingFishBreakOneIn = 200;

void Announce(Game& g, const std::string& text, const char* colour) {
  AddColorMessage(g, text, colour);
  WaitForClick(g);
}

// The random stat gains of a new level; written directly, without the raise announcements.
void LevelUp(Game& g) {
  GameState& s = g.state;
  s.exp = 0;
  s.level = Add32(s.level, 1);
  PlayWave(g, 3, "lvup.wav");
  ShowPicture(g, "lvup.bmp");
  Announce(g, "レベルアップ!! → " + std::to_string(s.level), "yellow");

  const int32_t hpGain = Random(g, 4) + 4;
  s.maxHp = Add32(s.maxHp, hpGain);
  s.hp = s.maxHp;
  Announce(g, "最大HP が " + std::to_string(hpGain) + "上昇", "pink");

  const int32_t mpGain = Random(g, 4) + 1;
  s.maxMp = Add32(s.maxMp, mpGain);
  s.mp = s.maxMp;
  Announce(g, "最大MP が " + std::to_string(mpGain) + "上昇", "pink");

  if (Random(g, 3) == 0) {
    s.strength = Add32(s.strength, 1);
    Announce(g, "力が 1上昇", "pink");
  }
  if (Random(g, 3) == 0) {
    s.wisdom = Add32(s.wisdom, 1);
    Announce(g, "知恵が 1上昇", "pink");
  }
  if (Random(g, 3) == 0) {
    s.spirit = Add32(s.spirit, 1);
    Announce(g, "精神が 1上昇", "pink");
  }
}

}  // namespace

void GainExp(Game& g, int32_t amount) {
  GameState& s = g.state;
  for (const LearningAid& aid : kSoftware) {
    if (s.itemCount[aid.id] < 1) continue;
    amount = Saturate32(int64_t{amount} + aid.bonus);
    if (Random(g, aid.breakOneIn) == 0) BreakItem(g, aid.id);
  }
  if (s.itemCount[kReadingFish] >= 1) {
    amount = Saturate32(amount + 2 * int64_t{s.itemCount[kReadingFish]});
    if (Random(g, kReadingFishBreakOneIn) == 0) BreakItem(g, kReadingFish);
  }

  // Experience and money never wrap round; ClampState cuts them to their ranges.
  s.exp = Saturate32(int64_t{s.exp} + amount);
  PlayWave(g, 2, "exp.wav");
  Announce(g, "経験値 " + std::to_string(amount) + "を入手", "yellow2");

  if (int64_t{s.exp} >= int64_t{s.level} * 10 + 100) LevelUp(g);
}

void GainMoney(Game& g, int32_t amount) {
  g.state.money = Saturate32(int64_t{g.state.money} + amount);
  PlayWave(g, 0, "coin.wav");
  Announce(g, "お金 " + std::to_string(amount) + "円を入手", "yellow2");
}

}  // namespace pp
