#pragma once
// The words the additions draw (the options screen, the first run's hint), in Japanese and in
// English: one table, so a new word or a new language is a column here. The game's own texts go
// through the catalogue instead; these belong to the program around it.

#include <string_view>

namespace pp {

class DisplayLanguage;

enum class Word {
  kOptionsTitle,
  kLanguage,
  kTextBacking,
  kReduceFlashing,
  kSpeech,
  kAutoMode,
  kAutoSpeed,
  kVolume,
  kSound,
  kScale,
  kFullscreen,
  kKeysHelp,
  kClose,
  kOn,
  kOff,
  kScaleAuto,
  kSpeedVerySlow,
  kSpeedSlow,
  kSpeedNormal,
  kSpeedFast,
  kSpeedVeryFast,
  kOptionsFoot,
  kWelcomeTitle,
  kWelcomeLogin,
  kCount,
};

// The words are Japanese while the game is read in Japanese (or `language` is null), English
// otherwise.
bool WordsInJapanese(const DisplayLanguage* language);
std::string_view Say(Word word, bool japanese);
std::string_view Say(Word word, const DisplayLanguage* language);

}  // namespace pp
