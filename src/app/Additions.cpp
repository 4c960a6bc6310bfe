#include "app/Additions.h"

#include "extras/HelpTable.h"
#include "extras/KeyNotice.h"
#include "extras/KeysHelp.h"
#include "extras/log/LogExtra.h"

namespace pp {

void AddWindowAdditions(ExtrasHost& extras, TextRenderer& text, const GameConfig& config,
                        TextHookMode hook, std::ostream& hookOut, Clipboard* clipboard) {
  // The overlays first: while one is open it takes the player's input before anything else.
  extras.Add(std::make_unique<KeysHelp>(
      text, WindowHelp(EyeOptions{config.reduceFlashing, config.textBacking})));
  extras.Add(std::make_unique<LogExtra>(text));
  if (hook != TextHookMode::Off)
    extras.Add(
        std::make_unique<TextHook>(hookOut, hook == TextHookMode::Copy ? clipboard : nullptr));
  extras.Add(std::make_unique<KeyNotice>(
      text, [&extras] { return extras.NowMs(); }, config.mute));
}

void AddHeadlessAdditions(ExtrasHost& extras, TextHookMode hook, std::ostream& hookOut) {
  if (hook != TextHookMode::Off) extras.Add(std::make_unique<TextHook>(hookOut, nullptr));
}

}  // namespace pp
