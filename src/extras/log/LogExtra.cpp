#include "extras/log/LogExtra.h"

#include "extras/log/LogDraw.h"
#include "extras/log/LogInput.h"
#include "gfx/Text.h"

namespace pp {

LogExtra::LogExtra(TextRenderer& text)
    : text_(text),
      view_(LogLayout::kRowWidth, LogLayout::kVisibleRows,
            [&text](std::string_view s) { return text.Width(s, LogLayout::kPointSize, false); }) {}

void LogExtra::OnEvent(const GameEvent& event) {
  panel_.See(event);
  if (const auto* message = std::get_if<MessageEvent>(&event))
    log_.AddMessage(message->text, message->colour);
  else if (const auto* chosen = std::get_if<ChosenEvent>(&event))
    log_.AddChosen(chosen->label);
}

bool LogExtra::OnInput(const HostEvent& e) {
  view_.Follow(log_);
  const LogCommand command = ReadLogInput(e, open_, panel_.open(), view_.AtNewest());
  using Action = LogCommand::Action;
  switch (command.action) {
    case Action::Pass:
      return false;
    case Action::Open:
      open_ = true;
      view_.ScrollToNewest();
      break;
    case Action::Close:
      open_ = false;
      break;
    case Action::Scroll:
      view_.ScrollBy(command.rows);
      break;
    case Action::Page:
      view_.ScrollBy(command.rows * (view_.VisibleRows() - 1));
      break;
    case Action::ToOldest:
      view_.ScrollToOldest();
      break;
    case Action::ToNewest:
      view_.ScrollToNewest();
      break;
    case Action::Swallow:
      break;
  }
  return true;
}

void LogExtra::DrawOver(Surface& picture) {
  view_.Follow(log_);
  DrawLog(picture, view_, text_);
}

}  // namespace pp
