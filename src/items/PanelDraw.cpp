#include "items/PanelDraw.h"

#include <algorithm>

#include "game/Game.h"
#include "gfx/TextWrap.h"
#include "items/PanelLayout.h"
#include "lang/Roles.h"
#include "ui/Shown.h"

namespace pp {
namespace {

// Panel text in the face of the player's language.
TextStyle PanelText(const Game& g, Color c, int points = kPanelPoints) {
  return TextStyle{points, true, c, false, 0, ShownFace(g)};
}

// The transparent button pictures, drawn as a framed plate.
void DrawButton(Surface& s, const PanelPart& part) {
  s.SetPen(Hex(0x6B5A22));
  s.SetBrush(Hex(0x1E1C12));
  s.Rectangle(part.left, part.top, part.left + part.width, part.top + part.height);
  s.SetPen(Hex(0x3A3218));
  s.SetBrushClear();
  s.Rectangle(part.left + 1, part.top + 1, part.left + part.width - 1, part.top + part.height - 1);
}

// A caption centred in its part, as the player reads it.
void DrawCentred(Game& g, Surface& s, const PanelPart& part, std::string_view caption,
                 const TextStyle& style) {
  const std::string text = Shown(g, caption, role::kPanel);
  const int w = g.text.Width(text, style.pointSize, style.bold, style.face);
  const int h = g.text.Height(style.pointSize);
  g.text.Draw(s, part.left + (part.width - w) / 2, part.top + (part.height - h) / 2, text, style);
}

// The details as the player reads them: in English each of their lines is translated, then the
// whole is wrapped again.
std::vector<std::string> ShownDetails(Game& g) {
  const ItemPanel& p = g.itemPanel;
  if (!Translating(g)) return p.wrapped;
  std::string shown;
  size_t start = 0;
  for (;;) {
    const size_t end = std::min(p.details.find('\r', start), p.details.size());
    shown += Shown(g, std::string_view(p.details).substr(start, end - start), role::kDetails);
    if (end >= p.details.size()) break;
    shown += '\r';
    start = end + 1;
  }
  return WrapDetails(g, shown, Face::Latin);
}

void DrawDetails(Game& g) {
  ItemPanel& p = g.itemPanel;
  Surface& area = p.detailsArea;
  area.Fill(kLabelBack);
  int y = 0;
  for (const std::string& line : ShownDetails(g)) {
    if (y >= area.height()) break;
    g.text.Draw(area, 0, y, line, PanelText(g, kDetailsText));
    y += g.text.Height(kPanelPoints);
  }
  p.canvas.CopyFrom(area, Rect{0, 0, area.width(), area.height()}, kDetailsLabel.left,
                    kDetailsLabel.top);
}

void DrawList(Game& g) {
  ItemPanel& p = g.itemPanel;
  Surface& area = p.listArea;
  area.Fill(kListBack);
  const int count = static_cast<int>(p.rows.size());
  for (int i = 0; i <= kVisibleRows && p.topRow + i < count; ++i) {
    const int row = p.topRow + i;
    const int y = i * kRowHeight;
    Color text = kListText;
    if (row == p.selectedRow) {
      area.FillRect(0, y, area.width(), y + kRowHeight, kSelectedBack);
      text = kSelectedText;
    }
    g.text.Draw(area, 2, y, Shown(g, p.rows[static_cast<size_t>(row)].text, role::kPanel),
                PanelText(g, text));
  }
  // More rows than fit: a slim bar at the right edge shows where the view lies.
  if (count > kVisibleRows) {
    const int h = area.height();
    const int top = p.topRow * h / count;
    const int bottom = std::min(h, (p.topRow + kVisibleRows) * h / count + 1);
    area.FillRect(area.width() - 3, 0, area.width(), h, Hex(0x2A2920));
    area.FillRect(area.width() - 3, top, area.width(), bottom, Hex(0x8C845A));
  }
  p.canvas.CopyFrom(area, Rect{0, 0, area.width(), area.height()}, kItemList.left, kItemList.top);
}

}  // namespace

void DrawItemPanel(Game& g) {
  ItemPanel& p = g.itemPanel;
  if (!p.visible) return;
  Surface& s = p.canvas;
  s.Fill(0);
  DrawDetails(g);
  s.FillRect(kGoldLabel.left, kGoldLabel.top, kGoldLabel.left + kGoldLabel.width,
             kGoldLabel.top + kGoldLabel.height, kLabelBack);
  DrawCentred(g, s, kGoldLabel, g.goldLabel, PanelText(g, kGoldText, kGoldPoints));
  DrawButton(s, kActionButton);
  DrawCentred(g, s, kActionCaption, p.caption, PanelText(g, kCaptionText));
  DrawButton(s, kCloseButton);
  g.text.Draw(s, kCloseCaption.left, kCloseCaption.top, Shown(g, "閉じる", role::kPanel),
              PanelText(g, kCaptionText));
  DrawList(g);
  g.cg.CopyFrom(s, Rect{0, 0, kPanelWidth, kPanelHeight}, kPanelLeft, kPanelTop);
}

std::vector<std::string> WrapDetails(Game& g, std::string_view text, Face face) {
  return WrapText(g.text, text, kPanelPoints, true, kDetailsLabel.width, face);
}

}  // namespace pp
