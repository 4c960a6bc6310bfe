#include "lang/DisplayLanguage.h"

namespace pp {

void DisplayLanguage::CycleMode() {
  mode_ = mode_ == Mode::Japanese  ? Mode::English
          : mode_ == Mode::English ? Mode::Both
                                   : Mode::Japanese;
}

std::optional<std::string> DisplayLanguage::English(std::string_view text,
                                                    std::string_view role) const {
  std::optional<Translation> found = catalogue_.Translate(text, role);
  if (!found) return std::nullopt;
  return std::move(found->text);
}

std::string DisplayLanguage::Shown(std::string_view text, std::string_view role) const {
  if (mode_ == Mode::Japanese) return std::string(text);
  std::optional<std::string> english = English(text, role);
  return english ? std::move(*english) : std::string(text);
}

std::optional<DisplayLanguage::Mode> ParseDisplayMode(std::string_view word) {
  if (word == "ja") return DisplayLanguage::Mode::Japanese;
  if (word == "en") return DisplayLanguage::Mode::English;
  if (word == "both") return DisplayLanguage::Mode::Both;
  return std::nullopt;
}

std::string_view DisplayModeName(DisplayLanguage::Mode mode) {
  switch (mode) {
    case DisplayLanguage::Mode::Japanese:
      return "ja";
    case DisplayLanguage::Mode::English:
      return "en";
    case DisplayLanguage::Mode::Both:
      return "both";
  }
  return "ja";
}

}  // namespace pp
