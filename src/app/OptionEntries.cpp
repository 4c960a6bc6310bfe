#include "app/OptionEntries.h"

#include <array>
#include <cstdlib>
#include <ostream>
#include <string>

#include "extras/AutoAdvance.h"
#include "extras/KeyNotice.h"
#include "extras/KeysHelp.h"
#include "extras/LanguageSwitch.h"
#include "extras/ReadAloud.h"
#include "game/Game.h"
#include "lang/DisplayLanguage.h"
#include "platform/OutputLevel.h"
#include "platform/WindowControls.h"
#include "settings/Settings.h"

namespace pp {
namespace {

using Kind = OptionEntry::Kind;

// Base and per-character reading times, slowest first; the middle one is the default.
constexpr std::array<ReadingTime, kAutoSpeeds> kSpeeds{
    {{2000, 100}, {1600, 70}, {1200, 50}, {900, 35}, {700, 25}}};
constexpr std::array<Word, kAutoSpeeds> kSpeedWords{Word::kSpeedVerySlow, Word::kSpeedSlow,
                                                    Word::kSpeedNormal, Word::kSpeedFast,
                                                    Word::kSpeedVeryFast};
constexpr DisplayLanguage::Mode kModes[] = {
    DisplayLanguage::Mode::Japanese, DisplayLanguage::Mode::English, DisplayLanguage::Mode::Both};
constexpr int kVolumeStep = 10;

// Writes the settings file after a change, if there is one.
class Store {
 public:
  explicit Store(const OptionTargets& t) : settings_(t.settings), warnings_(t.warnings) {}

  template <class Key, class Value>
  void operator()(const Key& key, const Value& value) const {
    if (!settings_) return;
    settings_->Set(key, value);
    if (auto error = settings_->Save(); error && warnings_)
      *warnings_ << "panipani: " << *error << "\n";
  }

