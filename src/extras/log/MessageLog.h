#pragma once
// The message log's lines: every message of this run and every choice the player took, oldest
// first, at most kCapacity of them (the oldest go first). Platform-independent: the window and
// the browser keep one each.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "gfx/Surface.h"

namespace pp {

struct LogLine {
  std::string text;  // UTF-8 as the game reported it (bytes it cannot draw included)
  Color colour = 0;
  bool chosen = false;  // a button the player pressed: kChosenMark and its label
};

class MessageLog {
 public:
  static constexpr size_t kCapacity = 2000;
  // What a chosen line starts with: "▶ 冒険!!!!".
  static constexpr std::string_view kChosenMark = "▶ ";

  // A message in its colour (the game's line at its brightest).
  void AddMessage(std::string_view text, Color colour);
  // The label of the button the player pressed, marked, in the buttons' glow.
  void AddChosen(std::string_view label);

  size_t size() const { return lines_.size(); }
  // Line `i`, 0 the oldest kept.
  const LogLine& line(size_t i) const { return lines_[i]; }
  // How many lines were ever added, dropped ones included: views follow the log with it.
  uint64_t added() const { return added_; }

 private:
  void Add(LogLine line);

  std::deque<LogLine> lines_;
  uint64_t added_ = 0;
};

}  // namespace pp
