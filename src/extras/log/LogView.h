#pragma once
// The log as rows on screen: each line wrapped to the rows' pixel width, and the scroll position
// over all of them, newest at the bottom. Platform-independent; the width of a text comes from
// the caller (the game's own text metrics).

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "extras/log/MessageLog.h"
#include "gfx/GlyphSource.h"

namespace pp {

// Width in pixels of a text as it is drawn.
using MeasureText = std::function<int(std::string_view)>;
// Width in pixels of a text as it is drawn in a face.
using MeasureInFace = std::function<int(std::string_view, Face)>;

// A text of the log and the face it is drawn with.
struct ShownText {
  std::string text;
  Face face = Face::Japanese;
};
// What a line of the log shows, before it is wrapped: its own text, or the text in the language
// the player reads (one text, or two when both languages are read).
using ShowLine = std::function<std::vector<ShownText>(const LogLine&)>;

// `text` split into rows of at most `width` pixels, between characters or, where a row holds a
// blank before the character that no longer fits, after its last blank (so English breaks
// between words); a character wider than the row gets a row of its own. Malformed bytes count as
// one character each. An empty text is one empty row.
std::vector<std::string> WrapText(std::string_view text, int width, const MeasureText& measure);

struct LogRow {
  std::string text;
  Color colour = 0;
  Face face = Face::Japanese;
};

class LogView {
 public:
  // Rows of `width` pixels, `visibleRows` of them on screen at once (at least 1); each line
  // shows what `show` says (empty: its own text).
  LogView(int width, int visibleRows, MeasureInFace measure, ShowLine show = {});

  // Takes in the lines added to `log` since the last call and forgets those it dropped. A
  // reader scrolled back keeps the same rows in view while new ones arrive below.
  void Follow(const MessageLog& log);

  // Scrolls by `rows` (positive: toward older rows), kept within the rows there are.
  void ScrollBy(int rows);
  void ScrollToOldest() { ScrollBy(RowCount()); }
  void ScrollToNewest() { offset_ = 0; }
  bool AtNewest() const { return offset_ == 0; }

  int RowCount() const { return static_cast<int>(rows_.size()); }
  int VisibleRows() const { return visibleRows_; }
  // Index of the top row on screen (0 the oldest); the screen shows up to VisibleRows() rows
  // from there.
  int FirstVisibleRow() const;
  const LogRow& row(int i) const { return rows_[static_cast<size_t>(i)]; }

 private:
  int MaxOffset() const;

  int width_;
  int visibleRows_;
  MeasureInFace measure_;
  ShowLine show_;
  std::deque<LogRow> rows_;
  std::deque<int> rowsPerLine_;  // for every line taken in, oldest first
  uint64_t seen_ = 0;            // the log's added() when last followed
  int offset_ = 0;               // rows between the bottom of the screen and the newest row
};

}  // namespace pp
