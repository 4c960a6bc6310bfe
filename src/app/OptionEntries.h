#pragma once
// The options screen's entries, each bound to what it changes and to the settings file: a change
// applies at once and is written at once. An entry whose target a front end lacks is left out
// (the page has no window scale, say).

#include <iosfwd>
#include <vector>

#include "extras/options/OptionEntry.h"

namespace pp {

class AutoAdvance;
class DisplayLanguage;
class KeyNotice;
class KeysHelp;
class OutputLevel;
class ReadAloud;
class Settings;
class WindowControls;
struct DrawingOptions;

// What the entries change; each must outlive the screen. Null leaves its entries out.
struct OptionTargets {
  DisplayLanguage* language = nullptr;
  bool storeLanguage = true;  // false: the language came as a catalogue file; a switch is not kept
  DrawingOptions* drawing = nullptr;
  ReadAloud* speech = nullptr;
  AutoAdvance* autoMode = nullptr;
  OutputLevel* volume = nullptr;
  KeyNotice* sound = nullptr;  // follows the mute key, which the game answers
  WindowControls* window = nullptr;
  KeysHelp* help = nullptr;
  Settings* settings = nullptr;      // where each change is written; null: nowhere
  std::ostream* warnings = nullptr;  // a write that failed
};

// In their order on the screen: language, text backing, reduce flashing, speech, auto mode and
// its speed, volume, sound, window scale, fullscreen, keys help.
std::vector<OptionEntry> MakeOptionEntries(const OptionTargets& targets);

// Auto mode's five speeds, slowest first, and the one nearest a reading time.
inline constexpr int kAutoSpeeds = 5;
struct ReadingTime;
ReadingTime AutoSpeedTime(int speed);
int AutoSpeedOf(const ReadingTime& time);

}  // namespace pp
