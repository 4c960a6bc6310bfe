#include "items/Panel.h"

#include <string>

#include "adventure/Camp.h"
#include "core/Int32.h"
#include "game/Game.h"
#include "game/Sound.h"
#include "items/Catalogue.h"
#include "items/PanelDraw.h"
#include "items/PanelInput.h"
#include "items/Shop.h"
#include "items/UseItem.h"

namespace pp {
namespace {

constexpr char kLineBreak = '\r';

void ReportPanel(Game& g) {
  const ItemPanel& p = g.itemPanel;
  PanelEvent e{p.caption, {}};
  for (const PanelRow& row : p.rows) e.rows.push_back(row.text);
  g.host.Report(e);
}

void SetDetails(Game& g, std::string text) {
  ItemPanel& p = g.itemPanel;
  p.details = std::move(text);
  p.wrapped = WrapDetails(g, p.details);
}

const PanelRow* SelectedRow(const Game& g) {
  const ItemPanel& p = g.itemPanel;
  if (p.selectedRow < 0 || p.selectedRow >= static_cast<int>(p.rows.size())) return nullptr;
  return &p.rows[static_cast<size_t>(p.selectedRow)];
}

void Buy(Game& g, int32_t id) {
  GameState& s = g.state;
  const Item& item = ItemInfo(g, id);
  if (s.money < item.price) {
    PlayWave(g, 0, "no.wav");
    return;
  }
  if (int32_t* sold = OneOffSoldFlag(g, item.name)) *sold = 1;
  PlayWave(g, 0, "buy.wav");
  s.money = Sub32(s.money, item.price);
  s.itemCount[id] = Add32(s.itemCount[id], 1);
  ShowItemDetails(g);
  // Each row sells once per visit.
  SetRowText(g, g.itemPanel.selectedRow, "");
}

}  // namespace

void OpenPanel(Game& g, std::string_view caption) {
  ItemPanel& p = g.itemPanel;
  SetDetails(g, "");
  p.caption = caption;
  FillItemList(g);
  PlayWave(g, 0, "box.wav");
  ShowPanel(g);
}

void ShowPanel(Game& g) {
  g.itemPanel.visible = true;
  ReportPanel(g);
}

void HidePanel(Game& g) {
  g.itemPanel.visible = false;
  g.host.Report(PanelHiddenEvent{});
}

std::string InventoryRowText(int32_t count, std::string_view name) {
  std::string prefix = std::to_string(count) + " ";
  if (count >= 1 && count <= 9) prefix = " " + prefix;
  return prefix + std::string(name);
}

void SetRowText(Game& g, int row, std::string text) {
  ItemPanel& p = g.itemPanel;
  if (row < 0 || row >= static_cast<int>(p.rows.size())) return;
  p.rows[static_cast<size_t>(row)].text = std::move(text);
  if (p.visible) ReportPanel(g);
}

void SelectRow(Game& g, int row) {
  ItemPanel& p = g.itemPanel;
  p.selectedRow = row >= 0 && row < static_cast<int>(p.rows.size()) ? row : -1;
  KeepSelectionInView(p);
  ShowItemDetails(g);
}

void ShowItemDetails(Game& g) {
  const PanelRow* row = SelectedRow(g);
  if (row == nullptr || row->text.empty()) return;
  GameState& s = g.state;
  // The row knows its item, so a count of 100 or more still finds it.
  const int32_t id = ItemInfo(g, row->id).name.empty() ? 0 : row->id;
  if (id != s.selectedItem) PlayWave(g, 0, "key2.wav");
  s.selectedItem = id;

  const Item& item = ItemInfo(g, id);
  const bool buying = g.itemPanel.caption == kBuyCaption;
  std::string text = item.name;
  text += kLineBreak;
  text += "(所持: " + std::to_string(s.itemCount[id]) + "個)";
  text += kLineBreak;
  text += kLineBreak;
  text += item.description;
  text += kLineBreak;
  text += kLineBreak;
  // The backslash shows as the yen sign.
  text += buying ? "値段:\\ " + std::to_string(item.price) + "円"
                 : "レア度: " + std::to_string(ItemRarity(item)) + "pt.";
  g.host.Report(DetailsEvent{text});
  SetDetails(g, std::move(text));
}

void Image1Click(Game& g) {
  const PanelRow* row = SelectedRow(g);
  const int32_t id = g.state.selectedItem;
  if (row == nullptr || row->text.empty() || ItemInfo(g, id).name.empty()) return;
  const std::string& caption = g.itemPanel.caption;
  if (caption == kUseCaption) {
    if (g.state.itemCount[id] < 1) return;
    PlayWave(g, 0, "item_use.wav");
    UseItem(g, id);
  } else if (caption == kBuyCaption) {
    Buy(g, id);
  }
}

void Image2Click(Game& g) {
  PlayWave(g, 0, "back.wav");
  HidePanel(g);
  ShowCampMenu(g);
}

}  // namespace pp
