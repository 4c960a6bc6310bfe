#include <gtest/gtest.h>

#include <set>

#include "adventure/AdventureTest.h"
#include "story/Dispatch.h"

namespace pp {
namespace {

// Every label the event scenes may offer, and the menus they hand over to.
const std::set<std::string> kSceneLabels{
    "鍵を使うLv2",      "こじあけるLv2",    "探索in迷宮",        "ダウジングin迷宮",
    "勘に頼るin迷宮",   "浮遊魔法in霊山",   "よじ登るin霊山",    "キャンプin霊山-\\100",
    "ダウジングin洞門", "岩壁を砕くin洞門", "他の道を行くin洞門"};
const std::set<std::string> kHandOvers{
    "アイテム", "冒険!!!!", "回復魔法", "修行 \\-50", "地獄修行 \\-1000",
    "攻撃",     "必殺",     "魔法",     "逃亡",       "問答",
    "理論武装", "証明",     "旅立つ"};

// Clears the buttons first, so that a branch that offers nothing is seen.
void Click(Play& p, const std::string& label) {
  p.s.choiceLabel1 = p.s.choiceLabel2 = p.s.choiceLabel3 = "";
  DispatchChoice(p.g, label);
}

bool HandedOver(const Play& p) {
  for (const std::string& l : p.Labels())
    if (kHandOvers.count(l)) return true;
  return false;
}

// Every entry label, played from many random states by a player who clicks at random, always
// ends in the camp, a battle or a new game, and never leaves the player without a button.
TEST(Wander, EveryEventSceneEndsInAMenuAndNeverStrandsThePlayer) {
  const std::vector<std::string> entries{"罠外しを使う",
                                         "解除魔法",
                                         "罠解除",
                                         "罠外しを使うLv2",
                                         "解除魔法Lv2",
                                         "罠解除Lv2",
                                         "罠外しを使うLv0",
                                         "解除魔法Lv0",
                                         "罠解除Lv0",
                                         "開ける",
                                         "放置する",
                                         "鍵を使う",
                                         "こじあける",
                                         "鍵を使うLv2",
                                         "こじあけるLv2",
                                         "祈りを捧げる",
                                         "魔人水を飲む",
                                         "魔人像を攻撃する",
                                         "願いをかける",
                                         "女神水を飲む",
                                         "女神像を攻撃する",
                                         "土偶を供える",
                                         "十字をきる",
                                         "フワフワを捕獲",
                                         "手を振り返す",
                                         "フワフワを殺す",
                                         "フワフワ二匹を捕獲",
                                         "二匹に手を振り返す",
                                         "フワフワ二匹を殺す",
                                         "フワフワ全員を捕獲",
                                         "全員に手を振り返す",
                                         "フワフワ全員を殺す",
                                         "ヴォマクト王を殺す",
                                         "ヴォマクト王に挨拶",
                                         "ヴォマクト城を拝む",
                                         "ヴォマクト城侵入",
                                         "城内に忍び込む",
                                         "城壁に触れる",
                                         "迷宮に挑戦する",
                                         "迷宮に挑戦しない",
                                         "踏破に挑戦する",
                                         "霊山を見上げる",
                                         "洞門を探検する",
                                         "洞門を通り過ぎる",
                                         "沼の中を突き進む",
                                         "沼を迂回する",
                                         "沼の水を飲む",
                                         "拾い食いを冒険",
                                         "見なかった事に…",
                                         "巣窟を一掃する",
                                         "巣窟の一掃は諦める",
                                         "買うfrom商人",
                                         "奪うfrom商人",
                                         "買わないfrom商人",
                                         "スコップで掘る",
                                         "手で掘る",
                                         "クリスタルを割る",
                                         "飛び越える",
                                         "落ちる",
                                         "理解",
                                         "反論",
                                         "穴に石を入れる",
                                         "冒険する→下着"};
  RandomGenerator pick(12345);
  for (const std::string& entry : entries) {
    for (int round = 0; round < 8; ++round) {
      SCOPED_TRACE(entry + " #" + std::to_string(round));
      Play p;
      p.g.random.set_seed(pick.Next(1 << 30) + 1);
      p.s.nameSyllables.fill("ゴブ");
      p.s.worldLevel = 3 + pick.Next(5);
      p.s.maxHp = p.s.hp = 5 + pick.Next(200);
      p.s.maxMp = p.s.mp = pick.Next(30);
      p.s.money = pick.Next(400);
      p.s.escapeSkill = pick.Next(20);
      p.s.climbingSkill = pick.Next(20);
      p.s.wisdom = pick.Next(20);
      p.s.trapSkill = pick.Next(20);
      for (int id : {1, 2, 3, 6, 26, 27, 54}) p.s.itemCount[id] = pick.Next(3);
      p.s.merchantItem = 3;
      p.s.merchantCount = 1;
      Click(p, entry);
      int clicks = 0;
      while (!HandedOver(p)) {
        std::vector<std::string> offered;
        for (const std::string& l : p.Labels()) {
          if (l.empty()) continue;
          EXPECT_TRUE(kSceneLabels.count(l)) << l;
          offered.push_back(l);
        }
        ASSERT_FALSE(offered.empty());
        ASSERT_LT(++clicks, 2000);
        Click(p, offered[pick.Next(static_cast<int32_t>(offered.size()))]);
      }
    }
  }
}

}  // namespace
}  // namespace pp
