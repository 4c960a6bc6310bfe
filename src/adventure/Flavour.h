#pragma once
// The flavour lines shown when an encounter comes to nothing.

#include <string>
#include <string_view>
#include <utility>

namespace pp {

inline constexpr int kFlavourLines = 20;
// Most CP932 bytes one message line of a flavour line takes; longer lines are shown as two.
inline constexpr size_t kFlavourSplitBytes = 40;

// Flavour line `index` (0..19); empty outside that range.
std::string_view FlavourLine(int index);

// Splits `text` after at most `bytes` CP932 bytes on a character boundary; the second part is
// empty when the whole text fits.
std::pair<std::string, std::string> SplitAtCp932Bytes(std::string_view text, size_t bytes);

}  // namespace pp
