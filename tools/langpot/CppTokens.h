#pragma once
// Just enough of C++'s tokens to find the game's texts: string literals (escapes resolved, adjacent
// literals joined), identifiers, numbers and punctuation, without comments and preprocessor lines.

#include <string>
#include <string_view>
#include <vector>

namespace pp::langpot {

struct Token {
  enum class Kind { String, Char, Number, Identifier, Punct };
  Kind kind = Kind::Punct;
  std::string text;  // a string's value; otherwise the spelling
  int line = 0;

  bool Is(std::string_view punct) const { return kind == Kind::Punct && text == punct; }
  bool IsWord(std::string_view word) const { return kind == Kind::Identifier && text == word; }
};

// The tokens of C++ source `source`. Never fails: what it does not know becomes punctuation.
std::vector<Token> Tokenize(std::string_view source);

}  // namespace pp::langpot
