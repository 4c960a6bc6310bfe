#include "platform/web/PageTextFeed.h"

#include <algorithm>
#include <vector>

#include "core/Json.h"
#include "lang/Roles.h"

namespace pp {
namespace {

// `text` as the picture draws it: the backslash is the yen sign.
std::string AsDrawn(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\\')
      out += "\u00A5";
    else
      out += c;
  }
  return out;
}

}  // namespace

PageTextFeed::PageTextFeed(const DisplayLanguage& language, Send send)
    : language_(language), send_(std::move(send)) {}

std::string_view PageTextFeed::ShownLang() const { return language_.translating() ? "en" : "ja"; }

void PageTextFeed::OnEvent(const GameEvent& event) {
  if (const auto* message = std::get_if<MessageEvent>(&event)) {
    lines_.push_back({message->text, message->colourName});
    if (lines_.size() > kKeptLines) lines_.pop_front();
    SendMessage(lines_.back());
  } else if (const auto* choices = std::get_if<ChoicesEvent>(&event)) {
    labels_ = choices->labels;
    chosen_ = 0;
    SendChoices();
  } else if (const auto* chosen = std::get_if<ChosenEvent>(&event)) {
    chosen_ = chosen->button;
    SendChosen();
  } else if (const auto* panel = std::get_if<PanelEvent>(&event)) {
    panel_ = *panel;
    details_.reset();
    SendPanel();
  } else if (const auto* details = std::get_if<DetailsEvent>(&event)) {
    details_ = details->text;
    SendDetails();
  } else if (std::holds_alternative<PanelHiddenEvent>(event)) {
    panel_.reset();
    details_.reset();
    send_(JsonObject("panel-hidden").str());
  }
}

std::optional<HostEvent> PageTextFeed::Due(int64_t) {
  if (toldMode_ == language_.mode()) return std::nullopt;
  const bool switched = toldMode_.has_value();
  toldMode_ = language_.mode();
  send_(JsonObject("language").Add("mode", DisplayModeName(language_.mode())).str());
  if (!switched) return std::nullopt;
  send_(JsonObject("clear").str());
  for (const PanelLine& line : lines_) SendMessage(line);
  if (labels_ != std::array<std::string, 3>{}) SendChoices();
  if (chosen_ != 0) SendChosen();
  if (panel_) SendPanel();
  if (details_) SendDetails();
  return std::nullopt;
}

void PageTextFeed::SendMessage(const PanelLine& line) {
  JsonObject json("message");
  json.Add("colour", line.colour);
  std::optional<std::string> english;
  if (language_.translating()) english = language_.English(line.text, role::kMessage);
  if (language_.mode() == DisplayLanguage::Mode::English && english) {
    json.Add("lang", "en").Add("text", AsDrawn(*english));
  } else {
    json.Add("lang", "ja").Add("text", AsDrawn(line.text));
    if (english) json.Add("english", AsDrawn(*english));
  }
  send_(json.str());
}

void PageTextFeed::SendChoices() {
  std::array<std::string, 3> shown;
  for (size_t i = 0; i < shown.size(); ++i)
    shown[i] = AsDrawn(language_.Shown(labels_[i], role::kChoice));
  send_(JsonObject("choices").Add("lang", ShownLang()).AddRaw("labels", JsonList(shown)).str());
}

void PageTextFeed::SendChosen() { send_(JsonObject("chosen").Add("button", chosen_).str()); }

void PageTextFeed::SendPanel() {
  std::vector<std::string> rows;
  for (const std::string& row : panel_->rows)
    rows.push_back(AsDrawn(language_.Shown(row, role::kPanel)));
  send_(JsonObject("panel")
            .Add("lang", ShownLang())
            .Add("mode", AsDrawn(language_.Shown(panel_->mode, role::kPanel)))
            .AddRaw("rows", JsonList(rows))
            .str());
}

// The details' lines (the game joins them by CR) each as the player reads them, joined by LF.
void PageTextFeed::SendDetails() {
  std::string shown;
  size_t start = 0;
  for (;;) {
    const size_t end = std::min(details_->find('\r', start), details_->size());
    shown +=
        language_.Shown(std::string_view(*details_).substr(start, end - start), role::kDetails);
    if (end >= details_->size()) break;
    shown += '\n';
    start = end + 1;
  }
  send_(JsonObject("details").Add("lang", ShownLang()).Add("text", AsDrawn(shown)).str());
}

}  // namespace pp
