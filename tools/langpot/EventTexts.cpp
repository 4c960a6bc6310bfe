#include "langpot/EventTexts.h"

#include <charconv>
#include <map>

#include "core/Utf8.h"
#include "lang/Roles.h"

namespace pp::langpot {
namespace {

// The string fields and string lists of a flat JSON object; other values are stepped over.
class FieldReader {
 public:
  explicit FieldReader(std::string_view json) : s_(json) {}

  std::map<std::string, std::vector<std::string>> Read() {
    std::map<std::string, std::vector<std::string>> fields;
    if (!Take('{')) return {};
    while (!Take('}')) {
      std::string key;
      if (!String(key) || !Take(':')) return {};
      std::vector<std::string>& values = fields[key];
      if (!Value(values)) return {};
      Take(',');
    }
    return fields;
  }

 private:
  bool Take(char c) {
    while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
    if (pos_ >= s_.size() || s_[pos_] != c) return false;
    ++pos_;
    return true;
  }

  bool Value(std::vector<std::string>& out) {
    std::string text;
    if (pos_ < s_.size() && s_[pos_] == '"') {
      if (!String(text)) return false;
      out.push_back(std::move(text));
      return true;
    }
    if (Take('[')) {
      while (!Take(']')) {
        if (!Value(out)) return false;
        Take(',');
      }
      return true;
    }
    // A number, true, false, null or a nested object: stepped over, strings inside included.
    int depth = 0;
    while (pos_ < s_.size()) {
      const char c = s_[pos_];
      if (c == '"') {
        if (!String(text)) return false;
        continue;
      }
      if (depth == 0 && (c == ',' || c == '}' || c == ']')) return true;
      if (c == '{' || c == '[') ++depth;
      if (c == '}' || c == ']') --depth;
      ++pos_;
    }
    return false;
  }

  bool String(std::string& out) {
    if (!Take('"')) return false;
    while (pos_ < s_.size()) {
      const char c = s_[pos_++];
      if (c == '"') return true;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= s_.size()) return false;
      const char e = s_[pos_++];
      if (e == 'u') {
        unsigned code = 0;
        if (pos_ + 4 > s_.size()) return false;
        std::from_chars(s_.data() + pos_, s_.data() + pos_ + 4, code, 16);
        pos_ += 4;
        AppendUtf8(out, code);
      } else {
        out += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
      }
    }
    return false;
  }

  std::string_view s_;
  size_t pos_ = 0;
};

void AddLinesOf(std::vector<ShownText>& out, std::string_view role, std::string_view text) {
  for (size_t pos = 0; pos <= text.size();) {
    const size_t end = std::min(text.find('\r', pos), text.size());
    if (end > pos) out.push_back({std::string(role), std::string(text.substr(pos, end - pos))});
    pos = end + 1;
  }
}

}  // namespace

std::vector<ShownText> TextsOfEvent(std::string_view json) {
  auto fields = FieldReader(json).Read();
  const auto field = [&fields](const char* key) -> const std::vector<std::string>& {
    return fields[key];
  };
  const std::vector<std::string>& ev = field("ev");
  if (ev.size() != 1) return {};
  std::vector<ShownText> out;
  const std::string& kind = ev[0];
  if (kind == "message")
    for (const std::string& t : field("text")) AddLinesOf(out, role::kMessage, t);
  if (kind == "choices")
    for (const std::string& t : field("labels")) AddLinesOf(out, role::kChoice, t);
  if (kind == "panel") {
    for (const std::string& t : field("mode")) AddLinesOf(out, role::kPanel, t);
    for (const std::string& t : field("rows")) AddLinesOf(out, role::kPanel, t);
  }
  if (kind == "details")
    for (const std::string& t : field("text")) AddLinesOf(out, role::kDetails, t);
  if (kind == "confirm")
    for (const std::string& t : field("text")) AddLinesOf(out, role::kNotice, t);
  return out;
}

}  // namespace pp::langpot
