#pragma once
// Reading gettext PO catalogues: the entries as written, and every fault as "file:line: message".
// Reading never throws; a faulty entry is left out and the rest is read on.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pp {

struct PoEntry {
  std::optional<std::string> context;           // msgctxt, when the entry has one
  std::string id;                               // msgid
  std::optional<std::string> idPlural;          // msgid_plural, when the entry has one
  std::string translation;                      // msgstr (msgstr[0] of an entry with plural forms)
  std::vector<std::string> translatorComments;  // "# ..."
  std::vector<std::string> extractedComments;   // "#. ..."
  std::vector<std::string> references;          // "#: file:line", one per reference
  std::vector<std::string> flags;               // "#, fuzzy, c-format"
  int line = 0;                                 // the line of msgid
  int translationLine = 0;                      // the line of msgstr

  bool fuzzy() const;
};

struct PoFile {
  std::string name;              // the file name the faults carry
  std::string header;            // the header entry's msgstr ("Language: en\n...")
  int headerLine = 0;            // its msgid's line; 0 without a header
  std::vector<PoEntry> entries;  // in file order, the header and obsolete entries left out
  std::vector<std::string> faults;
};

// Parses the PO text `text`; `fileName` names it in the faults.
PoFile ReadPo(std::string_view text, std::string_view fileName);

// The value of the header field `name` ("Language"), trimmed; empty when the header has none.
std::string HeaderField(std::string_view header, std::string_view name);

}  // namespace pp
