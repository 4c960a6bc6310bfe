#include "app/Additions.h"

#include "extras/HelpTable.h"
#include "extras/KeyNotice.h"
#include "extras/KeysHelp.h"
#include "extras/LanguageSwitch.h"
#include "extras/log/LogExtra.h"

namespace pp {

void AddWindowAdditions(ExtrasHost& extras, TextRenderer& text, const GameConfig& config,
                        TextHookMode hook, std::ostream& hookOut, Clipboard* clipboard,
                        const std::filesystem::path& catalogue) {
  // The overlays first: while one is open it takes the player's input before anything else.
  extras.Add(std::make_unique<KeysHelp>(
      text, WindowHelp(EyeOptions{config.reduceFlashing, config.textBacking})));
  extras.Add(std::make_unique<LogExtra>(text, config.language));
  if (hook != TextHookMode::Off)
    extras.Add(std::make_unique<TextHook>(hookOut, hook == TextHookMode::Copy ? clipboard : nullptr,
                                          config.language));
  const auto now = [&extras] { return extras.NowMs(); };
  extras.Add(std::make_unique<KeyNotice>(text, now, config.mute));
  if (config.language)
    extras.Add(std::make_unique<LanguageSwitch>(*config.language, text, now, catalogue));
}

void AddHeadlessAdditions(ExtrasHost& extras, const GameConfig& config, TextHookMode hook,
                          std::ostream& hookOut) {
  if (hook != TextHookMode::Off)
    extras.Add(std::make_unique<TextHook>(hookOut, nullptr, config.language));
}

}  // namespace pp
