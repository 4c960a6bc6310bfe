#include "extras/Report.h"

#include <charconv>
#include <map>
#include <vector>

#include "core/Utf8.h"

namespace pp {
namespace {

// One field's value, as far as the reports need it: a string, a number, or a list of strings.
struct Value {
  std::string text;
  int64_t number = 0;
  std::vector<std::string> items;
};

// Reads the flat JSON objects the game writes. Nested objects and other values are stepped over.
class Reader {
 public:
  explicit Reader(std::string_view json) : s_(json) {}

  std::optional<std::map<std::string, Value>> Object() {
    std::map<std::string, Value> fields;
    if (!Take('{')) return std::nullopt;
    if (Take('}')) return fields;
    do {
      std::optional<std::string> key = String();
      if (!key || !Take(':')) return std::nullopt;
      Value v;
      if (!ReadValue(v)) return std::nullopt;
      fields[*key] = std::move(v);
    } while (Take(','));
    if (!Take('}')) return std::nullopt;
    Space();
    if (pos_ != s_.size()) return std::nullopt;
    return fields;
  }

 private:
  void Space() {
    while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t')) ++pos_;
  }
  bool Take(char c) {
    Space();
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  bool Peek(char c) {
    Space();
    return pos_ < s_.size() && s_[pos_] == c;
  }

  bool ReadValue(Value& v) {
    if (Peek('"')) {
      std::optional<std::string> text = String();
      if (!text) return false;
      v.text = std::move(*text);
      return true;
    }
    if (Peek('[')) return List(v.items);
    if (Peek('{')) return Skip('{', '}');
    return Scalar(v);
  }

  // A list; its strings are kept, anything else in it is stepped over.
  bool List(std::vector<std::string>& items) {
    Take('[');
    if (Take(']')) return true;
    do {
      Value item;
      if (!ReadValue(item)) return false;
      items.push_back(std::move(item.text));
    } while (Take(','));
    return Take(']');
  }

  // Steps over a nested object or list, strings included.
  bool Skip(char open, char close) {
    int depth = 0;
    while (pos_ < s_.size()) {
      const char c = s_[pos_];
      if (c == '"') {
        if (!String()) return false;
        continue;
      }
      ++pos_;
      if (c == open) ++depth;
      if (c == close && --depth == 0) return true;
    }
    return false;
  }

  // A number, true, false or null; a number is kept.
  bool Scalar(Value& v) {
    Space();
    const size_t start = pos_;
    while (pos_ < s_.size() && s_[pos_] != ',' && s_[pos_] != '}' && s_[pos_] != ']') ++pos_;
    std::string_view word = s_.substr(start, pos_ - start);
    while (!word.empty() && word.back() == ' ') word.remove_suffix(1);
    if (word == "true" || word == "false" || word == "null") return true;
    auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), v.number);
    return !word.empty() && ec == std::errc() && ptr == word.data() + word.size();
  }

  std::optional<std::string> String() {
    if (!Take('"')) return std::nullopt;
    std::string out;
    while (pos_ < s_.size()) {
      const char c = s_[pos_++];
      if (c == '"') return out;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= s_.size()) return std::nullopt;
      const char e = s_[pos_++];
      switch (e) {
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'u': {
          std::optional<char32_t> cp = Hex4();
          if (!cp) return std::nullopt;
          // A surrogate pair makes one character; a lone half becomes U+FFFD.
          if (*cp >= 0xD800 && *cp < 0xDC00 && s_.substr(pos_, 2) == "\\u") {
            pos_ += 2;
            std::optional<char32_t> low = Hex4();
            if (!low) return std::nullopt;
            cp = *low >= 0xDC00 && *low < 0xE000
                     ? 0x10000 + ((*cp - 0xD800) << 10) + (*low - 0xDC00)
                     : kReplacementChar;
          } else if (*cp >= 0xD800 && *cp < 0xE000) {
            cp = kReplacementChar;
          }
          AppendUtf8(out, *cp);
          break;
        }
        default:
          out += e;
          break;  // \" \\ \/
      }
    }
    return std::nullopt;
  }

  std::optional<char32_t> Hex4() {
    if (pos_ + 4 > s_.size()) return std::nullopt;
    unsigned value = 0;
    auto [ptr, ec] = std::from_chars(s_.data() + pos_, s_.data() + pos_ + 4, value, 16);
    if (ec != std::errc() || ptr != s_.data() + pos_ + 4) return std::nullopt;
    pos_ += 4;
    return static_cast<char32_t>(value);
  }

  std::string_view s_;
  size_t pos_ = 0;
};

const std::map<std::string_view, Report::Kind> kKinds = {
    {"message", Report::Kind::Message}, {"choices", Report::Kind::Choices},
    {"chosen", Report::Kind::Chosen},   {"wait", Report::Kind::Wait},
    {"picture", Report::Kind::Picture}, {"sound", Report::Kind::Sound},
    {"panel", Report::Kind::Panel},     {"panel-hidden", Report::Kind::PanelHidden},
    {"details", Report::Kind::Details},
};

}  // namespace

std::optional<Report> ReadReport(std::string_view json) {
  std::optional<std::map<std::string, Value>> fields = Reader(json).Object();
  if (!fields) return std::nullopt;
  auto field = [&fields](const char* key) -> const Value* {
    auto it = fields->find(key);
    return it == fields->end() ? nullptr : &it->second;
  };
  const Value* ev = field("ev");
  if (!ev) return std::nullopt;
  Report r;
  auto kind = kKinds.find(ev->text);
  r.kind = kind == kKinds.end() ? Report::Kind::Other : kind->second;
  switch (r.kind) {
    case Report::Kind::Message:
      if (const Value* v = field("colour")) r.colour = v->text;
      if (const Value* v = field("kind")) r.number = v->number;
      break;
    case Report::Kind::Sound:
      if (const Value* v = field("channel")) r.number = v->number;
      break;
    case Report::Kind::Chosen:
      if (const Value* v = field("button")) r.number = v->number;
      break;
    case Report::Kind::Choices:
      if (const Value* v = field("labels"))
        for (size_t i = 0; i < r.labels.size() && i < v->items.size(); ++i)
          r.labels[i] = v->items[i];
      break;
    default:
      break;
  }
  for (const char* key : {"text", "file", "label"})
    if (const Value* v = field(key); v && r.text.empty()) r.text = v->text;
  return r;
}

}  // namespace pp
