#pragma once
// What a text is on the screen. A catalogue entry whose msgctxt names a role gives that role its
// own English for a Japanese text that English needs two words for; entries without msgctxt serve
// every role.

#include <string_view>

namespace pp::role {

inline constexpr std::string_view kMessage = "message";  // a line of the rising messages
inline constexpr std::string_view kChoice = "choice";    // a choice button's label
inline constexpr std::string_view kStatus = "status";    // a word or row of the status overlay
inline constexpr std::string_view kPanel = "panel";      // the item panel's caption and rows
inline constexpr std::string_view kDetails = "details";  // a line of the item panel's details
inline constexpr std::string_view kNotice = "notice";    // a notice or dialog of the program

}  // namespace pp::role
