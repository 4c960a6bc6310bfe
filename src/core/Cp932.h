#pragma once
// Text conversion at the file boundaries: the game keeps UTF-8 inside and CP932 in its files.

#include <optional>
#include <string>
#include <string_view>

namespace pp {

// CP932 bytes to UTF-8; nullopt when the bytes are not valid CP932.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
// UTF-8 to CP932 bytes; nullopt when a character has no CP932 code.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);
// Number of CP932 bytes the UTF-8 text takes (characters without a code count 2).
size_t Cp932Length(std::string_view utf8);

}  // namespace pp
