#include "extras/log/LogView.h"

#include <algorithm>

#include "core/Utf8.h"

namespace pp {

std::vector<std::string> WrapText(std::string_view text, int width, const MeasureText& measure) {
  std::vector<std::string> rows(1);
  int rowWidth = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t start = pos;
    const char32_t c = NextCodePoint(text, pos);
    const std::string_view character = text.substr(start, pos - start);
    const int w = measure(character);
    if (rowWidth > 0 && rowWidth + w > width) {
      std::string& full = rows.back();
      const size_t blank = full.rfind(' ');
      // A word of Latin letters moves down whole, behind the row's last blank.
      std::string carried;
      if (c != U' ' && c < 0x80 && blank != std::string::npos && blank > 0 &&
          full.find_first_not_of(' ') < blank) {
        carried = full.substr(blank + 1);
        full.erase(blank);
      }
      rows.push_back(carried);
      rowWidth = carried.empty() ? 0 : measure(carried);
      if (c == U' ' && carried.empty()) continue;
    }
    rows.back() += character;
    rowWidth += w;
  }
  return rows;
}

LogView::LogView(int width, int visibleRows, MeasureInFace measure, ShowLine show)
    : width_(width),
      visibleRows_(std::max(visibleRows, 1)),
      measure_(std::move(measure)),
      show_(std::move(show)) {}

void LogView::Follow(const MessageLog& log) {
  const uint64_t fresh = std::min<uint64_t>(log.added() - seen_, log.size());
  const size_t kept = log.size() - static_cast<size_t>(fresh);
  while (rowsPerLine_.size() > kept) {
    rows_.erase(rows_.begin(), rows_.begin() + rowsPerLine_.front());
    rowsPerLine_.pop_front();
  }
  for (size_t i = kept; i < log.size(); ++i) {
    const LogLine& line = log.line(i);
    int added = 0;
    for (const ShownText& shown : show_ ? show_(line) : std::vector<ShownText>{{line.text}}) {
      const auto measure = [&](std::string_view s) { return measure_(s, shown.face); };
      for (std::string& text : WrapText(shown.text, width_, measure)) {
        rows_.push_back(LogRow{std::move(text), line.colour, shown.face});
        ++added;
      }
    }
    rowsPerLine_.push_back(added);
    if (offset_ > 0) offset_ += added;
  }
  seen_ = log.added();
  offset_ = std::min(offset_, MaxOffset());
}

void LogView::ScrollBy(int rows) {
  const int64_t target = int64_t{offset_} + rows;
  offset_ = static_cast<int>(std::clamp<int64_t>(target, 0, MaxOffset()));
}

int LogView::FirstVisibleRow() const { return std::max(RowCount() - visibleRows_ - offset_, 0); }

int LogView::MaxOffset() const { return std::max(RowCount() - visibleRows_, 0); }

}  // namespace pp
