#include "extras/ReadAloud.h"

#include <array>
#include <utility>

namespace pp {
namespace {

// The offered labels as one line, the empty buttons left out.
std::string LabelsLine(const std::array<std::string, 3>& labels) {
  std::string line;
  for (const std::string& label : labels) {
    if (label.empty()) continue;
    if (!line.empty()) line += "、";
    line += label;
  }
  return line;
}

}  // namespace

ReadAloud::ReadAloud(std::unique_ptr<Speaker> speaker, bool on)
    : speaker_(std::move(speaker)), on_(on) {}

void ReadAloud::OnEvent(const GameEvent& event) {
  if (const auto* message = std::get_if<MessageEvent>(&event)) {
    BeginLine();
    shown_.push_back(message->text);
    Say(message->text);
  } else if (const auto* choices = std::get_if<ChoicesEvent>(&event)) {
    std::string line = LabelsLine(choices->labels);
    if (line == labels_) return;
    labels_ = std::move(line);
    if (labels_.empty()) return;
    BeginLine();
    Say(labels_);
  } else if (std::holds_alternative<ClickWaitEvent>(event) ||
             std::holds_alternative<ChosenEvent>(event)) {
    movedOn_ = true;
  }
}

bool ReadAloud::OnInput(const HostEvent& e) {
  if (e.type != HostEvent::Type::Key || e.value != HostKey::kS) return false;
  on_ = !on_;
  if (on_) {
    for (const std::string& line : shown_) speaker_->Say(line);
    if (!labels_.empty()) speaker_->Say(labels_);
  } else {
    speaker_->Cancel();
  }
  return true;
}

void ReadAloud::BeginLine() {
  if (!movedOn_) return;
  movedOn_ = false;
  shown_.clear();
  if (on_) speaker_->Cancel();
}

void ReadAloud::Say(const std::string& text) {
  if (on_) speaker_->Say(text);
}

}  // namespace pp
