#pragma once
// Small text helpers shared by the readers of text files and command lines.

#include <string_view>

namespace pp {

// `text` without the spaces, tabs, carriage returns and line feeds at either end.
constexpr std::string_view Trim(std::string_view text) {
  constexpr std::string_view kBlank = " \t\r\n";
  const size_t first = text.find_first_not_of(kBlank);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

}  // namespace pp
