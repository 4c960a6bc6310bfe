#pragma once
// The text hook for translation and dictionary tools: every message line, and every set of
// offered labels (the non-empty ones joined by " / "), written as one UTF-8 line and flushed at
// once; with a clipboard, each message line is also copied there.

#include <iosfwd>
#include <string>
#include <string_view>

#include "extras/Extra.h"

namespace pp {

class Clipboard;

enum class TextHookMode { Off, Print, Copy };

// "print" or "copy"; Off for anything else.
TextHookMode ParseTextHookMode(std::string_view word);

// `text` as one line of valid UTF-8: malformed bytes become U+FFFD, line breaks and other
// control characters a space.
std::string HookLine(std::string_view text);

class TextHook final : public Extra {
 public:
  // `out` and `clipboard` (may be null: print only) must outlive the hook.
  TextHook(std::ostream& out, Clipboard* clipboard) : out_(out), clipboard_(clipboard) {}

  void OnEvent(const GameEvent& event) override;

 private:
  void Write(const std::string& line);

  std::ostream& out_;
  Clipboard* clipboard_;
};

}  // namespace pp
