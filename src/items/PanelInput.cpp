#include "items/PanelInput.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "game/Game.h"
#include "items/Panel.h"
#include "items/PanelLayout.h"
#include "platform/Host.h"

namespace pp {
namespace {

constexpr int kRowsPerNotch = 3;

int RowCount(const ItemPanel& p) { return static_cast<int>(p.rows.size()); }

void ScrollTo(ItemPanel& p, int top) {
  p.topRow = std::clamp(top, 0, std::max(0, RowCount(p) - kVisibleRows));
}

}  // namespace

bool PanelCovers(const Game& g, int x, int y) {
  return g.itemPanel.visible &&
         PanelPart{kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight}.Contains(x, y);
}

bool PanelMouseDown(Game& g, int x, int y) {
  if (!PanelCovers(g, x, y)) return false;
  const ItemPanel& p = g.itemPanel;
  x -= kPanelLeft;
  y -= kPanelTop;
  if (kItemList.Contains(x, y)) {
    const int row = p.topRow + (y - kItemList.top) / kRowHeight;
    if (row < RowCount(p)) SelectRow(g, row);
  } else if (kActionButton.Contains(x, y)) {
    Image1Click(g);
  } else if (kCloseButton.Contains(x, y)) {
    Image2Click(g);
  }
  return true;
}

void PanelWheel(Game& g, int notches) {
  ItemPanel& p = g.itemPanel;
  if (!p.visible) return;
  const int64_t top = int64_t{p.topRow} - int64_t{notches} * kRowsPerNotch;
  ScrollTo(p, static_cast<int>(std::clamp<int64_t>(top, 0, RowCount(p))));
}

bool PanelKeyDown(Game& g, int key) {
  const ItemPanel& p = g.itemPanel;
  if (!p.visible) return false;
  if (key == HostKey::kSpace || key == HostKey::kPadEnter) {
    Image1Click(g);
    return true;
  }
  if (key == HostKey::kEscape) {
    Image2Click(g);
    return true;
  }
  if (key != HostKey::kUp && key != HostKey::kDown) return false;
  if (RowCount(p) == 0) return true;
  int row = 0;
  if (p.selectedRow >= 0)
    row = std::clamp(p.selectedRow + (key == HostKey::kDown ? 1 : -1), 0, RowCount(p) - 1);
  SelectRow(g, row);
  return true;
}

bool RunPanelCommand(Game& g, std::string_view line) {
  const size_t space = line.find(' ');
  if (line.substr(0, space) != "panel") return false;
  const std::string_view args = space == std::string_view::npos ? "" : line.substr(space + 1);
  if (!g.itemPanel.visible) {
    g.host.ShowError("panel: the item panel is not open");
    return true;
  }
  if (args == "use") {
    Image1Click(g);
  } else if (args == "close") {
    Image2Click(g);
  } else if (args.starts_with("select ")) {
    const std::string_view number = args.substr(7);
    int row = -1;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), row);
    if (ec != std::errc() || ptr != number.data() + number.size() || row < 0 ||
        row >= RowCount(g.itemPanel)) {
      g.host.ShowError("panel: no row '" + std::string(number) + "' in the list");
      return true;
    }
    SelectRow(g, row);
  } else {
    g.host.ShowError("command not understood: " + std::string(line));
  }
  return true;
}

void KeepSelectionInView(ItemPanel& p) {
  if (p.selectedRow < 0) return;
  if (p.selectedRow < p.topRow)
    ScrollTo(p, p.selectedRow);
  else if (p.selectedRow >= p.topRow + kVisibleRows)
    ScrollTo(p, p.selectedRow - kVisibleRows + 1);
}

}  // namespace pp
