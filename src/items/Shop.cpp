#include "items/Shop.h"

#include <string>

#include "game/Game.h"
#include "items/Catalogue.h"
#include "items/Panel.h"

namespace pp {
namespace {

struct OneOff {
  std::string_view name;
  int32_t GameState::*sold;
};
constexpr OneOff kOneOffs[] = {
    {"ハガネのよろい", &GameState::soldSteelArmour},
    {"ピルカ王剣", &GameState::soldKingSword},
    {"修道院の聖水", &GameState::soldHolyWater},
    {"本『ファウストラブストーリー』", &GameState::soldFaustBook},
    {"レッドソードの刻印", &GameState::soldRedSwordSeal},
};

enum class Offer {
  Always,       // through the money test
  Direct,       // listed even when the money does not cover it
  DirectCoin,   // listed without the money test when Random(2) = 0
  Coin,         // through the money test when Random(2) = 0
  NotSold,      // through the money test while its one-off flag is clear
  NotHeld,      // through the money test while none is held
  SkillAtMost,  // through the money test while the skill is at most `limit`
};

struct Stock {
  std::string_view name;
  Offer offer = Offer::Always;
  int32_t GameState::*skill = nullptr;
  int32_t limit = 0;
};

constexpr Stock kOrdinaryStock[] = {
    {"イズミミズ", Offer::DirectCoin},
    {"ｽﾃｨｯｸﾊﾟﾝ", Offer::Direct},
    {"ホットレモン", Offer::Direct},
    {"草", Offer::DirectCoin},
    {"鍵"},
    {"チェンジング"},
    {"釣竿"},
    {"毒消し"},
    {"胃腸薬"},
    {"牛乳瓶眼鏡"},
    {"アルミのイヤリング"},
    {"爪"},
    {"じすたま"},
    {"知恵の輪", Offer::SkillAtMost, &GameState::trapSkill, 19},
    {"ビショップ"},
    {"思考迷路", Offer::Coin},
    {"ハガネのよろい", Offer::NotSold},
    {"バイオネット"},
    {"カウガールの投げ縄", Offer::SkillAtMost, &GameState::captureSkill, 4},
    {"ビットの盾"},
    {"皇后の杖"},
    {"学習ソフトLV1"},
    {"ピルカ王剣", Offer::NotSold},
    {"修道院の聖水", Offer::NotSold},
    {"ブレイブハート", Offer::SkillAtMost, &GameState::captureSkill, 9},
    {"クゥイーン", Offer::SkillAtMost, &GameState::logicSkill, 15},
    {"アケロン電子工学書", Offer::SkillAtMost, &GameState::machineSkill, 19},
    {"趙雲竜胆"},
    {"本『ファウストラブストーリー』", Offer::NotSold},
    {"レッドソードの刻印", Offer::NotSold},
    {"甲賀鎖帷子"},
    {"ドルバン剣"},
    {"いばらのマント"},
    {"魔女のマント"},
    {"ヒーローグリングリン"},
    {"近代魔術書"},
    {"聖ペテロ像", Offer::NotHeld},
    {"侍プリッツの秘伝巻物", Offer::NotHeld},
};

constexpr std::string_view kSecretStock[] = {
    "石",
    "ハーブティ",
    "蛍草",
    "ｽﾃｨｯｸﾊﾟﾝ505",
    "帝国科学研究所書類",
    "女神のつるはし",
    "トライアーのマント",
    "ロストメモリーズバッチ",
    "冒険者の腕時計",
    "本『エリの祈り』",
    "怪盗ｌｕｋａのヘアバンド",
    "魔夕未教魔除けの札",
    "タイムトラベラーマント",
};

void AppendRow(Game& g, std::string_view name) {
  g.itemPanel.rows.push_back(PanelRow{std::string(name), FindItemByName(g, name)});
}

// Whether the ordinary shop lists `stock` this time; the coin rows draw here, in stock order.
void OfferStock(Game& g, const Stock& stock) {
  const GameState& s = g.state;
  switch (stock.offer) {
    case Offer::Always:
      AddShopItem(g, stock.name);
      return;
    case Offer::Direct:
      AppendRow(g, stock.name);
      return;
    case Offer::DirectCoin:
      if (Random(g, 2) == 0) AppendRow(g, stock.name);
      return;
    case Offer::Coin:
      if (Random(g, 2) == 0) AddShopItem(g, stock.name);
      return;
    case Offer::NotSold:
      if (*OneOffSoldFlag(g, stock.name) == 0) AddShopItem(g, stock.name);
      return;
    case Offer::NotHeld:
      if (s.itemCount[FindItemByName(g, stock.name)] == 0) AddShopItem(g, stock.name);
      return;
    case Offer::SkillAtMost:
      if (s.*stock.skill <= stock.limit) AddShopItem(g, stock.name);
      return;
  }
}

}  // namespace

int32_t* OneOffSoldFlag(Game& g, std::string_view name) {
  for (const OneOff& o : kOneOffs)
    if (o.name == name) return &(g.state.*o.sold);
  return nullptr;
}

void AddShopItem(Game& g, std::string_view name) {
  if (g.state.money >= ItemInfo(g, FindItemByName(g, name)).price) AppendRow(g, name);
}

void FillItemList(Game& g) {
  ItemPanel& p = g.itemPanel;
  p.selectedRow = -1;
  p.topRow = 0;
  p.rows.clear();
  if (p.caption == kUseCaption) {
    for (int32_t id = 0; id < kItemSlots; ++id) {
      const int32_t count = g.state.itemCount[id];
      if (count >= 1) p.rows.push_back(PanelRow{InventoryRowText(count, ItemInfo(g, id).name), id});
    }
  } else if (p.caption == kBuyCaption) {
    for (const Stock& stock : kOrdinaryStock) OfferStock(g, stock);
  } else if (p.caption == kSecretCaption) {
    p.caption = kBuyCaption;
    for (std::string_view name : kSecretStock) AddShopItem(g, name);
  }
}

}  // namespace pp
