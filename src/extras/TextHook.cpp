#include "extras/TextHook.h"

#include <ostream>

#include "core/Utf8.h"
#include "platform/Clipboard.h"

namespace pp {

TextHookMode ParseTextHookMode(std::string_view word) {
  if (word == "print") return TextHookMode::Print;
  if (word == "copy") return TextHookMode::Copy;
  return TextHookMode::Off;
}

std::string HookLine(std::string_view text) {
  std::string line;
  size_t pos = 0;
  while (pos < text.size()) {
    const char32_t cp = NextCodePoint(text, pos);
    AppendUtf8(line, cp < 0x20 || cp == 0x7F ? U' ' : cp);
  }
  return line;
}

void TextHook::OnEvent(const GameEvent& event) {
  if (const auto* message = std::get_if<MessageEvent>(&event)) {
    const std::string line = HookLine(message->text);
    Write(line);
    if (clipboard_) clipboard_->Copy(line);
  } else if (const auto* choices = std::get_if<ChoicesEvent>(&event)) {
    std::string joined;
    for (const std::string& label : choices->labels) {
      if (label.empty()) continue;
      if (!joined.empty()) joined += " / ";
      joined += label;
    }
    if (!joined.empty()) Write(HookLine(joined));
  }
}

void TextHook::Write(const std::string& line) { out_ << line << '\n' << std::flush; }

}  // namespace pp
