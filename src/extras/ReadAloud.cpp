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

void ReadAloud::OnReport(const Report& report) {
  switch (report.kind) {
    case Report::Kind::Message:
      BeginLine();
      shown_.push_back(report.text);
      Say(report.text);
      break;
    case Report::Kind::Choices: {
      std::string line = LabelsLine(report.labels);
      if (line == labels_) break;
      labels_ = std::move(line);
      if (labels_.empty()) break;
      BeginLine();
      Say(labels_);
      break;
    }
    case Report::Kind::Wait:
    case Report::Kind::Chosen:
      movedOn_ = true;
      break;
    default:
      break;
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
