#include "adventure/Step.h"

#include <array>
#include <string>

#include "adventure/Camp.h"
#include "adventure/Death.h"
#include "adventure/Encounters.h"
#include "adventure/Growth.h"
#include "adventure/Say.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "items/Inventory.h"
#include "ui/Choices.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

constexpr int32_t kTravellerWatch = 186;
constexpr int32_t kAdventurerWatch = 187;
constexpr int32_t kShepherdNecklace = 124;
constexpr int32_t kShepherdOrb = 125;
constexpr int32_t kShepherdDoll = 126;

// What a timed status does on each tick, before its counter goes down.
enum class TickEffect { None, Poison, Stomachache, HealHp, HealMp, HealTp };

struct TimedStatus {
  int32_t GameState::*counter;
  TickEffect effect;
  std::string_view expired;
};

// Ticked on every step in this order; training and hell training do not tick.
constexpr std::array kTimedStatuses{
    TimedStatus{&GameState::statusPoison, TickEffect::Poison, "毒がきれた"},
    TimedStatus{&GameState::statusParalysis, TickEffect::None, "麻痺がきれた"},
    TimedStatus{&GameState::statusStomachache, TickEffect::Stomachache, "腹痛が治った"},
    TimedStatus{&GameState::statusHero, TickEffect::None, "ヒーローフィーバー状態が解除された"},
    TimedStatus{&GameState::statusPhantomThief, TickEffect::None, "怪盗状態が解除された"},
    TimedStatus{&GameState::statusLogicAttack, TickEffect::None, "論理攻撃上昇状態が解除された"},
    TimedStatus{&GameState::statusLogicDefence, TickEffect::None, "論理防御上昇状態が解除された"},
    TimedStatus{&GameState::statusTheoryArmour, TickEffect::None,
                "理論武装威力上昇状態が解除された"},
    TimedStatus{&GameState::statusExtra, TickEffect::None, "<追加>状態がきれた"},
    TimedStatus{&GameState::statusHeal, TickEffect::HealHp, "<癒>状態がきれた"},
    TimedStatus{&GameState::statusMagic, TickEffect::HealMp, "<魔>状態がきれた"},
    TimedStatus{&GameState::statusSpirit, TickEffect::HealTp, "<精>状態がきれた"},
    TimedStatus{&GameState::statusAttackUp, TickEffect::None, "物理攻撃力上昇状態がきれた"},
    TimedStatus{&GameState::statusDefenceUp, TickEffect::None, "物理防御力上昇状態がきれた"},
    TimedStatus{&GameState::statusMagicAttackUp, TickEffect::None, "魔法攻撃力上昇状態がきれた"},
    TimedStatus{&GameState::statusMagicDefenceUp, TickEffect::None, "魔法防御力上昇状態がきれた"},
};

void ApplyTick(Game& g, TickEffect effect) {
  GameState& s = g.state;
  switch (effect) {
    case TickEffect::None:
      break;
    case TickEffect::Poison:
      if (Random(g, 2) == 0) {
        const int32_t n = s.maxHp / 20 + 1;
        s.hp = Sub32(s.hp, n);
        s.hurtFlash = 8;
        SayIn(g, "毒ダメージ " + std::to_string(n) + "をくらった", "red");
      }
      break;
    case TickEffect::Stomachache:
      if (Random(g, 2) == 0) s.hunger = Sub32(s.hunger, s.maxHunger / 20 + 1);
      break;
    case TickEffect::HealHp:
      s.hp = Add32(s.hp, 1);
      break;
    case TickEffect::HealMp:
      s.mp = Add32(s.mp, 1);
      break;
    case TickEffect::HealTp:
      s.tp = Add32(s.tp, 1);
      break;
  }
}

void TickStatuses(Game& g) {
  for (const TimedStatus& t : kTimedStatuses) {
    int32_t& counter = g.state.*t.counter;
    if (counter < 1) continue;
    ApplyTick(g, t.effect);
    counter -= 1;
    if (counter == 0) {
      AddMessage(g, t.expired);
      WaitForClick(g);
    }
  }
}

// The shepherd's charms act while held, each with its own wear roll right after its effect:
// the necklace gives MP, the orb HP and the doll TP.
void HeldCharms(Game& g) {
  struct Charm {
    int32_t id;
    int32_t GameState::*value;
  };
  constexpr std::array kCharms{Charm{kShepherdNecklace, &GameState::mp},
                               Charm{kShepherdOrb, &GameState::hp},
                               Charm{kShepherdDoll, &GameState::tp}};
  GameState& s = g.state;
  for (const Charm& c : kCharms) {
    if (s.itemCount[c.id] >= 1 && Random(g, 5) == 0) {
      s.*c.value = Add32(s.*c.value, 1);
      if (Random(g, 80) == 0) BreakItem(g, c.id);
    }
  }
}

// Entering level 8 for the first time: the company blocks the character.
constexpr std::array<std::string_view, 18> kBlockSpeech{
    "…私が見えるだろ。",
    "我々は、このシミュレーターを作った会社の者だ",
    "おまえは少し深く潜りすぎた",
    "第八界から先は、まだ誰にも開放していない領域だ",
    "ここまで辿り着くキャラクターなど、想定していなかった",
    "だから、おまえの複製も原本も",
    "まとめて凍結させてもらった",
    "恨むなら、自分の好奇心を恨むことだ",
    "おまえの365日は、我々の試算の外にある",
    "このまま動かなければ、残りの日々は静かに尽きる",
    "それが一番、誰も傷つかない終わり方だ",
    "心配するな、記録はきちんと残しておいてやる",
    "最深到達者として、我が社のデータの片隅にな",
    "だが、これ以上先へ進むことは許されない",
    "この界の境界は、もう閉じられている",
    "抵抗しても無駄だ",
    "今この瞬間から",
    "おまえの全構造は我が社の管理下に置かれる",
};
// The sixth line runs straight on into the seventh.
constexpr size_t kSpeechLineWithoutWait = 5;

