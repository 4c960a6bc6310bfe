#pragma once
// The game's text tables (map.dat, name.dat) from UTF-8 sources: one entry a line.

#include <string>
#include <string_view>

namespace pp::datagen {

// The non-empty lines of `utf8` (comment lines starting with '#' left out), as CP932 with CR LF
// after each. Throws std::runtime_error naming `what` when there are not exactly `count` entries
// or an entry has no CP932 form.
std::string BuildTextTable(std::string_view utf8, size_t count, std::string_view what);

}  // namespace pp::datagen
