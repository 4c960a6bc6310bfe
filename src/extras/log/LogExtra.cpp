#include "extras/log/LogExtra.h"

#include "extras/log/LogDraw.h"
#include "extras/log/LogInput.h"
#include "gfx/Text.h"
#include "lang/DisplayLanguage.h"
#include "lang/Roles.h"

namespace pp {
namespace {

int ModeOf(const DisplayLanguage* language) {
  return language ? static_cast<int>(language->mode()) : 0;
}

// A log line as the player reads it in `language`: the chosen buttons' labels and the messages
// translated, in the Latin face; both languages show the Japanese with its English under it.
std::vector<ShownText> ShownLine(const DisplayLanguage& language, const LogLine& line) {
  std::string_view text = line.text;
  std::string mark;
  if (line.chosen && text.starts_with(MessageLog::kChosenMark)) {
    mark = MessageLog::kChosenMark;
    text.remove_prefix(mark.size());
  }
  const std::string_view role = line.chosen ? role::kChoice : role::kMessage;
  std::optional<std::string> english = language.English(text, role);
  if (language.mode() == DisplayLanguage::Mode::Both && !line.chosen) {
    if (english) return {{line.text}, {*english, Face::Latin}};
    return {{line.text}};
  }
  if (english) return {{mark + *english, Face::Latin}};
  return {{line.text}};
}

}  // namespace

LogExtra::LogExtra(TextRenderer& text, const DisplayLanguage* language)
    : text_(text), language_(language), viewMode_(ModeOf(language)), view_(MakeView()) {}

LogView LogExtra::MakeView() const {
  ShowLine show;
  if (language_ && language_->translating())
    show = [language = language_](const LogLine& line) { return ShownLine(*language, line); };
  TextRenderer& text = text_;
  return LogView(
      LogLayout::kRowWidth, LogLayout::kVisibleRows,
      [&text](std::string_view s, Face face) {
        return text.Width(s, LogLayout::kPointSize, false, face);
      },
      std::move(show));
}

LogView& LogExtra::View() {
  if (ModeOf(language_) != viewMode_) {
    viewMode_ = ModeOf(language_);
    view_ = MakeView();
  }
  view_.Follow(log_);
  return view_;
}

void LogExtra::OnEvent(const GameEvent& event) {
  panel_.See(event);
  if (const auto* message = std::get_if<MessageEvent>(&event))
    log_.AddMessage(message->text, message->colour);
  else if (const auto* chosen = std::get_if<ChosenEvent>(&event))
    log_.AddChosen(chosen->label);
}

bool LogExtra::OnInput(const HostEvent& e) {
  LogView& view = View();
  const LogCommand command = ReadLogInput(e, open_, panel_.open(), view.AtNewest());
  using Action = LogCommand::Action;
  switch (command.action) {
    case Action::Pass:
      return false;
    case Action::Open:
      open_ = true;
      view.ScrollToNewest();
      break;
    case Action::Close:
      open_ = false;
      break;
    case Action::Scroll:
      view.ScrollBy(command.rows);
      break;
    case Action::Page:
      view.ScrollBy(command.rows * (view.VisibleRows() - 1));
      break;
    case Action::ToOldest:
      view.ScrollToOldest();
      break;
    case Action::ToNewest:
      view.ScrollToNewest();
      break;
    case Action::Swallow:
      break;
  }
  return true;
}

void LogExtra::DrawOver(Surface& picture) { DrawLog(picture, View(), text_); }

}  // namespace pp
