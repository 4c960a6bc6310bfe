#pragma once
// Every field of GameState by name, for the automation protocol (the "state" event and the
// "set" command) and for the new-game reset. The overlay ring and the name tables are left out.

#include <optional>
#include <string>
#include <string_view>

#include "state/GameState.h"

namespace pp {

// {"ev":"state", ...} with every field under its name. Lists are objects of their non-zero
// entries keyed by index ("12":3); beds list the used ones as {"text":…,"values":[…]}. Texts
// are UTF-8; the raw CP932 texts are converted for display.
std::string StateJson(const GameState& s);

// `set NAME VALUE` / `set NAME[I] VALUE`: numbers in decimal (bytes 0..255); texts take the
// value as it is; a bed takes its six integers and then its text ("1 2 3 4 5 6 text").
// Returns what is wrong, or nothing when the field was set.
std::optional<std::string> SetStateField(GameState& s, std::string_view name,
                                         std::optional<int> index, std::string_view value);

// The new-game values for every run variable of the saved record (itemCount, the reserved lists,
// the beds and the first 200 reservedPairs included); the kept set and the transient variables
// are left alone.
void ResetRunFields(GameState& s);

}  // namespace pp
