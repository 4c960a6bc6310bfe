#include "langpot/CppTokens.h"

#include <array>
#include <cctype>

#include "core/Utf8.h"

namespace pp::langpot {
namespace {

constexpr std::array<std::string_view, 22> kLongPuncts{
    "->*", "...", "<<=", ">>=", "::", "->", "++", "--", "+=", "-=", "*=",
    "/=",  "%=",  "&=",  "|=",  "^=", "==", "!=", "<=", ">=", "&&", "||"};

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

class Lexer {
 public:
  explicit Lexer(std::string_view s) : s_(s) {}

  std::vector<Token> Run() {
    bool lineStart = true;  // only blanks since the last newline
    while (pos_ < s_.size()) {
      const char c = s_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
        lineStart = true;
        continue;
      }
      if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
        continue;
      }
      if (c == '#' && lineStart) {
        SkipDirective();
        continue;
      }
      lineStart = false;
      if (s_.substr(pos_, 2) == "//") {
        while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
      } else if (s_.substr(pos_, 2) == "/*") {
        const size_t end = s_.find("*/", pos_ + 2);
        const size_t stop = end == std::string_view::npos ? s_.size() : end + 2;
        Count(pos_, stop);
        pos_ = stop;
      } else if (StringStart()) {
        String();
      } else if (c == '\'') {
        Quoted(Token::Kind::Char, '\'');
      } else if (std::isdigit(static_cast<unsigned char>(c))) {
        Number();
      } else if (IsIdentStart(c)) {
        const size_t start = pos_;
        while (pos_ < s_.size() && IsIdentChar(s_[pos_])) ++pos_;
        Push(Token::Kind::Identifier, std::string(s_.substr(start, pos_ - start)));
      } else {
        Punct();
      }
    }
    return std::move(tokens_);
  }

 private:
  void Count(size_t from, size_t to) {
    for (size_t i = from; i < to; ++i)
      if (s_[i] == '\n') ++line_;
  }

  void Push(Token::Kind kind, std::string text) {
    tokens_.push_back({kind, std::move(text), line_});
  }

  void SkipDirective() {
    while (pos_ < s_.size() && s_[pos_] != '\n') {
      if (s_[pos_] == '\\' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '\n') ++line_, ++pos_;
      ++pos_;
    }
  }

  // A string literal's prefix and quote: "", u8"", R"(...)", u8R"(...)", L"" ...
  bool StringStart() const {
    size_t p = pos_;
    for (std::string_view prefix : {"u8", "u", "U", "L"})
      if (s_.substr(p).starts_with(prefix)) {
        p += prefix.size();
        break;
      }
    if (p < s_.size() && s_[p] == 'R') ++p;
    return p < s_.size() && s_[p] == '"';
  }

  void String() {
    bool raw = false;
    while (s_[pos_] != '"') raw = s_[pos_++] == 'R' || raw;
    const int line = line_;
    std::string value = raw ? RawBody() : EscapedBody('"');
    // Adjacent literals are one string.
    if (!tokens_.empty() && tokens_.back().kind == Token::Kind::String &&
        joinable_ == tokens_.size())
      tokens_.back().text += value;
    else
      tokens_.push_back({Token::Kind::String, std::move(value), line});
    joinable_ = tokens_.size();
  }

  std::string RawBody() {
    const size_t open = s_.find('(', pos_);
    if (open == std::string_view::npos) return {};
    const std::string close = ")" + std::string(s_.substr(pos_ + 1, open - pos_ - 1)) + "\"";
    const size_t end = s_.find(close, open);
    const size_t stop = end == std::string_view::npos ? s_.size() : end;
    std::string body(s_.substr(open + 1, stop - open - 1));
    Count(pos_, std::min(s_.size(), stop + close.size()));
    pos_ = std::min(s_.size(), stop + close.size());
    return body;
  }

  std::string EscapedBody(char quote) {
    std::string out;
    ++pos_;  // the opening quote
    while (pos_ < s_.size() && s_[pos_] != quote && s_[pos_] != '\n') {
      const char c = s_[pos_++];
      if (c != '\\' || pos_ >= s_.size()) {
        out += c;
        continue;
      }
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
        case 'x':
        case 'u':
        case 'U': {
          const size_t digits = e == 'x' ? 2 : e == 'u' ? 4 : 8;
          const size_t start = pos_;
          while (pos_ < s_.size() && pos_ - start < digits &&
                 std::isxdigit(static_cast<unsigned char>(s_[pos_])))
            ++pos_;
          const unsigned long value =
              std::stoul("0" + std::string(s_.substr(start, pos_ - start)), nullptr, 16);
          if (e == 'x')
            out += static_cast<char>(value);
          else
            AppendUtf8(out, static_cast<char32_t>(value));
          break;
        }
        default:
          if (e >= '0' && e <= '7') {
            unsigned value = static_cast<unsigned>(e - '0');
            for (int i = 0; i < 2 && pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '7'; ++i)
              value = value * 8 + static_cast<unsigned>(s_[pos_++] - '0');
            out += static_cast<char>(value);
          } else {
            out += e;  // \\ \" \' \?
          }
      }
    }
    if (pos_ < s_.size() && s_[pos_] == quote) ++pos_;
    return out;
  }

  void Quoted(Token::Kind kind, char quote) { Push(kind, EscapedBody(quote)); }

  void Number() {
    const size_t start = pos_;
    while (pos_ < s_.size() && (IsIdentChar(s_[pos_]) || s_[pos_] == '.' || s_[pos_] == '\''))
      ++pos_;
    Push(Token::Kind::Number, std::string(s_.substr(start, pos_ - start)));
  }

  void Punct() {
    for (std::string_view p : kLongPuncts)
      if (s_.substr(pos_).starts_with(p)) {
        pos_ += p.size();
        return Push(Token::Kind::Punct, std::string(p));
      }
    Push(Token::Kind::Punct, std::string(1, s_[pos_++]));
  }

  std::string_view s_;
  size_t pos_ = 0;
  int line_ = 1;
  std::vector<Token> tokens_;
  size_t joinable_ = 0;  // tokens_.size() right after a string literal
};

}  // namespace

std::vector<Token> Tokenize(std::string_view source) { return Lexer(source).Run(); }

}  // namespace pp::langpot
