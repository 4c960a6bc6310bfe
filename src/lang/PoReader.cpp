#include "lang/PoReader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <unordered_map>

namespace pp {
namespace {

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

std::string_view Trim(std::string_view s) {
  s = TrimLeft(s);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

bool IsOctal(char c) { return c >= '0' && c <= '7'; }
bool IsHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The value of a number escape: up to `maxDigits` digits of `base` from text[i] on.
char NumberEscape(std::string_view text, size_t& i, int base, size_t maxDigits) {
  const size_t start = i;
  while (i < text.size() && i - start < maxDigits &&
         (base == 8 ? IsOctal(text[i]) : IsHex(text[i])))
    ++i;
  unsigned value = 0;
  std::from_chars(text.data() + start, text.data() + i, value, base);
  return static_cast<char>(value & 0xFF);
}

// The C string literal `line` starts with (after blanks), its escapes resolved; nullopt with
// `error` set when it is not one, or when anything but blanks follows it.
std::optional<std::string> ParseQuoted(std::string_view line, std::string& error) {
  line = TrimLeft(line);
  if (line.empty() || line.front() != '"') {
    error = "a quoted string is missing";
    return std::nullopt;
  }
  std::string out;
  size_t i = 1;
  for (;;) {
    if (i >= line.size()) {
      error = "unterminated string";
      return std::nullopt;
    }
    const char c = line[i++];
    if (c == '"') break;
    if (c != '\\') {
      out += c;
      continue;
    }
    if (i >= line.size()) {
      error = "unterminated string";
      return std::nullopt;
    }
    const char e = line[i++];
    switch (e) {
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      case 'a':
        out += '\a';
        break;
      case 'b':
        out += '\b';
        break;
      case 'f':
        out += '\f';
        break;
      case 'v':
        out += '\v';
        break;
      case '\\':
      case '"':
      case '\'':
      case '?':
        out += e;
        break;
      case 'x':
        if (i >= line.size() || !IsHex(line[i])) {
          error = "\\x without hexadecimal digits";
          return std::nullopt;
        }
        out += NumberEscape(line, i, 16, 2);
        break;
      default:
        if (!IsOctal(e)) {
          error = std::string("unknown escape \\") + e;
          return std::nullopt;
        }
        --i;
        out += NumberEscape(line, i, 8, 3);
    }
  }
  if (!Trim(line.substr(i)).empty()) {
    error = "text after the closing quote";
    return std::nullopt;
  }
  return out;
}

class Parser {
 public:
  explicit Parser(std::string_view fileName) { file_.name = fileName; }

  PoFile Run(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    int lineNo = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
      size_t end = text.find('\n', pos);
      if (end == std::string_view::npos) end = text.size();
      Line(++lineNo, Trim(text.substr(pos, end - pos)));
      pos = end + 1;
    }
    Finish();
    return std::move(file_);
  }

 private:
  // The entry being read.
  struct Pending {
    PoEntry entry;
    bool hasContext = false, hasId = false, hasTranslation = false;
    bool broken = false;  // a fault was reported in it: it is not used
    int contextLine = 0;
    std::string* target = nullptr;  // where a continued string goes
    std::string discarded;          // msgstr[1] and later
    bool started() const { return hasContext || hasId; }
  };

  void Fault(int line, std::string_view message) {
    file_.faults.push_back(file_.name + ":" + std::to_string(line) + ": " + std::string(message));
  }

  // A fault in the entry being read: it is left out, and strings continuing the faulty line too.
  void EntryFault(int line, std::string_view message) {
    Fault(line, message);
    if (cur_.started()) cur_.broken = true;
    cur_.target = nullptr;
    skipping_ = true;
  }

  void Line(int lineNo, std::string_view line) {
    if (line.empty()) return;
    if (line.front() == '#') return Comment(line);
    if (line.front() == '"') return Continuation(lineNo, line);
    size_t end = 0;
    while (end < line.size() && ((line[end] >= 'a' && line[end] <= 'z') || line[end] == '_')) ++end;
    if (end < line.size() && line[end] == '[') {
      const size_t close = line.find(']', end);
      end = close == std::string_view::npos ? line.size() : close + 1;
    }
    Keyword(lineNo, line.substr(0, end), line.substr(end));
  }

  void Comment(std::string_view line) {
    if (line.starts_with("#~")) return;  // an obsolete entry
    if (cur_.started()) Finish();
    PoEntry& e = cur_.entry;
    const std::string_view body = line.size() >= 2 ? Trim(line.substr(2)) : std::string_view{};
    const char mark = line.size() >= 2 ? line[1] : ' ';
    if (mark == '.') {
      e.extractedComments.emplace_back(body);
    } else if (mark == ':') {
      for (std::string_view rest = body; !rest.empty();) {
        const size_t space = rest.find(' ');
        if (space != 0) e.references.emplace_back(rest.substr(0, space));
        rest = space == std::string_view::npos ? std::string_view{} : TrimLeft(rest.substr(space));
      }
    } else if (mark == ',') {
      for (std::string_view rest = body; !rest.empty();) {
        const size_t comma = rest.find(',');
        const std::string_view flag = Trim(rest.substr(0, comma));
        if (!flag.empty()) e.flags.emplace_back(flag);
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
      }
    } else if (mark != '|') {  // "#|" holds the previous msgid of a fuzzy entry
      e.translatorComments.emplace_back(Trim(line.substr(1)));
    }
  }

  void Continuation(int lineNo, std::string_view line) {
    if (cur_.target == nullptr) {
      if (!skipping_) EntryFault(lineNo, "a string that follows no keyword");
      return;
    }
    std::string error;
    if (std::optional<std::string> s = ParseQuoted(line, error))
      *cur_.target += *s;
    else
      EntryFault(lineNo, error);
  }

  void Keyword(int lineNo, std::string_view keyword, std::string_view rest) {
    skipping_ = false;
    PoEntry& e = cur_.entry;
    const bool opens = keyword == "msgctxt" || keyword == "msgid";
    if (opens && cur_.hasTranslation) Finish();
    if ((keyword == "msgctxt" && cur_.started()) || (keyword == "msgid" && cur_.hasId)) {
      EntryFault(lineNo, std::string(keyword) + " before the msgstr of the entry at line " +
                             std::to_string(cur_.hasId ? e.line : cur_.contextLine));
      Finish();
      skipping_ = false;
    }
    PoEntry& entry = cur_.entry;
    std::string* target = nullptr;
    if (keyword == "msgctxt") {
      cur_.hasContext = true;
      cur_.contextLine = lineNo;
      entry.context.emplace();
      target = &*entry.context;
    } else if (keyword == "msgid") {
      cur_.hasId = true;
      entry.line = lineNo;
      target = &entry.id;
    } else if (keyword == "msgid_plural") {
      if (!cur_.hasId || cur_.hasTranslation || entry.idPlural)
        return EntryFault(lineNo, "msgid_plural out of place");
      entry.idPlural.emplace();
      target = &*entry.idPlural;
    } else if (keyword == "msgstr" || keyword.starts_with("msgstr[")) {
      const bool plural = keyword != "msgstr";
      if (!cur_.hasId || (cur_.hasTranslation && !plural))
        return EntryFault(lineNo, "msgstr without msgid");
      if (plural != entry.idPlural.has_value())
        return EntryFault(lineNo, plural ? "msgstr[] without msgid_plural"
                                         : "msgstr in an entry with msgid_plural: use msgstr[0]");
      const std::string_view index = plural ? keyword.substr(7, keyword.size() - 8) : "0";
      const bool first = index == "0";
      if (index.empty() ||
          !std::all_of(index.begin(), index.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return EntryFault(lineNo, "msgstr with a bad index");
      if (first == cur_.hasTranslation) return EntryFault(lineNo, "msgstr out of place");
      if (first) {
        cur_.hasTranslation = true;
        entry.translationLine = lineNo;
      }
      target = first ? &entry.translation : &cur_.discarded;
    } else {
      return EntryFault(
          lineNo, keyword.empty() ? "syntax error" : "unknown keyword " + std::string(keyword));
    }
    std::string error;
    if (std::optional<std::string> s = ParseQuoted(rest, error)) {
      *target += *s;
      cur_.target = target;
    } else {
      EntryFault(lineNo, error);
    }
  }

  // Ends the entry being read: kept when it is whole and new.
  void Finish() {
    Pending done = std::move(cur_);
    cur_ = Pending{};
    PoEntry& e = done.entry;
    if (!done.hasId) {
      if (done.hasContext && !done.broken) Fault(done.contextLine, "msgctxt without msgid");
      return;
    }
    if (done.broken) return;
    if (!done.hasTranslation) {
      Fault(e.line, "msgid without msgstr");
      return;
    }
    if (!e.context && e.id.empty()) {
      if (file_.headerLine != 0) {
        Fault(e.line,
              "a second header entry; the first is at line " + std::to_string(file_.headerLine));
        return;
      }
      file_.header = std::move(e.translation);
      file_.headerLine = e.line;
      return;
    }
    std::string key = e.context ? "c" + *e.context + '\x04' + e.id : "-" + e.id;
    const auto [it, inserted] = seen_.emplace(std::move(key), e.line);
    if (!inserted) {
      Fault(e.line, "duplicate entry; the first is at line " + std::to_string(it->second));
      return;
    }
    file_.entries.push_back(std::move(e));
  }

  PoFile file_;
  Pending cur_;
  bool skipping_ = false;  // the strings after a faulty line are left out silently
  std::unordered_map<std::string, int> seen_;
};

}  // namespace

bool PoEntry::fuzzy() const {
  return std::find(flags.begin(), flags.end(), "fuzzy") != flags.end();
}

PoFile ReadPo(std::string_view text, std::string_view fileName) {
  return Parser(fileName).Run(text);
}

std::string HeaderField(std::string_view header, std::string_view name) {
  size_t pos = 0;
  while (pos < header.size()) {
    size_t end = header.find('\n', pos);
    if (end == std::string_view::npos) end = header.size();
    const std::string_view line = header.substr(pos, end - pos);
    pos = end + 1;
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    const std::string_view key = Trim(line.substr(0, colon));
    const bool same = key.size() == name.size() &&
                      std::equal(key.begin(), key.end(), name.begin(), [](char a, char b) {
                        return std::tolower(static_cast<unsigned char>(a)) ==
                               std::tolower(static_cast<unsigned char>(b));
                      });
    if (same) return std::string(Trim(line.substr(colon + 1)));
  }
  return {};
}

}  // namespace pp
