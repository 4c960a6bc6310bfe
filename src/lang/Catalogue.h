#pragma once
// A language's catalogue: English for the game's Japanese lines, found from the finished line.
// A line is translated by its exact entry, else by the most specific template entry that matches
// it ("{monster}に {n}ダメージ"), whose English gets the values: numbers as they are, texts
// translated themselves (a monster's, item's or level's name has its own entry; a katakana name
// without one is romanised), anything else as it is. The game's byte 0x5C, which it shows as the
// yen sign, comes out as "¥".

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "lang/PoReader.h"
#include "lang/TextTemplate.h"

namespace pp {

struct Translation {
  std::string text;
  // False when a value inside the line had no English and stayed as it was.
  bool complete = true;
};

class Catalogue {
  // Looks strings up by std::string_view without copying them.
  struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  template <typename T>
  using TextMap = std::unordered_map<std::string, T, TextHash, std::equal_to<>>;

 public:
  // An empty catalogue: it translates nothing.
  Catalogue() = default;
  // The usable entries of `file`: translated, not fuzzy, and sound; the others are left out, and
  // their faults join the file's faults.
  explicit Catalogue(PoFile file);
  // Reads a PO file. Never throws: a file that cannot be read gives an empty catalogue and a fault.
  static Catalogue Load(const std::filesystem::path& path);

  // The English of the Japanese `line` shown as `role` (see lang/Roles.h): an entry whose msgctxt
  // is `role` before one without msgctxt, an exact entry before a template. A line without
  // Japanese that no entry names comes back as it is. nullopt: no entry matches (the caller shows
  // the Japanese). Results are cached, so lines drawn every frame cost one hash lookup; not safe
  // to call from two threads at once.
  std::optional<Translation> Translate(std::string_view line, std::string_view role = {}) const;

  // Every fault of the file and its entries, as "file:line: message", in file order.
  const std::vector<std::string>& faults() const { return faults_; }
  // The header's Language field ("en"); empty when it has none.
  const std::string& language() const { return language_; }
  size_t exactCount() const { return exact_.size(); }
  size_t templateCount() const;

 private:
  struct Template {
    TextTemplate pattern;
    std::vector<TemplatePiece> english;  // the msgstr; each placeholder's `text` is its name
    std::vector<int> slots;              // per piece of `english`: the value's index, or -1
  };
  // The templates of one context, most specific first, indexed by what they start or end with.
  struct TemplateSet {
    std::vector<Template> templates;
    // Those that start with text, by its first character.
    std::unordered_map<char32_t, std::vector<size_t>> byFirst;
    // Those that start with a value and end with text, by its last character.
    std::unordered_map<char32_t, std::vector<size_t>> byLast;
    // Those that start and end with values.
    std::vector<size_t> floating;
    void Index();
    std::vector<size_t> Candidates(std::string_view line) const;
  };

  void Add(const PoEntry& entry, const std::string& fileName);
  std::optional<Translation> Find(std::string_view line, std::string_view role, int depth) const;
  std::optional<Translation> Resolve(std::string_view line, std::string_view role, int depth) const;
  std::optional<Translation> ByTemplate(const TemplateSet& set, std::string_view line,
                                        int depth) const;
  Translation Fill(const Template& t, TextTemplate::Values values, int depth) const;
  Translation ValueText(std::string_view value, std::string_view name, int depth) const;

  TextMap<std::string> exact_;  // key: msgid, or msgctxt '\x04' msgid
  TemplateSet plainTemplates_;  // without msgctxt
  TextMap<TemplateSet> contextTemplates_;
  std::vector<std::string> faults_;
  std::string language_;
  mutable TextMap<std::optional<Translation>> cache_;  // key: role '\x04' line
};

}  // namespace pp
