#include "extras/log/LogDraw.h"

#include <algorithm>

#include "extras/Dim.h"
#include "gfx/Surface.h"
#include "gfx/Text.h"

namespace pp {
namespace {

constexpr Color kHeaderColour = Hex(0x8899AA);
constexpr Color kRuleColour = Hex(0x334455);
constexpr Color kTrackColour = Hex(0x222833);
constexpr Color kThumbColour = Hex(0x8899AA);
constexpr int kHeaderPoints = 7;
constexpr int kBarLeft = 382, kBarRight = 386;

void DrawScrollBar(Surface& picture, const LogView& view) {
  const int top = LogLayout::kTop;
  const int height = LogLayout::kVisibleRows * LogLayout::kRowHeight;
  picture.FillRect(kBarLeft, top, kBarRight, top + height, kTrackColour);
  const int rows = std::max(view.RowCount(), 1);
  const int shown = std::min(view.VisibleRows(), rows);
  const int thumb = std::max(height * shown / rows, 4);
  const int64_t travel = height - thumb;
  const int hidden = rows - shown;
  const int thumbTop =
      top + static_cast<int>(hidden == 0 ? travel : travel * view.FirstVisibleRow() / hidden);
  picture.FillRect(kBarLeft, thumbTop, kBarRight, thumbTop + thumb, kThumbColour);
}

}  // namespace

void DrawLog(Surface& picture, const LogView& view, TextRenderer& text) {
  DimPicture(picture);
  text.Draw(picture, LogLayout::kLeft, 2,
            "LOG     scroll: wheel, arrows, PgUp/PgDn, Home/End     close: Esc, L, click",
            TextStyle{kHeaderPoints, false, kHeaderColour, false, 0});
  picture.FillRect(0, LogLayout::kTop - 3, picture.width(), LogLayout::kTop - 2, kRuleColour);
  const int first = view.FirstVisibleRow();
  const int last = std::min(first + view.VisibleRows(), view.RowCount());
  // Newest at the bottom, also while the rows do not fill the screen yet.
  const int firstSlot = view.VisibleRows() - (last - first);
  for (int i = first; i < last; ++i) {
    const LogRow& row = view.row(i);
    const int y = LogLayout::kTop + (firstSlot + i - first) * LogLayout::kRowHeight;
    text.Draw(picture, LogLayout::kLeft, y, row.text,
              TextStyle{LogLayout::kPointSize, false, row.colour, false, 0, row.face});
  }
  DrawScrollBar(picture, view);
}

}  // namespace pp
