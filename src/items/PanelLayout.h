#pragma once
// Where the item panel and its parts lie: the panel in picture coordinates, its parts relative
// to the panel.

#include "gfx/Surface.h"
#include "platform/InputLayout.h"

namespace pp {

// Left, top, width and height of a part, relative to the panel.
struct PanelPart {
  int left, top, width, height;
  constexpr bool Contains(int x, int y) const {
    return x >= left && x < left + width && y >= top && y < top + height;
  }
};

inline constexpr PanelPart kDetailsLabel{4, 4, 105, 177};   // item_l
inline constexpr PanelPart kGoldLabel{4, 184, 105, 17};     // gold_l
inline constexpr PanelPart kActionButton{4, 204, 105, 25};  // Image1
inline constexpr PanelPart kActionCaption{8, 211, 97, 12};  // item_b
inline constexpr PanelPart kCloseButton{4, 232, 105, 25};   // Image2
inline constexpr PanelPart kCloseCaption{40, 239, 34, 12};  // Label2
inline constexpr PanelPart kItemList{112, 4, 121, 253};     // item_list

inline constexpr int kRowHeight = 12;
inline constexpr int kVisibleRows = kItemList.height / kRowHeight;

// Fonts: 12-pixel bold for the panel's texts (9 points at 96 dpi), the window's 15-pixel bold
// for the money.
inline constexpr int kPanelPoints = 9;
inline constexpr int kGoldPoints = 11;

inline constexpr Color kLabelBack = Hex(0x29281D);
inline constexpr Color kDetailsText = Hex(0xE7E3C5);
inline constexpr Color kGoldText = Hex(0xFFFF00);
inline constexpr Color kCaptionText = Hex(0xFFC744);
inline constexpr Color kListBack = Hex(0x161612);
inline constexpr Color kListText = Hex(0xEBE9BE);
// The selected row, as a list box marks it.
inline constexpr Color kSelectedBack = Hex(0x000080);
inline constexpr Color kSelectedText = Hex(0xFFFFFF);

}  // namespace pp
