#include "extras/ReadAloud.h"

#include <algorithm>
#include <array>
#include <utility>

#include "lang/DisplayLanguage.h"
#include "lang/Roles.h"

namespace pp {
namespace {

// Between the labels of one line, as a Japanese voice pauses.
constexpr std::string_view kLabelSeparator = "、";

// The offered labels as one line, the empty buttons left out.
std::string LabelsLine(const std::array<std::string, 3>& labels) {
  std::string line;
  for (const std::string& label : labels) {
    if (label.empty()) continue;
    if (!line.empty()) line += kLabelSeparator;
    line += label;
  }
  return line;
}

}  // namespace

ReadAloud::ReadAloud(std::unique_ptr<Speaker> speaker, bool on, const DisplayLanguage* language)
    : speaker_(std::move(speaker)), language_(language), on_(on) {}

void ReadAloud::OnEvent(const GameEvent& event) {
  if (const auto* message = std::get_if<MessageEvent>(&event)) {
    BeginLine();
    shown_.push_back(message->text);
    Say(message->text, role::kMessage);
  } else if (const auto* choices = std::get_if<ChoicesEvent>(&event)) {
    std::string line = LabelsLine(choices->labels);
    if (line == labels_) return;
    labels_ = std::move(line);
    if (labels_.empty()) return;
    BeginLine();
    Say(labels_, role::kChoice);
  } else if (std::holds_alternative<ClickWaitEvent>(event) ||
             std::holds_alternative<ChosenEvent>(event)) {
    movedOn_ = true;
  }
}

bool ReadAloud::OnInput(const HostEvent& e) {
  if (e.type != HostEvent::Type::Key || e.value != HostKey::kS) return false;
  SetOn(!on_);
  return true;
}

void ReadAloud::SetOn(bool on) {
  if (on == on_) return;
  on_ = on;
  if (on_) {
    for (const std::string& line : shown_) SayNow(line, role::kMessage);
    if (!labels_.empty()) SayNow(labels_, role::kChoice);
  } else {
    speaker_->Cancel();
  }
}

void ReadAloud::BeginLine() {
  if (!movedOn_) return;
  movedOn_ = false;
  shown_.clear();
  if (on_) speaker_->Cancel();
}

void ReadAloud::Say(const std::string& text, std::string_view role) {
  if (on_) SayNow(text, role);
}

void ReadAloud::SayNow(const std::string& text, std::string_view role) {
  using Mode = DisplayLanguage::Mode;
  const Mode mode = language_ ? language_->mode() : Mode::Japanese;
  // The labels line is read label by label, each in its own words.
  std::optional<std::string> english;
  if (mode != Mode::Japanese) {
    if (role == role::kChoice) {
      std::string line;
      size_t start = 0;
      for (;;) {
        const size_t end = std::min(text.find(kLabelSeparator, start), text.size());
        if (!line.empty()) line += ", ";
        line += language_->Shown(std::string_view(text).substr(start, end - start), role);
        if (end >= text.size()) break;
        start = end + kLabelSeparator.size();
      }
      english = std::move(line);
    } else {
      english = language_->English(text, role);
    }
  }
  if (mode != Mode::English || !english) speaker_->Say(text, "ja");
  if (english) speaker_->Say(*english, "en");
}

}  // namespace pp
