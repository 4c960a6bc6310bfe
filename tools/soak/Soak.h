#pragma once
// A headless player for long runs: it presses a random shown button, now and then uses or buys
// from the item panel and closes it, and checks the game after every choice and every frame.
// The soak test plays it; the translation's coverage tool watches what it is shown.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/GameEvents.h"

namespace pp {

class DisplayLanguage;

// True for the labels of the game's vocabulary (numbered 1 to 123, 94 to 98 unused).
bool IsVocabularyLabel(std::string_view label);

struct SoakResult {
  int64_t lives = 0;                // games over seen
  int64_t choices = 0;              // buttons pressed and panel actions taken
  int64_t frames = 0;               // frames drawn and checked
  std::vector<std::string> faults;  // what went wrong, with the seed and the last label
};

struct SoakOptions {
  // Non-empty: the game's tables (level and monster names) and records come from this data folder.
  std::filesystem::path dataDir;
  DisplayLanguage* language = nullptr;            // the language the frames are drawn in
  std::function<void(const GameEvent&)> onEvent;  // sees every event the game reports
};

// Plays with `seed` until `lives` games are over (or a fault, or `maxChoices` choices).
SoakResult Soak(uint32_t seed, int64_t lives, int64_t maxChoices, const SoakOptions& options = {});

}  // namespace pp
