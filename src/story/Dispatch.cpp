#include "story/Dispatch.h"

#include <array>

#include "adventure/Battle.h"
#include "adventure/Camp.h"
#include "adventure/Step.h"
#include "game/Sound.h"
#include "story/Dispatch2Scenes.h"
#include "story/EventScenes.h"
#include "story/Opening.h"

namespace pp {

namespace {

using Handler = void (*)(Game&, std::string_view);

struct Route {
  std::string_view label;
  Handler handler;
};

// The camp's "冒険!!!!": footsteps, then one step.
void Adventure(Game& g, std::string_view) {
  PlayWave(g, 0, "walk.wav");
  AdventureStep(g);
}

template <void (*F)(Game&)>
void Plain(Game& g, std::string_view) {
  F(g);
}

// The first table, tried in this order.
constexpr std::array kFirstTable{
    Route{"Promortion", Plain<Promortion>},
    Route{"旅立つ", Plain<Depart>},
    Route{"力", CreationPick},
    Route{"知恵", CreationPick},
    Route{"精神", CreationPick},
    Route{"冒険の始まり", Plain<AdventureBegins>},
    Route{"冒険者です", AnswerWorld},
    Route{"冒険者ではない", AnswerWorld},
    Route{"冒険!!!!", Adventure},
    Route{"アイテム", Plain<OpenItemPanel>},
    Route{"修行 \\-50", Plain<Training>},
    Route{"地獄修行 \\-1000", Plain<HellTraining>},
    Route{"回復魔法", Plain<HealingSpell>},
    Route{"攻撃", Plain<PlayerAttack>},
    Route{"必殺", Plain<PlayerSpecial>},
    Route{"魔法", Plain<PlayerMagic>},
    Route{"問答", Plain<PlayerDebate>},
    Route{"理論武装", Plain<PlayerTheoryArmour>},
    Route{"証明", Plain<PlayerProof>},
    Route{"逃亡", Plain<PlayerFlee>},
    Route{"罠外しを使う", TrapScene},
    Route{"解除魔法", TrapScene},
    Route{"罠解除", TrapScene},
    Route{"罠外しを使うLv2", TrapScene},
    Route{"解除魔法Lv2", TrapScene},
    Route{"罠解除Lv2", TrapScene},
    Route{"罠外しを使うLv0", TrapScene},
    Route{"解除魔法Lv0", TrapScene},
    Route{"罠解除Lv0", TrapScene},
    Route{"開ける", ChestScene},
    Route{"放置する", ChestScene},
    Route{"鍵を使う", ChestScene},
    Route{"こじあける", ChestScene},
    Route{"鍵を使うLv2", ChestScene},
    Route{"こじあけるLv2", ChestScene},
    Route{"祈りを捧げる", ShrineScene},
    Route{"魔人水を飲む", ShrineScene},
    Route{"魔人像を攻撃する", ShrineScene},
    Route{"願いをかける", ShrineScene},
    Route{"女神水を飲む", ShrineScene},
    Route{"女神像を攻撃する", ShrineScene},
    Route{"土偶を供える", ShrineScene},
    Route{"十字をきる", ShrineScene},
    Route{"フワフワを捕獲", FluffyScene},
    Route{"手を振り返す", FluffyScene},
    Route{"フワフワを殺す", FluffyScene},
    Route{"フワフワ二匹を捕獲", FluffyScene},
    Route{"二匹に手を振り返す", FluffyScene},
    Route{"フワフワ二匹を殺す", FluffyScene},
    Route{"フワフワ全員を捕獲", FluffyScene},
    Route{"全員に手を振り返す", FluffyScene},
    Route{"フワフワ全員を殺す", FluffyScene},
    Route{"ヴォマクト王を殺す", CastleScene},
    Route{"ヴォマクト王に挨拶", CastleScene},
    Route{"ヴォマクト城を拝む", CastleScene},
    Route{"ヴォマクト城侵入", CastleScene},
    Route{"城内に忍び込む", CastleScene},
    Route{"城壁に触れる", CastleScene},
    Route{"迷宮に挑戦する", MazeScene},
    Route{"迷宮に挑戦しない", MazeScene},
    Route{"勘に頼るin迷宮", MazeScene},
    Route{"ダウジングin迷宮", MazeScene},
    Route{"探索in迷宮", MazeScene},
    Route{"踏破に挑戦する", MountainScene},
    Route{"霊山を見上げる", MountainScene},
    Route{"よじ登るin霊山", MountainScene},
    Route{"浮遊魔法in霊山", MountainScene},
    Route{"キャンプin霊山-\\100", MountainScene},
    Route{"洞門を探検する", CaveScene},
    Route{"洞門を通り過ぎる", CaveScene},
    Route{"他の道を行くin洞門", CaveScene},
    Route{"ダウジングin洞門", CaveScene},
    Route{"岩壁を砕くin洞門", CaveScene},
    Route{"沼の中を突き進む", SwampScene},
    Route{"沼を迂回する", SwampScene},
    Route{"沼の水を飲む", SwampScene},
    Route{"拾い食いを冒険", SwampScene},
    Route{"見なかった事に…", SwampScene},
    Route{"巣窟を一掃する", DenScene},
    Route{"巣窟の敵を倒す", DenScene},
    Route{"巣窟の一掃は諦める", DenScene},
    Route{"買うfrom商人", MerchantScene},
    Route{"奪うfrom商人", MerchantScene},
    Route{"買わないfrom商人", MerchantScene},
    Route{"スコップで掘る", DigScene},
    Route{"手で掘る", DigScene},
    Route{"クリスタルを割る", DigScene},
    Route{"飛び越える", ChasmScene},
    Route{"落ちる", ChasmScene},
    Route{"理解", TheoryScene},
    Route{"反論", TheoryScene},
    Route{"穴に石を入れる", StoneWallScene},
    Route{"冒険する→下着", UnderwearScene},
};

// The second table, tried in this order.
constexpr std::array kSecondTable{
    Route{"釣りin池", FishingScene},
    Route{"いじる", MachineScene},
    Route{"電子キーを使う", MachineScene},
    Route{"試行錯誤する", MachineScene},
    Route{"鍵を使う→扉", DoorScene},
    Route{"こじあける→扉", DoorScene},
    Route{"蹴破る→扉", DoorScene},
    Route{"電子キーを使う→扉", DoorScene},
    Route{"試行錯誤する→扉", DoorScene},
    Route{"破壊する→扉", DoorScene},
    Route{"開ける→青宝箱", BlueChestScene},
    Route{"暗黒森林を探検!!", ForestScene},
    Route{"暗黒森林を回避..", ForestScene},
    Route{"勘に頼るin森林", ForestScene},
    Route{"ダウジングin森林", ForestScene},
    Route{"探索in森林", ForestScene},
    Route{"右", NorthernerScene},
    Route{"左", NorthernerScene},
    Route{"お金", WishScene},
    Route{"スキル", WishScene},
    Route{"精神を強化", WishScene},
    Route{"確認する", CreatureScene},
    Route{"鍵を使う→青宝箱", BlueChestScene},
    Route{"こじあける→青宝箱", BlueChestScene},
    Route{"ブロック解除", BlockReleaseScene},
};

template <size_t N>
bool RunFirstMatch(Game& g, const std::array<Route, N>& table, std::string_view label) {
  for (const auto& r : table) {
    if (r.label == label) {
      r.handler(g, label);
      return true;
    }
  }
  return false;
}

}  // namespace

void DispatchChoice(Game& g, std::string_view label) {
  if (!RunFirstMatch(g, kFirstTable, label)) DispatchChoice2(g, label);
}

void DispatchChoice2(Game& g, std::string_view label) { RunFirstMatch(g, kSecondTable, label); }

}  // namespace pp
