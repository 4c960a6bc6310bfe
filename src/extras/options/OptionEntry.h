#pragma once
// One line of the options screen: a setting with a few values to step through, or an action.
// The program makes them, each bound to what it changes and to the settings file.

#include <functional>
#include <optional>
#include <string>

#include "extras/Words.h"
#include "platform/Host.h"

namespace pp {

class DisplayLanguage;

struct OptionEntry {
  enum class Kind {
    Toggle,  // off (0) or on (1)
    Choice,  // one of `count` values, named by valueText, stepped round
    Level,   // 0..count-1, drawn as a bar (and valueText beside it when given)
    Action,  // does something once (`run`)
  };
  Kind kind = Kind::Toggle;
  Word name = Word::kClose;
  int count = 2;
  // The value now.
  std::function<int()> get;
  // Applies `value` at once and remembers it; may hand the game one input of its own (the mute
  // key, which the game answers itself).
  std::function<std::optional<HostEvent>(int value)> set;
  // The words for a value in the language read; unset: none (a Level's bar says it).
  std::function<std::string(int value, const DisplayLanguage* language)> valueText;
  std::function<void()> run;
};

}  // namespace pp