 private:
  Settings* settings_;
  std::ostream* warnings_;
};

OptionEntry Toggle(Word name, std::function<bool()> get, std::function<void(bool)> set) {
  OptionEntry e;
  e.kind = Kind::Toggle;
  e.name = name;
  e.get = [get] { return get() ? 1 : 0; };
  e.set = [set](int value) -> std::optional<HostEvent> {
    set(value != 0);
    return std::nullopt;
  };
  return e;
}

OptionEntry Choice(Word name, int count, std::function<int()> get, std::function<void(int)> set,
                   std::function<std::string(int, const DisplayLanguage*)> valueText) {
  OptionEntry e;
  e.kind = Kind::Choice;
  e.name = name;
  e.count = count;
  e.get = std::move(get);
  e.set = [set](int value) -> std::optional<HostEvent> {
    set(value);
    return std::nullopt;
  };
  e.valueText = std::move(valueText);
  return e;
}

}  // namespace

ReadingTime AutoSpeedTime(int speed) { return kSpeeds[static_cast<size_t>(speed)]; }

int AutoSpeedOf(const ReadingTime& time) {
  int nearest = 0;
  for (int speed = 1; speed < kAutoSpeeds; ++speed)
    if (std::llabs(kSpeeds[static_cast<size_t>(speed)].perCharacterMs - time.perCharacterMs) <
        std::llabs(kSpeeds[static_cast<size_t>(nearest)].perCharacterMs - time.perCharacterMs))
      nearest = speed;
  return nearest;
}

std::vector<OptionEntry> MakeOptionEntries(const OptionTargets& t) {
  const Store store(t);
  std::vector<OptionEntry> entries;
  if (DisplayLanguage* language = t.language) {
    const bool keep = t.storeLanguage;
    entries.push_back(Choice(
        Word::kLanguage, 3, [language] { return static_cast<int>(language->mode()); },
        [language, keep, store](int value) {
          language->SetMode(kModes[value]);
          if (keep) store(SettingKeys::kLanguage, DisplayModeName(kModes[value]));
        },
        [](int value, const DisplayLanguage*) { return ModeName(kModes[value]); }));
  }
  if (DrawingOptions* drawing = t.drawing) {
    entries.push_back(Toggle(
        Word::kTextBacking, [drawing] { return drawing->textBacking; },
        [drawing, store](bool on) {
          drawing->textBacking = on;
          store(SettingKeys::kTextBacking, on);
        }));
    entries.push_back(Toggle(
        Word::kReduceFlashing, [drawing] { return drawing->reduceFlashing; },
        [drawing, store](bool on) {
          drawing->reduceFlashing = on;
          store(SettingKeys::kReduceFlashing, on);
        }));
  }
  if (ReadAloud* speech = t.speech) {
    entries.push_back(Toggle(
        Word::kSpeech, [speech] { return speech->on(); },
        [speech, store](bool on) {
          speech->SetOn(on);
          store(SettingKeys::kSpeak, on);
        }));
  }
  if (AutoAdvance* autoMode = t.autoMode) {
    entries.push_back(Toggle(
        Word::kAutoMode, [autoMode] { return autoMode->AutoOn(); },
        [autoMode, store](bool on) {
          autoMode->SetAutoOn(on);
          store(SettingKeys::kAutoAdvance, on);
        }));
    entries.push_back(Choice(
        Word::kAutoSpeed, kAutoSpeeds, [autoMode] { return AutoSpeedOf(autoMode->readingTime()); },
        [autoMode, store](int speed) {
          const ReadingTime time = AutoSpeedTime(speed);
          autoMode->SetReadingTime(time);
          store(SettingKeys::kAutoReadingBaseMs, static_cast<int>(time.baseMs));
          store(SettingKeys::kAutoReadingPerCharacterMs, static_cast<int>(time.perCharacterMs));
        },
        [](int speed, const DisplayLanguage* language) {
          return Say(kSpeedWords[static_cast<size_t>(speed)], language);
        }));
  }
  if (OutputLevel* volume = t.volume) {
    OptionEntry e;
    e.kind = Kind::Level;
    e.name = Word::kVolume;
    e.count = OutputLevel::kFull / kVolumeStep + 1;
    e.get = [volume] { return (volume->percent() + kVolumeStep / 2) / kVolumeStep; };
    e.set = [volume, store](int value) -> std::optional<HostEvent> {
      volume->Set(value * kVolumeStep);
      store(SettingKeys::kVolume, volume->percent());
      return std::nullopt;
    };
    e.valueText = [](int value, const DisplayLanguage*) {
      return std::to_string(value * kVolumeStep) + "%";
    };
    entries.push_back(std::move(e));
  }
  if (KeyNotice* sound = t.sound) {
    OptionEntry e = Toggle(Word::kSound, [sound] { return !sound->muted(); }, {});
    // The game mutes itself on its key: the key goes to it, as if pressed.
    e.set = [sound, store](int value) -> std::optional<HostEvent> {
      sound->FollowMuted(value == 0);
      store(SettingKeys::kMute, value == 0);
      HostEvent key;
      key.type = HostEvent::Type::Key;
      key.value = kMuteKey;
      return key;
    };
    entries.push_back(std::move(e));
  }
  if (WindowControls* window = t.window) {
    const int largest = std::max(window->LargestScale(), window->Scale());
    entries.push_back(Choice(
        Word::kScale, largest + 1, [window] { return window->Scale(); },
        [window, store](int scale) {
          window->SetScale(scale);
          store(SettingKeys::kScale, scale);
        },
        [](int scale, const DisplayLanguage* language) {
          return scale == 0 ? Say(Word::kScaleAuto, language) : "×" + std::to_string(scale);
        }));
    entries.push_back(Toggle(
        Word::kFullscreen, [window] { return window->Fullscreen(); },
        [window, store](bool on) {
          window->SetFullscreen(on);
          store(SettingKeys::kFullscreen, on);
        }));
  }
  if (KeysHelp* help = t.help) {
    OptionEntry e;
    e.kind = Kind::Action;
    e.name = Word::kKeysHelp;
    e.run = [help] { help->Open(); };
    entries.push_back(std::move(e));
  }
  return entries;
}

}  // namespace pp
