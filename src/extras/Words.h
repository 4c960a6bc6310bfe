#pragma once
// The words the additions draw (the options screen, the first run's hint): written here in
// Japanese, read in English from the catalogue like the game's own texts.

#include <string>

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

// The word in Japanese while the game is read in Japanese (or `language` is null), else its
// English (the Japanese when the catalogue has none).
std::string Say(Word word, const DisplayLanguage* language);

}  // namespace pp
