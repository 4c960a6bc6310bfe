#pragma once
// What the item panel (`item_box`) holds while the game runs: its visibility, the caption of
// its action button, the description text and the rows of its item list.

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/Surface.h"

namespace pp {

// One row of `item_list`: the text shown, and the item it was made for, so that the row finds
// its item whatever its count prefix looks like.
struct PanelRow {
  std::string text;  // empty once the row has been sold
  int32_t id = 0;
};

struct ItemPanel {
  bool visible = false;
  std::string caption;               // `item_b`: "使う", "買う" or "秘密"
  std::string details;               // `item_l`: lines separated by '\r'
  std::vector<std::string> wrapped;  // `details` as drawn: word-wrapped to the label's width
  std::vector<PanelRow> rows;
  int selectedRow = -1;  // -1: no row selected
  int topRow = 0;        // first row shown; the list scrolls when the rows do not all fit

  // Drawing layers, made once: the panel, and the two areas that clip their text.
  Surface canvas{238, 265};
  Surface detailsArea{105, 177};
  Surface listArea{121, 253};
};

}  // namespace pp