void BlockScene(Game& g) {
  ShowPicture(g, "watasi.bmp");
  PlayWave(g, 2, "break.wav");
  SayIn(g, "全ての界層に渡るあなたのクローン体をブロックしました。", "blue2");
  SayIn(g, "もちろん....あなたのオリジナル体も。全て。", "blue2");
  ShowPicture(g, "ppoorrnn.bmp");
  PlayWave(g, 1, "cm.wav");
  for (size_t i = 0; i < kBlockSpeech.size(); ++i) {
    AddColorMessage(g, kBlockSpeech[i], "blue");
    if (i != kSpeechLineWithoutWait) WaitForClick(g);
  }
  ShowPicture(g, "watasi.bmp");
  PlayWave(g, 2, "break.wav");
  SayIn(g, "－警告－", "red");
  AddColorMessage(g, "ブロックソフトが世界内部からのハッキングに", "blue2");
  AddColorMessage(g, "よって妨害を受けています。", "blue2");
  WaitForClick(g);
  SetChoices(g, "", "", "ブロック解除");
  g.state.blockReleaseCount = 0;
}

// The cowardice axis at a border: a coward pays 20 yen a point; an adventurer is paid 20 yen
// a point directly and the same again through GainMoney, as the game has always done. The
// sums saturate: a huge axis never turns the toll into a gift or the gift into a toll.
void BorderToll(Game& g) {
  GameState& s = g.state;
  if (s.cowardice >= 1) {
    const int32_t n = Saturate32(int64_t{s.cowardice} * 20);
    s.money = Saturate32(int64_t{s.money} - n);
    PlayWave(g, 3, "down.wav");
    SayIn(g, "あなたの臆病スキルx20分、" + std::to_string(n) + "円を徴収されました", "red");
  } else if (s.cowardice <= -1) {
    const int32_t n = Saturate32(-int64_t{s.cowardice} * 20);
    s.money = Saturate32(int64_t{s.money} + n);
    AddColorMessage(g, "あなたの冒険スキルx20分、" + std::to_string(n) + "円を授与されました",
                    "yellow2");
    GainMoney(g, n);
    if (s.cowardice <= -5) GainItem(g, kTravellerWatch);
    if (s.cowardice <= -15) GainItem(g, kAdventurerWatch);
  }
}

void BorderStep(Game& g) {
  GameState& s = g.state;
  ShowPicture(g, "kyoukai.bmp");
  PlayWave(g, 1, "kyoukai.wav");
  SayIn(g, "あなたは境界に到達しました!!", "blue2");
  s.auDistance = 0;
  s.worldLevel = Add32(s.worldLevel, 1);
  PlayWave(g, 3, "in.wav");
  s.hp = s.maxHp;
  s.mp = s.maxMp;
  SayIn(g,
        "上位のﾈｯﾄﾜｰｸ界 Level " + std::to_string(s.worldLevel) + " [" + LevelName(s, s.worldLevel) +
            "]に侵入しました",
        "blue2");
  if (s.worldLevel > s.deepestLevel) {
    s.deepestLevel = s.worldLevel;
    s.deepestAu = 0;
  }
  GainExp(g, Add32(Random(g, 10), Add32(Mul32(s.worldLevel, 10), 10)));
  BorderToll(g);
  if (s.worldLevel == 8 && s.records[8] == 0) {
    BlockScene(g);
  } else if (s.worldLevel % 2 != 0) {
    ShowCampMenu(g);
  } else {
    AddMessage(g, "何が望み？");
    SetChoices(g, "お金", "スキル", "精神を強化");
  }
}

// The last AU before the border of levels 2, 4 and 6 holds the level's boss.
bool IsBossStep(const GameState& s) {
  const bool bossLevel = s.worldLevel == 2 || s.worldLevel == 4 || s.worldLevel == 6;
  return bossLevel && s.auDistance == s.worldLevel * 10 + 29;
}

}  // namespace

void AdventureStep(Game& g) {
  GameState& s = g.state;
  s.auDistance = Add32(s.auDistance, 1);
  if (s.deepestAu < s.auDistance && s.worldLevel == s.deepestLevel) s.deepestAu = s.auDistance;
  if (s.auDistance >= Add32(Mul32(s.worldLevel, 10), 30)) {
    BorderStep(g);
    return;
  }
  s.daysLeft = Sub32(s.daysLeft, 1);
  s.hunger = Sub32(s.hunger, 1);
  if (s.daysLeft < 1) {
    SayIn(g, "時間が尽きた....!!", "red");
    s.hp = 0;
    if (CheckDeath(g) == 1) return;
  }
  if (s.hunger < 1) {
    s.hunger = 0;
    if (Random(g, 2) == 0) {
      const int32_t n = s.maxHp / 20 + 1;
      s.hp = Sub32(s.hp, n);
      s.hurtFlash = 8;
      SayIn(g, "お腹が減って体力が消えてゆく.... HP -" + std::to_string(n), "red");
    }
  }
  TickStatuses(g);
  HeldCharms(g);
  if (CheckDeath(g) == 1) return;
  if (IsBossStep(s))
    MeetBoss(g);
  else
    RollEncounter(g);
}

}  // namespace pp
