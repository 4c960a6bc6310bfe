#include "extras/log/MessageLog.h"

namespace pp {
namespace {

// The choice buttons' glow at its middle shade.
constexpr Color kChosenColour = Hex(0xFFDD66);

}  // namespace

void MessageLog::AddMessage(std::string_view text, Color colour) {
  Add(LogLine{std::string(text), colour});
}

void MessageLog::AddChosen(std::string_view label) {
  Add(LogLine{std::string(kChosenMark) + std::string(label), kChosenColour, true});
}

void MessageLog::Add(LogLine line) {
  if (lines_.size() == kCapacity) lines_.pop_front();
  lines_.push_back(std::move(line));
  ++added_;
}

}  // namespace pp
