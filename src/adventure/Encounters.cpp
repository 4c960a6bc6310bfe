#include "adventure/Encounters.h"

#include <string>

#include "adventure/Camp.h"
#include "adventure/Changes.h"
#include "adventure/Growth.h"
#include "adventure/Say.h"
#include "adventure/Step.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "ui/Choices.h"
#include "ui/Messages.h"
#include "ui/Picture.h"

namespace pp {

namespace {

constexpr int32_t kTrapTool = 1;
constexpr int32_t kKey = 2;
constexpr int32_t kStone = 3;
constexpr int32_t kClayFigure = 6;
constexpr int32_t kDemonPickaxe = 14;
constexpr int32_t kGoddessPickaxe = 15;
constexpr int32_t kShovel = 54;
constexpr int32_t kFishingRod = 101;
constexpr int32_t kBait = 102;
constexpr int32_t kElectronicKey = 116;

bool Held(const Game& g, int32_t id) { return g.state.itemCount[id] >= 1; }

// `label` when `offered`, else no button.
std::string_view If(bool offered, std::string_view label) { return offered ? label : ""; }

void Show(Game& g, std::string_view picture, std::string_view text) {
  ShowPicture(g, picture);
  AddMessage(g, text);
}

void ShowAndWait(Game& g, std::string_view picture, std::string_view text) {
  Show(g, picture, text);
  WaitForClick(g);
}

void Trap(Game& g) {
  Show(g, "wana.bmp", "罠だ！！");
  SetChoices(g, If(Held(g, kTrapTool), "罠外しを使う"), If(g.state.mp >= 2, "解除魔法"), "罠解除");
}

void Chest(Game& g) {
  Show(g, "takara_0.bmp", "宝箱だ！！");
  SetChoices(g, "", "開ける", "放置する");
}

void LockedChest(Game& g) {
  Show(g, "takara_0.bmp", "宝箱だ....しかし鍵がかかっていて開かない");
  SetChoices(g, If(Held(g, kKey), "鍵を使う"), "こじあける", "放置する");
}

void DemonSpring(Game& g) {
  Show(g, "majin.bmp", "魔人様の泉だ!!");
  const std::string_view first = If(Held(g, kDemonPickaxe), "魔人像を攻撃する");
  const std::string_view second = If(Random(g, 3) == 0, "祈りを捧げる");
  SetChoices(g, first, second, "魔人水を飲む");
}

void GoddessSpring(Game& g) {
  Show(g, "megami.bmp", "女神様の泉だ!!");
  const std::string_view first = If(Held(g, kGoddessPickaxe), "女神像を攻撃する");
  const std::string_view second = If(Random(g, 3) == 0, "願いをかける");
  SetChoices(g, first, second, "女神水を飲む");
}

void Nightfall(Game& g) {
  PlayWave(g, 3, "hi.wav");
  ShowAndWait(g, "hi.bmp", "日が暮れた....");
  ChangeHp(g, g.state.maxHp / 10 + 1);
  ShowCampMenu(g);
}

void Shrine(Game& g) {
  PlayWave(g, 2, "hakken.wav");
  Show(g, "hokora.bmp", "しんぴのほこらだ!!");
  SetChoices(g, "", If(Held(g, kClayFigure), "土偶を供える"), "十字をきる");
}

void Fluffies(Game& g) {
  const int32_t j = Random(g, 20);
  if (j <= 15) {
    Show(g, "fuwa.bmp", "フワフワがいた!!");
    AddMessage(g, "フワフワは手をふっている....");
    SetChoices(g, "フワフワを殺す", "フワフワを捕獲", "手を振り返す");
  } else if (j <= 17) {
    Show(g, "fuwa2.bmp", "うわっ、フワフワが２匹もいる!!");
    AddMessage(g, "フワフワは二匹とも同時に手をふっている....");
    SetChoices(g, "フワフワ二匹を殺す", "フワフワ二匹を捕獲", "二匹に手を振り返す");
  } else if (j == 18) {
    Show(g, "fuwa3.bmp", "なんだこりゃー！！！フワフワがむちゃくちゃいる!!");
    AddMessage(g, "物凄い数のフワフワが同時に手をふっている....");
    SetChoices(g, "フワフワ全員を殺す", "フワフワ全員を捕獲", "全員に手を振り返す");
  } else {
    ShowCampMenu(g);
  }
}

void SevereTrap(Game& g) {
  Show(g, "wana2.bmp", "凶暴な罠だ！！");
  SetChoices(g, If(Held(g, kTrapTool), "罠外しを使うLv2"), If(g.state.mp >= 4, "解除魔法Lv2"),
             "罠解除Lv2");
}

void SmallTrap(Game& g) {
  Show(g, "wana0.bmp", "小さな罠だ！！");
  SetChoices(g, If(Held(g, kTrapTool), "罠外しを使うLv0"), If(g.state.mp >= 1, "解除魔法Lv0"),
             "罠解除Lv0");
}

void ManyLockedChest(Game& g) {
  Show(g, "takara_0.bmp", "宝箱だ....鍵もかかっているし、手ごわそうだ!!");
  g.state.lockedChestTries = 0;
  SetChoices(g, If(Held(g, kKey), "鍵を使うLv2"), "こじあけるLv2", "放置する");
}

void Monks(Game& g) {
  if (Random(g, 15) != 0) {
    ShowAndWait(g, "sou.bmp", "修行僧だ....!!");
    SayIn(g, "修行しなさい....", "blue");
    g.state.statusTraining = 1;
    AddMessage(g, "あなた修行の法に束縛されてしまった");
  } else {
    ShowAndWait(g, "sou.bmp", "厳しい修行僧だ....!!");
    SayIn(g, "むむ....!!", "blue");
    SayIn(g, "修行が足らん!!!!....", "blue");
    g.state.statusHellTraining = 1;
    AddMessage(g, "あなたとても厳しい修行の法に束縛されてしまった");
  }
  WaitForClick(g);
  ShowCampMenu(g);
}

void Shop(Game& g) {
  const bool secret = Random(g, 15) == 0;
  if (secret)
    ShowAndWait(g, "SHOP2.bmp", "こ、これは秘密SHOPだ....!!");
  else
    ShowAndWait(g, "SHOP.bmp", "SHOPだ....!!");
  OpenShopPanel(g, secret);
}

void NewTheory(Game& g) {
  const GameState& s = g.state;
  Show(g, "riron.bmp", "新理論だ!!");
  const int32_t l = s.worldLevel;
  const bool understood = Add32(Random(g, Add32(l, 1)), s.logicSkill) >= Add32(Mul32(l, 2), 2);
  SetChoices(g, "", understood ? "理解" : "反論", "見なかった事に…");
}

void Gold(Game& g) {
  const int32_t j = Random(g, 30);
  if (j <= 25) {
    ShowAndWait(g, "gold.bmp", "砂金だ!!");
    GainMoney(g, 500 + Random(g, 100));
  } else if (j <= 28) {
    ShowAndWait(g, "apple1.bmp", "エメラルドだ!!");
    GainMoney(g, 2000 + Random(g, 100));
  } else {
    ShowAndWait(g, "apple2.bmp", "ゴールデンアップルだ!!");
    GainMoney(g, 5000 + Random(g, 100));
  }
  ShowCampMenu(g);
}

// Offers the pair (second, third) after a picture and a line, with no first button.
void Place(Game& g, std::string_view picture, std::string_view text, bool wait,
           std::string_view second, std::string_view third) {
  Show(g, picture, text);
  if (wait) WaitForClick(g);
  SetChoices(g, "", second, third);
}

}  // namespace

void RollEncounter(Game& g) {
  const GameState& s = g.state;
  const int32_t l = s.worldLevel;
  switch (Random(g, 51)) {
    case 0:
      return MeetRandomMonster(g);
    case 1:
      return NothingHappened(g);
    case 2:
      return Trap(g);
    case 3:
    case 40:
      return Chest(g);
    case 4:
      return LockedChest(g);
    case 5:
      return DemonSpring(g);
    case 6:
      return GoddessSpring(g);
    case 7:
      return Nightfall(g);
    case 8:
      return Place(g, "vo.bmp", "夢のヴォマクト城だ!!", true, "ヴォマクト城侵入",
                   "ヴォマクト城を拝む");
    case 9:
      return MeetWitch(g);
    case 10:
      return Shrine(g);
    case 11:
      return Fluffies(g);
    case 12:
      return Place(g, "vo2.bmp", "ヴォマクト王が現れた!!", false, "ヴォマクト王を殺す",
                   "ヴォマクト王に挨拶");
    case 13:
      return Place(g, "toki.bmp", "幻の時間城だ!!", false, "城内に忍び込む", "城壁に触れる");
    case 14:
      return l >= 3 ? SevereTrap(g) : NothingHappened(g);
    case 15:
      return SmallTrap(g);
    case 16:
      if (l < 4) return NothingHappened(g);
      return Place(g, "meiro.bmp", "巨大空中迷宮だ!!", true, "迷宮に挑戦する", "迷宮に挑戦しない");
    case 17:
      if (l < 5) return NothingHappened(g);
      return Place(g, "yama.bmp", "霊山ラストクロックだ!!", true, "踏破に挑戦する",
                   "霊山を見上げる");
    case 18:
      return MeetSomeone(g);
    case 19:
      if (l < 6) return NothingHappened(g);
      return Place(g, "danjon.bmp", "冷酷の洞門だ!!", true, "洞門を探検する", "洞門を通り過ぎる");
    case 20:
      if (l < 3) return NothingHappened(g);
      ShowAndWait(g, "numa.bmp", "底なし沼だ!!");
      return SetChoices(g, "沼の水を飲む", "沼の中を突き進む", "沼を迂回する");
    case 21:
      return l >= 4 ? ManyLockedChest(g) : NothingHappened(g);
    case 22:
      return Place(g, "pan.bmp", "パンが落ちてる!!....", false, "拾い食いを冒険",
                   "見なかった事に…");
    case 23:
      if (l < 3) return NothingHappened(g);
      return Place(g, "sukutu.bmp", "魔物の巣窟だ!!", true, "巣窟を一掃する", "見なかった事に…");
    case 24:
      return l >= 1 ? MeetMerchant(g) : NothingHappened(g);
    case 25:
      return l >= 1 ? Monks(g) : NothingHappened(g);
    case 26:
      return s.money >= 1 ? Shop(g) : NothingHappened(g);
    case 27:
      if (l < 2) return NothingHappened(g);
      return Place(g, "tisou.bmp", "地層が剥き出しになっている....", false,
                   If(Held(g, kShovel), "スコップで掘る"), "手で掘る");
    case 28:
      if (l < 3) return NothingHappened(g);
      return Place(g, "cry.bmp", "クリスタルだ....", false, "クリスタルを割る", "放置する");
    case 29:
      return Place(g, "ana.bmp", "穴だ....", false, "飛び越える", "落ちる");
    case 30:
      return l >= 2 ? MeetMonk(g) : NothingHappened(g);
    case 31:
      return l >= 5 ? MeetZenMonk(g) : NothingHappened(g);
    case 32:
      return NewTheory(g);
    case 33:
      return Place(g, "stone.bmp", "石壁だ....穴が開いている", false,
                   If(Held(g, kStone), "穴に石を入れる"), "放置する");
    case 34:
      if (l < 1) return NothingHappened(g);
      return Place(g, "pantu.bmp", "ぴんくの下着だ！レースのついたやつ....", false, "冒険する→下着",
                   "見なかった事に…");
    case 35:
      if (l < 1) return NothingHappened(g);
      return Place(g, "water.bmp", "池だ....", false,
                   If(Held(g, kFishingRod) && Held(g, kBait), "釣りin池"), "放置する");
    case 36:
      return Place(g, "kikai.bmp", "不思議な機械だ....", false, "いじる", "放置する");
    case 37:
      if (l < 3) return NothingHappened(g);
      Show(g, "takara_machine.bmp", "宝箱だ....しかし電子ロックのようなものがかかっていて開かない");
      return SetChoices(g, If(Held(g, kElectronicKey), "電子キーを使う"), "試行錯誤する",
                        "放置する");
    case 38:
      Show(g, "door.bmp", "扉だ…しかし、鍵がかかっていて開かない");
      return SetChoices(g, If(Held(g, kKey), "鍵を使う→扉"), "こじあける→扉", "蹴破る→扉");
    case 39:
      if (l < 4) return NothingHappened(g);
      Show(g, "door_machine.bmp", "扉だ…しかし、電子ロックがかかっていて開かない");
      return SetChoices(g, If(Held(g, kElectronicKey), "電子キーを使う→扉"), "試行錯誤する→扉",
                        "破壊する→扉");
    case 41:
      return MeetAlgorithmSnake(g);
    case 42:
      return MeetGiantFoot(g);
    case 43:
      return l >= 1 ? MeetAi(g) : NothingHappened(g);
    case 44:
      return MeetExtraEnemy(g);
    case 45:
      return Place(g, "takara_rea.bmp", "青宝箱だ！！", false, "開ける→青宝箱", "放置する");
    case 46:
      if (l < 2) return NothingHappened(g);
      return Place(g, "jungle.bmp", "暗黒森林だ!!", true, "暗黒森林を探検!!", "暗黒森林を回避..");
    case 47:
      ShowAndWait(g, "goku.bmp", "極北人だ!!");
      SayIn(g, "右、左、どっち？", "blue");
      return SetChoices(g, "", "右", "左");
    case 48:
      if (l < 6) return NothingHappened(g);
      return Place(g, "horaana.bmp", "何かいるぞ…!!", true, "確認する", "見なかった事に…");
    case 49:
      return Gold(g);
    default:
      Show(g, "takara_rea.bmp", "青宝箱だ....しかし鍵がかかっていて開かない");
      return SetChoices(g, If(Held(g, kKey), "鍵を使う→青宝箱"), "こじあける→青宝箱", "放置する");
  }
}

}  // namespace pp
