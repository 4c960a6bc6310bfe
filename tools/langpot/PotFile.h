#pragma once
// The gettext template being made: entries merged by msgctxt and msgid, kept in source order, and
// written as a .pot file that diffs well (no dates, one reference list per entry).

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pp::langpot {

struct PotEntry {
  std::string context;  // msgctxt; empty for none
  std::string id;
  std::vector<std::string> comments;    // "#." lines, each once
  std::vector<std::string> references;  // "file:line", each once
  size_t fileRank = 0;                  // where it is first found
  int line = 0;
  size_t sequence = 0;
};

class PotFile {
 public:
  // `files` in the order the template lists them; other files come after them.
  explicit PotFile(std::vector<std::string> files) : files_(std::move(files)) {}

  // Adds a text found at file:line, or a place and comment to the entry it already has.
  void Add(std::string_view id, std::string_view context, std::string_view file, int line,
           std::string_view comment);
  // The entries in source order: by file, then line.
  std::vector<PotEntry> Entries() const;
  // The whole template.
  std::string Text() const;

 private:
  std::vector<std::string> files_;
  std::vector<PotEntry> entries_;
  std::map<std::pair<std::string, std::string>, size_t> index_;
};

// `text` as the quoted string of a PO file.
std::string PoQuote(std::string_view text);

}  // namespace pp::langpot
