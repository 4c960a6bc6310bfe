#include <gtest/gtest.h>

#include <set>

#include "game/Game.h"
#include "items/Catalogue.h"
#include "items/EventView.h"

namespace pp {
namespace {

class CatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override { InitItemCatalogue(g); }
  TestHost host;
  Game g{host, GameConfig{}, 1};
};

TEST_F(CatalogueTest, IdsOneTo214AreFilledWithDistinctNamesAndTheRestIsEmpty) {
  std::set<std::string> names;
  for (int32_t id = 0; id < kItemSlots; ++id) {
    const Item& item = ItemInfo(g, id);
    if (id >= 1 && id <= kLastItemId) {
      EXPECT_FALSE(item.name.empty()) << id;
      EXPECT_FALSE(item.description.empty()) << id;
      EXPECT_GE(item.price, 1) << id;
      EXPECT_TRUE(item.useKind == kNoUseEffect || (item.useKind >= 0 && item.useKind <= 44)) << id;
      names.insert(item.name);
    } else {
      EXPECT_TRUE(item.name.empty()) << id;
      EXPECT_EQ(item.price, 0) << id;
    }
  }
  EXPECT_EQ(names.size(), 214u);
  EXPECT_TRUE(ItemInfo(g, -1).name.empty());
  EXPECT_TRUE(ItemInfo(g, 1000).name.empty());
}

TEST_F(CatalogueTest, NamesKeepTheirHalfAndFullWidthForms) {
  EXPECT_EQ(ItemInfo(g, 33).name, "ｽﾃｨｯｸﾊﾟﾝ");
  EXPECT_EQ(ItemInfo(g, 33).name,
            "\xEF\xBD\xBD\xEF\xBE\x83\xEF\xBD\xA8\xEF\xBD\xAF\xEF\xBD\xB8"
            "\xEF\xBE\x8A\xEF\xBE\x9F\xEF\xBE\x9D");
  EXPECT_EQ(ItemInfo(g, 35).name, "Ｗｽﾃｨｯｸﾊﾟﾝ");
  EXPECT_EQ(ItemInfo(g, 37).name, "ｽﾃｨｯｸﾊﾟﾝ505");
  EXPECT_EQ(ItemInfo(g, 52).name, "怪盗ｌｕｋａのヘアバンド");
  EXPECT_EQ(ItemInfo(g, 70).name, "１理論");
  EXPECT_EQ(ItemInfo(g, 73).name, "高級思考ＡＩ");
  EXPECT_EQ(ItemInfo(g, 127).name, "Ｆセーブ精神薬");
  EXPECT_EQ(ItemInfo(g, 139).name, "0と1の盾");
  EXPECT_EQ(ItemInfo(g, 158).name, "ＱＴイヤリング");
  EXPECT_EQ(ItemInfo(g, 43).name, "本『ジョン・Ｄの策略』");
  EXPECT_EQ(ItemInfo(g, 214).name, "侍プリッツの秘伝巻物");
}

TEST_F(CatalogueTest, PricesKindsAmountsAndRarity) {
  struct Row {
    int32_t id, price, kind, amount;
  };
  for (const Row& r :
       {Row{1, 15, 99, 0}, Row{5, 2000, 7, 1}, Row{10, 1530, 23, 30}, Row{48, 15000, 99, 30},
        Row{56, 1, 4, 3}, Row{102, 1, 4, 2}, Row{127, 500, 29, 20}, Row{194, 4250, 42, 5000},
        Row{199, 33250, 23, 365}, Row{214, 20000, 44, 100}}) {
    const Item& item = ItemInfo(g, r.id);
    EXPECT_EQ(item.price, r.price) << r.id;
    EXPECT_EQ(item.useKind, r.kind) << r.id;
    EXPECT_EQ(item.useAmount, r.amount) << r.id;
  }
  EXPECT_EQ(ItemRarity(ItemInfo(g, 51)), 300);  // 3002 yen
  EXPECT_EQ(ItemRarity(ItemInfo(g, 3)), 0);
  EXPECT_EQ(ItemInfo(g, 1).description, "確実に罠を外す");
  EXPECT_EQ(ItemInfo(g, 190).description, "？？？？");
}

TEST_F(CatalogueTest, NameLookupIsExactAndFallsBackToZero) {
  for (int32_t id = 1; id <= kLastItemId; ++id)
    EXPECT_EQ(FindItemByName(g, ItemInfo(g, id).name), id);
  EXPECT_EQ(FindItemByName(g, "スティックパン"), 0);  // full width is another name
  EXPECT_EQ(FindItemByName(g, "ｽﾃｨｯｸﾊﾟﾝ9"), 0);       // whole names only
  EXPECT_EQ(FindItemByName(g, ""), 0);
}

}  // namespace
}  // namespace pp
