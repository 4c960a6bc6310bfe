#include "app/Additions.h"

#include <system_error>

#include "app/OptionEntries.h"
#include "extras/AutoAdvance.h"
#include "extras/HelpTable.h"
#include "extras/KeyNotice.h"
#include "extras/KeyboardChoices.h"
#include "extras/KeysHelp.h"
#include "extras/LanguageSwitch.h"
#include "extras/ReadAloud.h"
#include "extras/WelcomeHint.h"
#include "extras/log/LogExtra.h"
#include "extras/options/OptionsScreen.h"
#include "platform/Speaker.h"
#include "settings/Settings.h"
#include "state/SaveFolder.h"

namespace pp {

void AddPlayerAdditions(ExtrasHost& extras, const GameConfig& config, PlayerSetup setup) {
  TextRenderer& text = *setup.text;
  const auto now = [&extras] { return extras.NowMs(); };
  const Settings defaults;
  const Settings& settings = setup.settings ? *setup.settings : defaults;
  // The hint and the marks on the picture first, so that the overlays are drawn over them.
  if (setup.firstRun) extras.Add(std::make_unique<WelcomeHint>(text, config.language));
  // Auto mode sees Space before the keyboard choices turn it into a press.
  AutoAdvance& autoMode = extras.Add(std::make_unique<AutoAdvance>(
      ReadingTimeFrom(settings), settings.Get(SettingKeys::kAutoAdvance)));
  extras.Add(std::make_unique<KeyboardChoices>(text, now));
  // While an overlay is open it holds the player's input from the rest.
  KeysHelp& help = extras.Add(std::make_unique<KeysHelp>(text, WindowHelp()));
  // The screen is made before its entries' targets exist; they are bound below.
  OptionsScreen& options =
      extras.Add(std::make_unique<OptionsScreen>(text, config.language, &help));
  extras.Add(std::make_unique<LogExtra>(text, config.language));
  if (setup.hook != TextHookMode::Off)
    extras.Add(std::make_unique<TextHook>(
        *setup.hookOut, setup.hook == TextHookMode::Copy ? setup.clipboard : nullptr,
        config.language));
  KeyNotice& sound = extras.Add(std::make_unique<KeyNotice>(text, now, config.mute));
  if (config.language)
    extras.Add(std::make_unique<LanguageSwitch>(*config.language, text, now, setup.catalogue));
  ReadAloud* speech = nullptr;
  if (setup.speaker)
    speech = &extras.Add(
        std::make_unique<ReadAloud>(std::move(setup.speaker), setup.speak, config.language));

  OptionTargets targets;
  targets.language = config.language;
  targets.storeLanguage = setup.storeLanguage;
  targets.drawing = config.drawing.get();
  targets.speech = speech;
  targets.autoMode = &autoMode;
  targets.volume = setup.volume;
  targets.sound = &sound;
  targets.window = setup.window;
  targets.help = &help;
  targets.settings = setup.settings;
  targets.warnings = setup.warnings;
  options.SetEntries(MakeOptionEntries(targets));
}

void AddHeadlessAdditions(ExtrasHost& extras, const GameConfig& config, TextHookMode hook,
                          std::ostream& hookOut) {
  if (hook != TextHookMode::Off)
    extras.Add(std::make_unique<TextHook>(hookOut, nullptr, config.language));
}

bool IsFirstRun(const std::filesystem::path& saveDir) {
  std::error_code ec;
  return !saveDir.empty() && !std::filesystem::exists(SaveFilePath(saveDir), ec) && !ec;
}

}  // namespace pp
