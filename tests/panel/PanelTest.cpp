#include <gtest/gtest.h>

#include <sstream>

#include "game/Events.h"
#include "items/Panel.h"
#include "items/PanelDraw.h"
#include "items/PanelLayout.h"
#include "panel/PanelFixture.h"
#include "platform/headless/HeadlessHost.h"
#include "story/Dispatch.h"

namespace pp {
namespace {

using Rows = std::vector<std::string>;

HostEvent At(HostEvent::Type type, int x, int y, int value = 0) {
  HostEvent e;
  e.type = type;
  e.x = x;
  e.y = y;
  e.value = value;
  return e;
}
HostEvent Command(const std::string& line) {
  HostEvent e;
  e.type = HostEvent::Type::Command;
  e.text = line;
  return e;
}
// Picture coordinates of the middle of list row `i` (counted from the top of the view).
int RowY(int i) { return kPanelTop + kItemList.top + i * kRowHeight + kRowHeight / 2; }
constexpr int kListX = kPanelLeft + kItemList.left + 20;

TEST(PanelRows, CountPrefixKeepsNamesAtTheFourthCharacterUpTo99) {
  EXPECT_EQ(InventoryRowText(1, "鍵"), " 1 鍵");
  EXPECT_EQ(InventoryRowText(9, "鍵"), " 9 鍵");
  EXPECT_EQ(InventoryRowText(10, "鍵"), "10 鍵");
  EXPECT_EQ(InventoryRowText(99, "鍵"), "99 鍵");
  EXPECT_EQ(InventoryRowText(100, "鍵"), "100 鍵");
  EXPECT_EQ(InventoryRowText(12345, "鍵"), "12345 鍵");
}

TEST(PanelRows, InventoryListsHeldItemsInIdOrderAndFindsLargeCounts) {
  PanelPlay p;
  p.s.itemCount[150] = 2;
  p.s.itemCount[2] = 150;
  p.s.itemCount[33] = 0;
  p.s.itemCount[31] = -4;
  OpenPanel(p.g, kUseCaption);
  EXPECT_EQ(p.RowTexts(), (Rows{"150 鍵", " 2 チェンジング"}));
  // A row of a hundred or more still leads to its item.
  SelectRow(p.g, 0);
  EXPECT_EQ(p.s.selectedItem, 2);
  EXPECT_EQ(p.panel.details.substr(0, p.panel.details.find('\r')), "鍵");
  EXPECT_NE(p.panel.details.find("(所持: 150個)"), std::string::npos);
}

TEST(PanelDetails, LinesRarityPriceAndTheSelectionSound) {
  PanelPlay p;
  p.s.itemCount[66] = 3;
  p.s.itemCount[150] = 1;
  p.s.selectedItem = 0;
  OpenPanel(p.g, kUseCaption);
  p.Clear();
  SelectRow(p.g, 0);
  EXPECT_EQ(p.panel.details,
            "ハガネのよろい\r(所持: 3個)\r\r使うと物理防御スキルが上昇する\r\rレア度: 52pt.");
  EXPECT_EQ(p.Details(), Rows{p.panel.details});
  SelectRow(p.g, 0);
  SelectRow(p.g, 1);
  EXPECT_EQ(p.Sounds(), (Rows{"0:key2.wav", "0:key2.wav"})) << "re-selecting is silent";

  p.s.money = 5000;
  OpenPanel(p.g, kSecretCaption);
  SelectRow(p.g, 4);
  EXPECT_EQ(p.panel.details, "帝国科学研究所書類\r(所持: 0個)\r\r機械スキル +1\r\r値段:\\ 400円");
}

TEST(PanelDetails, WrapsToTheLabelAndKeepsEmptyLines) {
  PanelPlay p;
  const std::vector<std::string> lines =
      WrapDetails(p.g, "名前\r\r所持しているだけで効果を発揮する 物理攻撃力+2 Axiom-Low word");
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], "名前");
  EXPECT_EQ(lines[1], "");
  std::string joined;
  for (size_t i = 2; i < lines.size(); ++i) {
    EXPECT_LE(p.g.text.Width(lines[i], kPanelPoints, true), kDetailsLabel.width) << lines[i];
    EXPECT_NE(lines[i].front(), ' ') << "no line starts with the blank it broke at";
    joined += lines[i];
  }
  EXPECT_NE(joined.find("Axiom-Low"), std::string::npos) << "a Latin word is not split";
}

