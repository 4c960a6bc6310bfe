#include "lang/TextTemplate.h"

#include <algorithm>

#include "core/Utf8.h"

namespace pp {
namespace {

// Steps one match may take. The game's lines need a few dozen; the bound keeps a line with
// hundreds of repeated words from making a template with several texts slow.
constexpr int kStepBudget = 4096;

bool IsNameStart(char c) { return c >= 'a' && c <= 'z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameChar(char c) { return IsNameStart(c) || IsDigit(c) || c == '_'; }

bool IsNumberName(std::string_view name) {
  return !name.empty() && name[0] == 'n' &&
         std::all_of(name.begin() + 1, name.end(), [](char c) { return IsDigit(c); });
}

size_t CountChars(std::string_view text) {
  size_t count = 0;
  for (size_t pos = 0; pos < text.size(); ++count) NextCodePoint(text, pos);
  return count;
}

}  // namespace

std::vector<TemplatePiece> SplitPlaceholders(std::string_view text) {
  std::vector<TemplatePiece> pieces;
  const auto addLiteral = [&pieces](std::string_view literal) {
    if (literal.empty()) return;
    if (!pieces.empty() && !pieces.back().placeholder)
      pieces.back().text += literal;
    else
      pieces.push_back({std::string(literal), false, false});
  };
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t open = text.find('{', pos);
    if (open == std::string_view::npos) {
      addLiteral(text.substr(pos));
      break;
    }
    size_t end = open + 1;
    if (end < text.size() && IsNameStart(text[end])) {
      while (end < text.size() && IsNameChar(text[end])) ++end;
      if (end < text.size() && text[end] == '}') {
        addLiteral(text.substr(pos, open - pos));
        std::string name(text.substr(open + 1, end - open - 1));
        const bool number = IsNumberName(name);
        pieces.push_back({std::move(name), true, number});
        pos = end + 1;
        continue;
      }
    }
    addLiteral(text.substr(pos, open + 1 - pos));
    pos = open + 1;
  }
  return pieces;
}

std::string_view PlaceholderKind(std::string_view name) {
  while (!name.empty() && IsDigit(name.back())) name.remove_suffix(1);
  return name;
}

std::optional<TextTemplate> TextTemplate::Compile(std::string_view text, std::string& error) {
  TextTemplate t;
  t.pieces_ = SplitPlaceholders(text);
  for (size_t i = 0; i < t.pieces_.size(); ++i) {
    const TemplatePiece& piece = t.pieces_[i];
    if (!piece.placeholder) {
      t.literalChars_ += CountChars(piece.text);
      t.literalBytes_ += piece.text.size();
      continue;
    }
    if (std::find(t.names_.begin(), t.names_.end(), piece.text) != t.names_.end()) {
      error = "placeholder {" + piece.text + "} appears twice";
      return std::nullopt;
    }
    const TemplatePiece* before =
        i > 0 && t.pieces_[i - 1].placeholder ? &t.pieces_[i - 1] : nullptr;
    if (before != nullptr && !(before->number && !piece.number)) {
      error = "placeholders {" + before->text + "} and {" + piece.text +
              "} touch, so nothing tells where one ends; put literal text between them";
      return std::nullopt;
    }
    t.names_.push_back(piece.text);
    if (!piece.number) ++t.textPlaceholders_;
  }
  if (t.names_.empty()) {
    error = "no placeholder";
    return std::nullopt;
  }
  if (t.literalChars_ == 0) {
    error = "no literal text, so it would match any line";
    return std::nullopt;
  }
  return t;
}

struct TextTemplate::Search {
  std::string_view line;
  const MatchVisitor& visit;
  std::vector<std::string_view> values;
  int stepsLeft = kStepBudget;
};

bool TextTemplate::Match(std::string_view line, const MatchVisitor& visit) const {
  if (line.size() < literalBytes_ + names_.size()) return false;
  if (!pieces_.front().placeholder && !line.starts_with(pieces_.front().text)) return false;
  if (!pieces_.back().placeholder && !line.ends_with(pieces_.back().text)) return false;
  Search search{line, visit, {}};
  search.values.reserve(names_.size());
  return MatchFrom(search, 0, 0);
}

bool TextTemplate::MatchFrom(Search& search, size_t piece, size_t pos) const {
  if (--search.stepsLeft < 0) return false;
  const std::string_view line = search.line;
  if (piece == pieces_.size()) return pos == line.size() && search.visit(search.values);
  const TemplatePiece& p = pieces_[piece];
  if (!p.placeholder)
    return line.substr(pos).starts_with(p.text) &&
           MatchFrom(search, piece + 1, pos + p.text.size());

  const auto tryValue = [&](size_t end) {
    search.values.push_back(line.substr(pos, end - pos));
    if (MatchFrom(search, piece + 1, end)) return true;
    search.values.pop_back();
    return false;
  };
  const bool last = piece + 1 == pieces_.size();
  if (p.number) {
    size_t digits = pos;
    if (digits < line.size() && line[digits] == '-') ++digits;
    size_t end = digits;
    while (end < line.size() && IsDigit(line[end])) ++end;
    if (end == digits) return false;
    // Before a text the number takes every digit; before literal text shorter numbers are tried
    // too, longest first.
    const size_t shortest = !last && pieces_[piece + 1].placeholder ? end : digits + 1;
    for (size_t e = end; e >= shortest; --e)
      if (tryValue(e)) return true;
    return false;
  }
  if (last) return pos < line.size() && tryValue(line.size());
  // Compile made sure literal text follows a text placeholder.
  const std::string& next = pieces_[piece + 1].text;
  for (size_t at = line.find(next, pos + 1); at != std::string_view::npos && search.stepsLeft > 0;
       at = line.find(next, at + 1))
    if (tryValue(at)) return true;
  return false;
}

}  // namespace pp
