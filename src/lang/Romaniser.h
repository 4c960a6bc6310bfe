#pragma once
// Latin spellings of katakana names, for the random names the game makes of katakana syllables
// (full-width and half-width) that no catalogue can list.

#include <optional>
#include <string>
#include <string_view>

namespace pp {

// `name` in Latin letters with a capital first letter ("ナニヌネ" -> "Naninune", "ﾁｬﾃｰ" ->
// "Chatee"): Hepburn syllables, ッ doubling the next consonant, ー doubling the vowel, ン as m
// before b, m and p, a middle dot as a space. nullopt unless the name is katakana only.
std::optional<std::string> RomaniseKatakana(std::string_view name);

}  // namespace pp