TEST(PanelInput, MouseKeysWheelAndCommandsReachThePanel) {
  PanelPlay p;
  for (int32_t id = 1; id <= 30; ++id) p.s.itemCount[id] = 1;
  OpenPanel(p.g, kUseCaption);
  ASSERT_EQ(p.panel.rows.size(), 30u);

  HandleEvent(p.g, At(HostEvent::Type::MouseDown, kListX, RowY(2)));
  EXPECT_EQ(p.panel.selectedRow, 2);
  EXPECT_EQ(p.s.selectedItem, 3);
  // The choice buttons under the panel see nothing: neither the pointer nor a pressed button
  // (key 1..3 or `choose N`) reaches them or the rows lying at their places.
  HandleEvent(p.g, At(HostEvent::Type::MouseMove, 300, 168));
  EXPECT_EQ(p.s.hoveredChoice, 0);
  p.Clear();
  for (int n = 1; n <= 3; ++n) HandleEvent(p.g, At(HostEvent::Type::Choose, 0, 0, n));
  EXPECT_EQ(p.panel.selectedRow, 2);
  EXPECT_TRUE(p.host.events.empty());

  HandleEvent(p.g, At(HostEvent::Type::Key, 0, 0, 40));
  EXPECT_EQ(p.panel.selectedRow, 3);
  HandleEvent(p.g, At(HostEvent::Type::Key, 0, 0, 38));
  HandleEvent(p.g, At(HostEvent::Type::Key, 0, 0, 38));
  HandleEvent(p.g, At(HostEvent::Type::Key, 0, 0, 38));
  HandleEvent(p.g, At(HostEvent::Type::Key, 0, 0, 38));
  EXPECT_EQ(p.panel.selectedRow, 0) << "the top row stays selected";

  // The wheel scrolls three rows a notch, no further than the last row allows.
  HandleEvent(p.g, At(HostEvent::Type::Wheel, kListX, RowY(0), -1));
  EXPECT_EQ(p.panel.topRow, 3);
  HandleEvent(p.g, At(HostEvent::Type::Wheel, kListX, RowY(0), -100));
  EXPECT_EQ(p.panel.topRow, 30 - kVisibleRows);
  HandleEvent(p.g, At(HostEvent::Type::MouseDown, kListX, RowY(0)));
  EXPECT_EQ(p.panel.selectedRow, 30 - kVisibleRows);
  HandleEvent(p.g, At(HostEvent::Type::Wheel, kListX, RowY(0), 100));
  EXPECT_EQ(p.panel.topRow, 0);
  // Keys bring the selection into view.
  HandleEvent(p.g, Command("panel select 29"));
  EXPECT_EQ(p.panel.selectedRow, 29);
  EXPECT_EQ(p.panel.topRow, 30 - kVisibleRows);
  HandleEvent(p.g, Command("panel select 0"));
  EXPECT_EQ(p.panel.topRow, 0);

  p.host.errors.clear();
  HandleEvent(p.g, Command("panel select 30"));
  HandleEvent(p.g, Command("panel select x"));
  HandleEvent(p.g, Command("panel open"));
  EXPECT_EQ(p.host.errors.size(), 3u);
  EXPECT_EQ(p.panel.selectedRow, 0);

  p.Clear();
  HandleEvent(p.g, Command("panel close"));
  EXPECT_FALSE(p.panel.visible);
  EXPECT_EQ(p.Sounds().front(), "0:back.wav");
  EXPECT_EQ(p.host.All<PanelHiddenEvent>().size(), 1u);
  EXPECT_EQ(p.s.choiceLabel3, "冒険!!!!") << "closing offers the camp menu";

  // Closed, the panel takes nothing.
  HandleEvent(p.g, Command("panel use"));
  EXPECT_EQ(p.host.errors.back(), "panel: the item panel is not open");
  p.s.clickState = 0;
  HandleEvent(p.g, At(HostEvent::Type::MouseDown, kListX, RowY(2)));
  EXPECT_EQ(p.s.clickState, 1) << "a click on the picture again";
}

