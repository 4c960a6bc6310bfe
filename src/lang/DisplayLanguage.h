#pragma once
// The language the player reads the game in. The game plays in Japanese whatever this says (its
// labels are its rules' keys, its events and saves stay Japanese); what is drawn, logged, hooked
// and spoken asks here first. Japanese shows the game's own texts; English shows each text's
// English, or the Japanese where the catalogue has none; both shows each message in Japanese with
// its English under it, and everything else in English.

#include <optional>
#include <string>
#include <string_view>

#include "lang/Catalogue.h"

namespace pp {

class DisplayLanguage {
 public:
  enum class Mode { Japanese, English, Both };

  // Japanese, with nothing to translate with.
  DisplayLanguage() = default;
  DisplayLanguage(Catalogue catalogue, Mode mode) : catalogue_(std::move(catalogue)), mode_(mode) {}

  Mode mode() const { return mode_; }
  void SetMode(Mode mode) { mode_ = mode; }
  // Japanese, then English, then both, then Japanese again.
  void CycleMode();
  // Whether anything is shown in English now.
  bool translating() const { return mode_ != Mode::Japanese; }

  const Catalogue& catalogue() const { return catalogue_; }
  // Takes a catalogue read again (the translator changed its file).
  void SetCatalogue(Catalogue catalogue) { catalogue_ = std::move(catalogue); }

  // The English of the game's `text` shown as `role` (lang/Roles.h), whatever the mode; nullopt
  // when the catalogue has none.
  std::optional<std::string> English(std::string_view text, std::string_view role) const;
  // What a label, status word or panel text shows now: the text itself in Japanese, else its
  // English, or the text itself where it has none.
  std::string Shown(std::string_view text, std::string_view role) const;

 private:
  Catalogue catalogue_;
  Mode mode_ = Mode::Japanese;
};

// The mode a word names: "ja", "en" or "both"; nullopt for anything else.
std::optional<DisplayLanguage::Mode> ParseDisplayMode(std::string_view word);
// The word for a mode, as ParseDisplayMode reads it.
std::string_view DisplayModeName(DisplayLanguage::Mode mode);

}  // namespace pp
