#include <gtest/gtest.h>

#include "items/Panel.h"
#include "items/Shop.h"
#include "panel/PanelFixture.h"

namespace pp {
namespace {

using Rows = std::vector<std::string>;

// The ordinary stock in shop order, with the price the shop is meant to ask.
struct Ware {
  int32_t id;
  int32_t price;
};
constexpr Ware kOrdinary[] = {
    {102, 1},    {33, 3},     {18, 5},     {49, 5},     {2, 20},     {150, 35},   {101, 50},
    {31, 15},    {32, 25},    {151, 55},   {155, 95},   {163, 140},  {65, 200},   {166, 250},
    {74, 300},   {71, 500},   {66, 520},   {88, 520},   {201, 550},  {78, 600},   {46, 700},
    {97, 900},   {67, 1000},  {177, 1050}, {119, 1300}, {77, 2000},  {115, 2100}, {91, 3000},
    {117, 4000}, {118, 6000}, {121, 5000}, {167, 7000}, {174, 5500}, {175, 6000}, {68, 7000},
    {122, 8000}, {48, 15000}, {214, 20000}};
constexpr Ware kSecret[] = {{3, 5},     {19, 20},    {23, 20},    {37, 120},   {207, 400},
                            {15, 530},  {148, 1000}, {208, 1502}, {187, 1250}, {44, 1900},
                            {52, 2502}, {206, 7000}, {209, 10000}};

TEST(Shop, FullStockInOrderWithItsPricesAndThreeCoinDraws) {
  PanelPlay p;
  p.s.money = 999999999;
  p.SeedFor({2, 2, 2}, {0, 0, 0});
  RandomGenerator expected = p.g.random;
  for (int i = 0; i < 3; ++i) expected.Next(2);
  OpenPanel(p.g, kBuyCaption);
  EXPECT_EQ(p.g.random.seed(), expected.seed()) << "exactly three draws per fill";
  ASSERT_EQ(p.panel.rows.size(), std::size(kOrdinary));
  for (size_t i = 0; i < std::size(kOrdinary); ++i) {
    const Item& item = ItemInfo(p.g, kOrdinary[i].id);
    EXPECT_EQ(p.panel.rows[i].text, item.name) << i;
    EXPECT_EQ(p.panel.rows[i].id, kOrdinary[i].id) << i;
    EXPECT_EQ(item.price, kOrdinary[i].price) << item.name;
  }
  EXPECT_EQ(p.Sounds(), Rows{"0:box.wav"});
  EXPECT_TRUE(p.panel.visible);
  EXPECT_EQ(p.panel.selectedRow, -1);
}

TEST(Shop, PoorPlayerSeesTheDirectRowsAndCoinsDecideThree) {
  PanelPlay p;
  p.s.money = 0;
  p.SeedFor({2, 2, 2}, {0, 0, 0});
  OpenPanel(p.g, kBuyCaption);
  EXPECT_EQ(p.RowTexts(), (Rows{"イズミミズ", "ｽﾃｨｯｸﾊﾟﾝ", "ホットレモン", "草"}));

  p.s.money = 500;
  p.SeedFor({2, 2, 2}, {1, 1, 1});
  OpenPanel(p.g, kBuyCaption);
  EXPECT_EQ(p.RowTexts(),
            (Rows{"ｽﾃｨｯｸﾊﾟﾝ", "ホットレモン", "鍵", "チェンジング", "釣竿", "毒消し", "胃腸薬",
                  "牛乳瓶眼鏡", "アルミのイヤリング", "爪", "じすたま", "知恵の輪", "ビショップ"}));
}

TEST(Shop, SkillsSoldFlagsAndHeldRaritiesWithdrawStock) {
  PanelPlay p;
  p.s.money = 999999999;
  p.s.trapSkill = 20;
  p.s.captureSkill = 10;
  p.s.logicSkill = 16;
  p.s.machineSkill = 20;
  p.s.soldSteelArmour = p.s.soldKingSword = p.s.soldHolyWater = 1;
  p.s.soldFaustBook = p.s.soldRedSwordSeal = 1;
  p.s.itemCount[48] = 1;
  p.s.itemCount[214] = 1;
  OpenPanel(p.g, kBuyCaption);
  for (int32_t gone : {166, 201, 119, 77, 115, 66, 67, 177, 117, 118, 48, 214})
    for (const PanelRow& row : p.panel.rows) EXPECT_NE(row.id, gone) << row.text;

  // At the limits they are still sold.
  p.s.trapSkill = 19;
  p.s.captureSkill = 4;
  p.s.logicSkill = 15;
  p.s.machineSkill = 19;
  OpenPanel(p.g, kBuyCaption);
  for (int32_t back : {166, 201, 119, 77, 115}) {
    bool found = false;
    for (const PanelRow& row : p.panel.rows) found |= row.id == back;
    EXPECT_TRUE(found) << back;
  }
}

TEST(Shop, SecretShopTurnsIntoBuyingAndFiltersByMoney) {
  PanelPlay p;
  p.s.money = 1250;
  const uint32_t seed = p.g.random.seed();
  OpenPanel(p.g, kSecretCaption);
  EXPECT_EQ(p.panel.caption, "買う");
  EXPECT_EQ(p.g.random.seed(), seed) << "the secret shop draws nothing";
  Rows expected;
  for (const Ware& w : kSecret) {
    EXPECT_EQ(ItemInfo(p.g, w.id).price, w.price) << w.id;
    if (w.price <= 1250) expected.push_back(ItemInfo(p.g, w.id).name);
  }
  EXPECT_EQ(p.RowTexts(), expected);
  const std::vector<PanelEvent> shown = p.host.All<PanelEvent>();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].mode, "買う");
  EXPECT_EQ(shown[0].rows, expected);
}