TEST(PanelInput, HeadlessPanelCommandsReachTheGame) {
  std::istringstream in("panel select 2\npanel\n");
  std::ostringstream out;
  HeadlessHost host(in, out);
  const HostEvent e = host.WaitEvent();
  EXPECT_EQ(e.type, HostEvent::Type::Command);
  EXPECT_EQ(e.text, "panel select 2");
  EXPECT_EQ(host.WaitEvent().type, HostEvent::Type::Close);
  EXPECT_NE(out.str().find("command not understood: panel"), std::string::npos) << out.str();
}

TEST(PanelInput, TheCampsItemChoiceOpensTheInventory) {
  PanelPlay p;
  p.s.itemCount[19] = 1;
  DispatchChoice(p.g, "アイテム");
  EXPECT_TRUE(p.panel.visible);
  EXPECT_EQ(p.panel.caption, "使う");
  EXPECT_EQ(p.RowTexts(), Rows{" 1 ハーブティ"});
  EXPECT_EQ(p.Sounds().back(), "0:box.wav");
}

TEST(PanelInput, ActionButtonWithoutAUsableRowDoesNothing) {
  PanelPlay p;
  p.s.itemCount[19] = 1;
  OpenPanel(p.g, kUseCaption);
  p.Clear();
  const int buttonX = kPanelLeft + kActionButton.left + 50;
  const int buttonY = kPanelTop + kActionButton.top + 12;
  HandleEvent(p.g, At(HostEvent::Type::MouseDown, buttonX, buttonY));
  EXPECT_TRUE(p.host.events.empty()) << "no row selected";
  SelectRow(p.g, 0);
  p.s.itemCount[19] = 0;
  p.Clear();
  HandleEvent(p.g, At(HostEvent::Type::MouseDown, buttonX, buttonY));
  EXPECT_TRUE(p.host.events.empty()) << "none left to use";
  p.s.itemCount[19] = 1;
  HandleEvent(p.g, At(HostEvent::Type::MouseDown, buttonX, buttonY));
  EXPECT_EQ(p.Sounds().front(), "0:item_use.wav");
  EXPECT_EQ(p.s.itemCount[19], 0);
}

TEST(PanelDrawing, PartsSitWhereTheLayoutPutsThem) {
  PanelPlay p;
  p.s.itemCount[2] = 1;
  p.g.goldLabel = "1234円";
  p.g.cg.Fill(Hex(0x123456));
  DrawItemPanel(p.g);
  EXPECT_EQ(p.g.cg.Pixel(200, 100), Hex(0x123456)) << "hidden: nothing drawn";

  OpenPanel(p.g, kUseCaption);
  SelectRow(p.g, 0);
  DrawItemPanel(p.g);
  const Surface& cg = p.g.cg;
  EXPECT_EQ(cg.Pixel(151, 100), Hex(0x123456)) << "left of the panel";
  EXPECT_EQ(cg.Pixel(152, 100), Hex(0x000000)) << "the panel's own black";
  EXPECT_EQ(cg.Pixel(152 + 110, 100), Hex(0x000000)) << "between the label and the list";
  EXPECT_EQ(cg.Pixel(152 + 108, 180), kLabelBack) << "description area";
  EXPECT_EQ(cg.Pixel(152 + 5, 185), kLabelBack) << "money label";
  EXPECT_EQ(cg.Pixel(152 + 232, 250), kListBack) << "list";
  EXPECT_EQ(cg.Pixel(152 + 232, 5), kSelectedBack) << "selected first row";
  bool goldText = false, captionText = false;
  for (int y = 184; y < 201; ++y)
    for (int x = 156; x < 261; ++x) goldText |= cg.Pixel(x, y) == kGoldText;
  for (int y = 211; y < 223; ++y)
    for (int x = 160; x < 257; ++x) captionText |= cg.Pixel(x, y) == kCaptionText;
  EXPECT_TRUE(goldText);
  EXPECT_TRUE(captionText);
}

}  // namespace
}  // namespace pp
