#include "items/PanelDraw.h"

#include <algorithm>

#include "core/Utf8.h"
#include "game/Game.h"
#include "items/PanelLayout.h"

namespace pp {
namespace {

TextStyle PanelText(Color c, int points = kPanelPoints) {
  return TextStyle{points, true, c, false, 0};
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

// A caption centred in its part.
void DrawCentred(Game& g, Surface& s, const PanelPart& part, std::string_view text,
                 const TextStyle& style) {
  const int w = g.text.Width(text, style.pointSize, style.bold);
  const int h = g.text.Height(style.pointSize);
  g.text.Draw(s, part.left + (part.width - w) / 2, part.top + (part.height - h) / 2, text, style);
}

void DrawDetails(Game& g) {
  ItemPanel& p = g.itemPanel;
  Surface& area = p.detailsArea;
  area.Fill(kLabelBack);
  int y = 0;
  for (const std::string& line : p.wrapped) {
    if (y >= area.height()) break;
    g.text.Draw(area, 0, y, line, PanelText(kDetailsText));
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
    g.text.Draw(area, 2, y, p.rows[static_cast<size_t>(row)].text, PanelText(text));
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

// Pieces a line may break between: a run of Latin letters and digits, a blank, or any other
// single character. A run too wide for a line of its own is split into characters.
template <typename Fits>
std::vector<std::string> WrapTokens(std::string_view paragraph, const Fits& fits) {
  std::vector<std::string> tokens;
  bool inWord = false;
  size_t pos = 0;
  while (pos < paragraph.size()) {
    const size_t at = pos;
    const char32_t c = NextCodePoint(paragraph, pos);
    const std::string_view ch = paragraph.substr(at, pos - at);
    const bool latin = c < 0x80 && c != U' ';
    if (latin && inWord)
      tokens.back().append(ch);
    else
      tokens.emplace_back(ch);
    inWord = latin;
  }
  std::vector<std::string> out;
  for (std::string& token : tokens) {
    if (token.size() == 1 || fits(token)) {
      out.push_back(std::move(token));
      continue;
    }
    for (char c : token) out.emplace_back(1, c);
  }
  return out;
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
  DrawCentred(g, s, kGoldLabel, g.goldLabel, PanelText(kGoldText, kGoldPoints));
  DrawButton(s, kActionButton);
  DrawCentred(g, s, kActionCaption, p.caption, PanelText(kCaptionText));
  DrawButton(s, kCloseButton);
  g.text.Draw(s, kCloseCaption.left, kCloseCaption.top, "閉じる", PanelText(kCaptionText));
  DrawList(g);
  g.cg.CopyFrom(s, Rect{0, 0, kPanelWidth, kPanelHeight}, kPanelLeft, kPanelTop);
}

std::vector<std::string> WrapDetails(Game& g, std::string_view text) {
  const auto fits = [&g](const std::string& t) {
    return g.text.Width(t, kPanelPoints, true) <= kDetailsLabel.width;
  };
  std::vector<std::string> lines;
  size_t start = 0;
  for (;;) {
    const size_t end = std::min(text.find('\r', start), text.size());
    const std::vector<std::string> tokens = WrapTokens(text.substr(start, end - start), fits);
    // Greedy: a line takes tokens while they fit, and never starts with the blank it broke at.
    std::string line;
    for (const std::string& token : tokens) {
      if (line.empty() && token == " ") continue;
      if (!line.empty() && !fits(line + token)) {
        lines.push_back(line);
        line.clear();
        if (token == " ") continue;
      }
      line += token;
    }
    lines.push_back(line);
    if (end >= text.size()) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace pp
