#pragma once
// A catalogue text with named placeholders, such as "{monster}に {n}ダメージ". A placeholder is a
// name in braces ([a-z][a-z0-9_]*): `n`, `n2`, `n3`... stand for a number (ASCII digits with an
// optional minus sign), any other name for a non-empty text. Braces that do not form a placeholder
// are literal text.

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pp {

struct TemplatePiece {
  std::string text;  // the literal text, or the placeholder's name
  bool placeholder = false;
  bool number = false;  // a placeholder that stands for a number
};

// The pieces of `text` in order; adjacent literal text forms one piece.
std::vector<TemplatePiece> SplitPlaceholders(std::string_view text);

// The kind of value a placeholder holds: its name without trailing digits ("item2" -> "item").
std::string_view PlaceholderKind(std::string_view name);

// A pattern that finds its values in a finished line of the game.
class TextTemplate {
 public:
  // Values of one match, in the order of the placeholders.
  using Values = std::span<const std::string_view>;
  // Return true to stop the search.
  using MatchVisitor = std::function<bool(Values)>;

  // The pattern of `text`, or nullopt with `error` set when it has no placeholder or cannot be
  // matched reliably: no literal text at all, a name used twice, or two placeholders that touch
  // (only a number directly followed by a text is accepted: the number takes every digit).
  static std::optional<TextTemplate> Compile(std::string_view text, std::string& error);

  // Calls `visit` for each way `line` matches the whole pattern, the shortest text values first;
  // stops when `visit` returns true (and then returns true) or after a bounded amount of work, so
  // that no line can make matching slow.
  bool Match(std::string_view line, const MatchVisitor& visit) const;

  const std::vector<TemplatePiece>& pieces() const { return pieces_; }
  // Placeholder names in the order of their values.
  const std::vector<std::string>& names() const { return names_; }
  // Characters of literal text: a template with more is more specific.
  size_t literalChars() const { return literalChars_; }
  size_t textPlaceholders() const { return textPlaceholders_; }

 private:
  struct Search;
  bool MatchFrom(Search& search, size_t piece, size_t pos) const;

  std::vector<TemplatePiece> pieces_;
  std::vector<std::string> names_;
  size_t literalChars_ = 0;
  size_t literalBytes_ = 0;
  size_t textPlaceholders_ = 0;
};

}  // namespace pp
