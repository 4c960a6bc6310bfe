#include "extras/PlayerExtras.h"

#include <memory>

#include "extras/AutoAdvance.h"
#include "extras/KeyboardChoices.h"

namespace pp {

void AddPlayerExtras(ExtrasHost& host, const Settings& settings) {
  // Auto mode sees Space before the keyboard choices turn it into a press.
  host.Add(std::make_unique<AutoAdvance>(ReadingTimeFrom(settings),
                                         settings.Get(SettingKeys::kAutoAdvance)));
  host.Add(std::make_unique<KeyboardChoices>());
}

}  // namespace pp