TEST(Shop, PurchaseBlanksItsRowAndSetsTheSoldFlagForGood) {
  PanelPlay p;
  p.s.money = 1000;
  OpenPanel(p.g, kBuyCaption);
  int row = -1;
  for (size_t i = 0; i < p.panel.rows.size(); ++i)
    if (p.panel.rows[i].id == 66) row = static_cast<int>(i);
  ASSERT_GE(row, 0);
  SelectRow(p.g, row);
  EXPECT_EQ(p.s.selectedItem, 66);
  p.Clear();
  Image1Click(p.g);
  EXPECT_EQ(p.s.money, 480);
  EXPECT_EQ(p.s.itemCount[66], 1);
  EXPECT_EQ(p.s.soldSteelArmour, 1);
  EXPECT_EQ(p.panel.rows[static_cast<size_t>(row)].text, "");
  EXPECT_EQ(p.Sounds(), Rows{"0:buy.wav"});
  ASSERT_EQ(p.Details().size(), 1u);
  EXPECT_NE(p.Details()[0].find("(所持: 1個)"), std::string::npos);
  EXPECT_EQ(p.host.All<PanelEvent>().size(), 1u) << "the blanked row is reported";

  // The blank row sells nothing more, and the next shop has no armour.
  p.Clear();
  Image1Click(p.g);
  EXPECT_EQ(p.s.money, 480);
  EXPECT_TRUE(p.Sounds().empty());
  OpenPanel(p.g, kBuyCaption);
  for (const PanelRow& r : p.panel.rows) EXPECT_NE(r.id, 66);
  // Ordinary wares have no flag and stay on sale.
  EXPECT_EQ(OneOffSoldFlag(p.g, "鍵"), nullptr);
}

TEST(Shop, TooLittleMoneyOnlySaysNo) {
  PanelPlay p;
  p.s.money = 3;
  p.SeedFor({2, 2, 2}, {0, 0, 0});
  OpenPanel(p.g, kBuyCaption);
  ASSERT_EQ(p.panel.rows[3].text, "草");
  SelectRow(p.g, 3);
  p.Clear();
  Image1Click(p.g);
  EXPECT_EQ(p.Sounds(), Rows{"0:no.wav"});
  EXPECT_EQ(p.s.money, 3);
  EXPECT_EQ(p.s.itemCount[49], 0);
  EXPECT_EQ(p.panel.rows[3].text, "草");
  EXPECT_TRUE(p.Details().empty());
}

}  // namespace
}  // namespace pp
