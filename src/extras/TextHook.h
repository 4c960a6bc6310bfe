#pragma once
// The text hook for translation and dictionary tools: every message line, and every set of
// offered labels (the non-empty ones joined by " / "), written as one UTF-8 line and flushed at
// once; with a clipboard, each message line is also copied there. The lines are those of the
// language the player reads the game in; reading both, the Japanese and the English are written
// on one line, separated by a tab.

#include <iosfwd>
#include <string>
#include <string_view>

#include "extras/Extra.h"

namespace pp {

class Clipboard;
class DisplayLanguage;

enum class TextHookMode { Off, Print, Copy };

// "print" or "copy"; Off for anything else.
TextHookMode ParseTextHookMode(std::string_view word);

// `text` as one line of valid UTF-8: malformed bytes become U+FFFD, line breaks and other
// control characters a space.
std::string HookLine(std::string_view text);

class TextHook final : public Extra {
 public:
  // `out`, `clipboard` (may be null: print only) and `language` (may be null: the game's own)
  // must outlive the hook.
  TextHook(std::ostream& out, Clipboard* clipboard, const DisplayLanguage* language = nullptr)
      : out_(out), clipboard_(clipboard), language_(language) {}

  void OnEvent(const GameEvent& event) override;

 private:
  void Write(const std::string& line);
  // `text` in the language read (both: the Japanese, a tab, the English).
  std::string Read(std::string_view text, std::string_view role) const;

  std::ostream& out_;
  Clipboard* clipboard_;
  const DisplayLanguage* language_;
};

}  // namespace pp
