#include "langpot/PotFile.h"

#include <algorithm>
#include <tuple>

namespace pp::langpot {
namespace {

// Reference lines are wrapped near this width, as xgettext does.
constexpr size_t kReferenceWidth = 79;

template <typename T>
void AddOnce(std::vector<T>& list, std::string_view item) {
  if (!item.empty() && std::find(list.begin(), list.end(), item) == list.end())
    list.emplace_back(item);
}

constexpr std::string_view kHeader =
    "# panipani's texts for translation: the template of every catalogue in this folder.\n"
    "# Made by tools/langpot from the game's source and data (cmake --build build --target\n"
    "# update_catalogue); do not edit it by hand.\n"
    "#\n"
    "# A text in braces is a value the game fills in: {n}, {n2} are numbers; {monster}, {item},\n"
    "# {level} and {name} are names with entries of their own; {text} is other text. Keep each\n"
    "# placeholder of the msgid in the msgstr, in the order English needs.\n"
    "#, fuzzy\n"
    "msgid \"\"\n"
    "msgstr \"\"\n"
    "\"Project-Id-Version: panipani\\n\"\n"
    "\"Report-Msgid-Bugs-To: \\n\"\n"
    "\"PO-Revision-Date: YEAR-MO-DA HO:MI+ZONE\\n\"\n"
    "\"Last-Translator: FULL NAME <EMAIL@ADDRESS>\\n\"\n"
    "\"Language-Team: LANGUAGE <LL@li.org>\\n\"\n"
    "\"Language: \\n\"\n"
    "\"MIME-Version: 1.0\\n\"\n"
    "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
    "\"Content-Transfer-Encoding: 8bit\\n\"\n";

}  // namespace

std::string PoQuote(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        out += c;
    }
  }
  return out + "\"";
}

void PotFile::Add(std::string_view id, std::string_view context, std::string_view file, int line,
                  std::string_view comment) {
  const auto rank =
      static_cast<size_t>(std::find(files_.begin(), files_.end(), file) - files_.begin());
  const std::string reference = std::string(file) + ":" + std::to_string(line);
  const auto key = std::make_pair(std::string(context), std::string(id));
  auto [it, added] = index_.emplace(key, entries_.size());
  if (added) {
    entries_.push_back({key.first, key.second, {}, {}, rank, line, entries_.size()});
  }
  PotEntry& e = entries_[it->second];
  if (std::tie(rank, line) < std::tie(e.fileRank, e.line)) {
    e.fileRank = rank;
    e.line = line;
  }
  AddOnce(e.comments, comment);
  AddOnce(e.references, reference);
}

std::vector<PotEntry> PotFile::Entries() const {
  std::vector<PotEntry> sorted = entries_;
  std::sort(sorted.begin(), sorted.end(), [](const PotEntry& a, const PotEntry& b) {
    return std::tie(a.fileRank, a.line, a.sequence) < std::tie(b.fileRank, b.line, b.sequence);
  });
  return sorted;
}

std::string PotFile::Text() const {
  std::string out(kHeader);
  for (const PotEntry& e : Entries()) {
    out += "\n";
    for (const std::string& c : e.comments) out += "#. " + c + "\n";
    std::string references;
    for (const std::string& r : e.references) {
      if (!references.empty() && references.size() + 1 + r.size() > kReferenceWidth) {
        out += references + "\n";
        references.clear();
      }
      references += (references.empty() ? "#: " : " ") + r;
    }
    if (!references.empty()) out += references + "\n";
    if (!e.context.empty()) out += "msgctxt " + PoQuote(e.context) + "\n";
    out += "msgid " + PoQuote(e.id) + "\nmsgstr \"\"\n";
  }
  return out;
}

}  // namespace pp::langpot
