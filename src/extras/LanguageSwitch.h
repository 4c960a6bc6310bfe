#pragma once
// Switching the language the game is read in: key T goes from Japanese to English to both and
// back, saying so in a short notice at the top right; the reset question is asked in the
// language read. In the window it also watches the catalogue's file and reads it again when a
// translator saves it, saying so (or naming the first fault) the same way.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "extras/Extra.h"
#include "gfx/Notice.h"
#include "lang/DisplayLanguage.h"

namespace pp {

class TextRenderer;

class LanguageSwitch final : public Extra {
 public:
  // How often the catalogue's file is looked at while it is watched.
  static constexpr int64_t kWatchEveryMs = 1000;

  // `language` and `text` must outlive it; `now` is the host's clock. A non-empty `watched` is
  // the catalogue file to read again whenever it changes.
  LanguageSwitch(DisplayLanguage& language, TextRenderer& text, std::function<int64_t()> now,
                 std::filesystem::path watched = {});

  // Takes key T.
  bool OnInput(const HostEvent& e) override;
  // Looks at the watched file now and then; makes no input.
  std::optional<HostEvent> Due(int64_t nowMs) override;
  void RewriteQuestion(std::string& question) override;
  bool Visible() const override;
  void DrawOver(Surface& picture) override;

 private:
  void Say(std::string line);

  DisplayLanguage& language_;
  TextRenderer& text_;
  std::function<int64_t()> now_;
  std::filesystem::path watched_;
  std::filesystem::file_time_type watchedTime_{};
  int64_t nextLookMs_ = 0;
  Notice notice_;
};

// A mode in its own words: "日本語", "English", "日本語 + English".
std::string ModeName(DisplayLanguage::Mode mode);
// What the notice says a mode is: its name and the key.
std::string ModeNotice(DisplayLanguage::Mode mode);

}  // namespace pp
