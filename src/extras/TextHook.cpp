#include "extras/TextHook.h"

#include <ostream>

#include "core/Utf8.h"
#include "lang/DisplayLanguage.h"
#include "lang/Roles.h"
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
    const std::string line = Read(message->text, role::kMessage);
    Write(line);
    if (clipboard_) clipboard_->Copy(line);
  } else if (const auto* choices = std::get_if<ChoicesEvent>(&event)) {
    std::string joined, english;
    for (const std::string& label : choices->labels) {
      if (label.empty()) continue;
      if (!joined.empty()) joined += " / ";
      joined += label;
      if (!english.empty()) english += " / ";
      english += language_ ? language_->Shown(label, role::kChoice) : label;
    }
    if (joined.empty()) return;
    using Mode = DisplayLanguage::Mode;
    const Mode mode = language_ ? language_->mode() : Mode::Japanese;
    if (mode == Mode::Japanese) Write(HookLine(joined));
    if (mode == Mode::English) Write(HookLine(english));
    if (mode == Mode::Both) Write(HookLine(joined) + "\t" + HookLine(english));
  }
}

std::string TextHook::Read(std::string_view text, std::string_view role) const {
  using Mode = DisplayLanguage::Mode;
  const Mode mode = language_ ? language_->mode() : Mode::Japanese;
  if (mode == Mode::Japanese) return HookLine(text);
  std::optional<std::string> english = language_->English(text, role);
  if (mode == Mode::English) return HookLine(english ? *english : text);
  return HookLine(text) + (english ? "\t" + HookLine(*english) : std::string());
}

void TextHook::Write(const std::string& line) { out_ << line << '\n' << std::flush; }

}  // namespace pp
