#pragma once
// The automation protocol's names of keys: `enter`, `padenter`, `space`, `escape`, `tab`, `ctrl`,
// the arrows, `pageup`, `pagedown`, `home`, `end`, `a`, `l`, `m`, `s`, `t`, `f1`; any other key by
// its code (HostKey).

#include <optional>
#include <string>
#include <string_view>

namespace pp {

// The protocol's name of key code `code`, or its number.
std::string KeyName(int code);
// The key code a name (or a number 1..511) stands for; nullopt for anything else.
std::optional<int> KeyCode(std::string_view text);

}  // namespace pp
