#include "langpot/CppScan.h"

#include <algorithm>
#include <array>
#include <set>
#include <unordered_map>

namespace pp::langpot {
namespace {

constexpr size_t kNone = static_cast<size_t>(-1);
// How far a local name is followed to the value it was given.
constexpr int kMaxAliasDepth = 3;

constexpr std::array<std::string_view, 17> kNotFunctions{
    "if",          "for",        "while",        "switch",           "return",
    "sizeof",      "catch",      "decltype",     "alignof",          "static_assert",
    "static_cast", "const_cast", "dynamic_cast", "reinterpret_cast", "noexcept",
    "void",        "operator"};
// Words that end the expression before them.
constexpr std::array<std::string_view, 5> kSeparatorWords{"return", "else", "case", "throw", "do"};
// Punctuation that does not end an operand of a "+" chain.
constexpr std::array<std::string_view, 6> kOperandPuncts{"+", ".", "->", "::", "*", "&"};
// Words after which "{" opens a block, not an initialiser.
constexpr std::array<std::string_view, 11> kBlockWords{"else",      "do",     "try",     "const",
                                                       "override",  "final",  "mutable", "noexcept",
                                                       "namespace", "struct", "class"};

bool IsOpen(const Token& t) { return t.Is("(") || t.Is("[") || t.Is("{"); }
bool IsClose(const Token& t) { return t.Is(")") || t.Is("]") || t.Is("}"); }

template <size_t N>
bool Among(std::string_view word, const std::array<std::string_view, N>& words) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

bool HasNonAscii(std::string_view s) {
  return std::any_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// For each opening bracket, the index of its closing one (the end when it has none).
std::vector<size_t> MatchBrackets(const std::vector<Token>& tokens) {
  std::vector<size_t> match(tokens.size(), kNone);
  std::vector<size_t> open;
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (IsOpen(tokens[i])) {
      open.push_back(i);
    } else if (IsClose(tokens[i]) && !open.empty()) {
      match[open.back()] = i;
      open.pop_back();
    }
  }
  for (size_t i : open) match[i] = tokens.size();
  return match;
}

// The ranges between top-level `separator` tokens of [begin, end).
std::vector<std::pair<size_t, size_t>> SplitTopLevel(const std::vector<Token>& tokens,
                                                     const std::vector<size_t>& match, size_t begin,
                                                     size_t end, std::string_view separator) {
  std::vector<std::pair<size_t, size_t>> parts;
  size_t start = begin;
  for (size_t i = begin; i < end; ++i) {
    if (IsOpen(tokens[i])) {
      i = std::min(match[i], end);
    } else if (tokens[i].Is(separator)) {
      parts.emplace_back(start, i);
      start = i + 1;
    }
  }
  if (start < end || !parts.empty()) parts.emplace_back(start, end);
  return parts;
}

std::string SourceText(const std::vector<Token>& tokens, size_t begin, size_t end) {
  std::string out;
  bool wordBefore = false;
  for (size_t i = begin; i < end; ++i) {
    const Token& t = tokens[i];
    const bool word = t.kind == Token::Kind::Identifier || t.kind == Token::Kind::Number;
    if (word && wordBefore) out += ' ';
    out += t.kind == Token::Kind::String ? "\"" + t.text + "\"" : t.text;
    wordBefore = word;
  }
  return out;
}

// The placeholder kind of a value from the names in its expression.
std::string KindOf(const std::vector<Token>& tokens, size_t begin, size_t end) {
  std::vector<std::string_view> words;
  for (size_t i = begin; i < end; ++i)
    if (tokens[i].kind == Token::Kind::Identifier && tokens[i].text != "std")
      words.push_back(tokens[i].text);
  const auto has = [&words](std::string_view w) {
    return std::find(words.begin(), words.end(), w) != words.end();
  };
  if (!words.empty() && (words[0] == "Num" || words[0] == "to_string" || words[0] == "Negated"))
    return "n";
  if (has("enemyName")) return "monster";
  if (has("ItemInfo") || has("ItemName") || (has("item") && words.back() == "name")) return "item";
  if (has("LevelName") || has("LevelNameBytes")) return "level";
  if (has("speaker") || has("MakeRandomName")) return "name";
  return "text";
}

// The name a parameter declaration gives, or "" when it names none.
std::string ParamName(const std::vector<Token>& tokens, size_t begin, size_t end) {
  for (size_t i = begin; i < end; ++i)
    if (tokens[i].Is("=")) end = i;
  if (end - begin < 2) return {};
  const Token& last = tokens[end - 1];
  if (last.kind != Token::Kind::Identifier || tokens[end - 2].Is("::")) return {};
  return last.text;
}

struct FileFunctions {
  std::unordered_map<size_t, int> bodies;  // the body's "{" -> the function
  std::set<size_t> parameterLists;         // the "(" of each definition's parameters
};

class Scanner {
 public:
  Scanner(SourceScan& scan, size_t file, const FileFunctions& functions)
      : scan_(scan),
        file_(file),
        tokens_(scan.files[file].tokens),
        match_(scan.files[file].brackets),
        functions_(functions) {}

  void Range(size_t begin, size_t end, const Place& place) {
    size_t segment = begin;
    for (size_t i = begin; i < end; ++i) {
      const Token& t = tokens_[i];
      if (t.kind == Token::Kind::String) {
        scan_.literals.push_back({file_, i, t.line, t.text, place});
        continue;
      }
      if (IsOpen(t)) {
        const size_t close = std::min(match_[i], end);
        Group(i, close, place);
        i = close;
        // "(...) name": the parentheses of an if or a cast end an expression.
        if (t.Is("(") && i + 1 < end && tokens_[i + 1].kind == Token::Kind::Identifier) {
          Segment(segment, i + 1, place);
          segment = i + 1;
        }
        continue;
      }
      if (IsSeparator(t)) {
        Segment(segment, i, place);
        segment = i + 1;
      }
    }
    Segment(segment, end, place);
  }

 private:
  bool IsSeparator(const Token& t) const {
    if (t.kind == Token::Kind::Identifier) return Among(t.text, kSeparatorWords);
    return t.kind == Token::Kind::Punct && !Among(t.text, kOperandPuncts);
  }

  void Group(size_t open, size_t close, const Place& place) {
    const Token& t = tokens_[open];
    const Token* before = open > 0 ? &tokens_[open - 1] : nullptr;
    if (t.Is("(") && before != nullptr && before->kind == Token::Kind::Identifier &&
        !Among(before->text, kNotFunctions) && !functions_.parameterLists.contains(open)) {
      return CallArguments(open, close, place);
    }
    if (t.Is("{")) {
      if (auto body = functions_.bodies.find(open); body != functions_.bodies.end()) {
        Place inside;
        inside.function = body->second;
        return Range(open + 1, close, inside);
      }
      if (IsInitialiser(open, place)) return Initialiser(open, close, place);
      Place block;
      block.function = place.function;
      return Range(open + 1, close, block);
    }
    Range(open + 1, close, place);
  }

  void CallArguments(size_t open, size_t close, const Place& place) {
    const std::string& callee = tokens_[open - 1].text;
    const auto args = SplitTopLevel(tokens_, match_, open + 1, close, ",");
    scan_.calls.push_back({callee, file_, tokens_[open].line, open - 1, place.function, args});
    const size_t call = scan_.calls.size() - 1;
    for (size_t k = 0; k < args.size(); ++k) {
      Place inside = place;
      inside.arguments.insert(inside.arguments.begin(), {callee, k, call});
      const std::vector<Operand> operands =
          scan_.Classify(file_, args[k].first, args[k].second, place.function);
      if (operands.size() == 1 && operands[0].kind == Operand::Kind::Param)
        mentions_[operands[0].paramToken] = {ParamUse::Kind::Forwarded, call, k, {}};
      Range(args[k].first, args[k].second, inside);
    }
  }

  // Whether the "{" at `open` starts a braced initialiser rather than a block.
  bool IsInitialiser(size_t open, const Place& place) const {
    if (open == 0) return false;
    const Token& before = tokens_[open - 1];
    if (before.kind == Token::Kind::Identifier) {
      if (Among(before.text, kBlockWords)) return false;
      return !(open >= 2 && tokens_[open - 2].kind == Token::Kind::Identifier &&
               Among(tokens_[open - 2].text, kBlockWords));  // "struct Name {"
    }
    if (before.Is("{") || before.Is(",")) return !place.table.empty();
    return before.Is("=") || before.Is("(") || before.Is(">") || before.Is("return");
  }

  void Initialiser(size_t open, size_t close, const Place& place) {
    std::string name = place.table;
    int rowStruct = -1;
    int arrayOf = -1;
    const Token& before = tokens_[open - 1];
    if (before.kind == Token::Kind::Identifier && scan_.StructNamed(before.text, file_) >= 0) {
      rowStruct = scan_.StructNamed(before.text, file_);  // "Mantle{...}"
    } else if (place.arrayOf >= 0) {
      rowStruct = place.arrayOf;
    } else if (name.empty()) {
      // "Type name[] = {", "std::array<Type, 3> name{", "constexpr Type name{": the declaration.
      bool array = false;
      for (size_t i = open;
           i-- > 0 && !tokens_[i].Is(";") && !tokens_[i].Is("}") && !tokens_[i].Is("{");) {
        const Token& t = tokens_[i];
        array = array || t.Is("[") || t.IsWord("array");
        if (t.kind == Token::Kind::Identifier && name.empty()) name = t.text;
        if (t.kind == Token::Kind::Identifier && scan_.StructNamed(t.text, file_) >= 0)
          (array ? arrayOf : rowStruct) = scan_.StructNamed(t.text, file_);
      }
    }
    auto elements = SplitTopLevel(tokens_, match_, open + 1, close, ",");
    // "std::array<T, N> name{{ {...}, {...} }}": the inner braces hold the rows.
    if (rowStruct >= 0 && elements.size() == 1 && tokens_[elements[0].first].Is("{")) {
      arrayOf = rowStruct;
      rowStruct = -1;
    }
    int row = -1;
    if (rowStruct >= 0) {
      row = static_cast<int>(scan_.rows.size());
      scan_.rows.push_back({static_cast<size_t>(rowStruct), file_, elements});
    }
    for (size_t k = 0; k < elements.size(); ++k) {
      Place inside = place;
      inside.table = name;
      inside.element = k;
      inside.row = row;
      inside.arrayOf = arrayOf;
      Range(elements[k].first, elements[k].second, inside);
    }
  }

  void Segment(size_t begin, size_t end, const Place& place) {
    const auto parts = SplitTopLevel(tokens_, match_, begin, end, "+");
    if (parts.size() < 2) return;
    std::vector<Operand> operands;
    for (const auto& [b, e] : parts) {
      if (b == e) return;  // a unary plus
      for (Operand& o : scan_.Classify(file_, b, e, place.function))
        operands.push_back(std::move(o));
    }
    // Parameters and fields may bring Japanese text in from elsewhere.
    const bool japanese = std::any_of(operands.begin(), operands.end(), [](const Operand& o) {
      return o.kind == Operand::Kind::Param || o.kind == Operand::Kind::Field ||
             std::any_of(o.literals.begin(), o.literals.end(),
                         [](const std::string& s) { return HasNonAscii(s); });
    });
    if (!japanese) return;
    for (const Operand& o : operands) {
      for (size_t token : o.literalTokens) scan_.chainedTokens.emplace_back(file_, token);
      if (o.kind == Operand::Kind::Param)
        mentions_[o.paramToken] = {ParamUse::Kind::InChain, scan_.chains.size(), 0, {}};
      if (o.kind == Operand::Kind::Field) ++scan_.fieldUses[o.structIndex][o.field].inChains;
    }
    scan_.chains.push_back({file_, tokens_[begin].line, place, std::move(operands)});
  }

 public:
  // How each mention of a parameter was used, by token.
  std::unordered_map<size_t, ParamUse> mentions_;

 private:
  SourceScan& scan_;
  size_t file_;
  const std::vector<Token>& tokens_;
  const std::vector<size_t>& match_;
  const FileFunctions& functions_;
};

// The structs a file defines, with their fields ("void (*offer)(Game&)" names `offer`; member
// functions are not fields).
void FindStructs(SourceScan& scan, size_t file) {
  const std::vector<Token>& tokens = scan.files[file].tokens;
  const std::vector<size_t>& match = scan.files[file].brackets;
  for (size_t i = 0; i + 2 < tokens.size(); ++i) {
    if (!(tokens[i].IsWord("struct") || tokens[i].IsWord("class")) ||
        tokens[i + 1].kind != Token::Kind::Identifier || !tokens[i + 2].Is("{"))
      continue;
    Struct s{tokens[i + 1].text, file, {}};
    for (auto [b, e] :
         SplitTopLevel(tokens, match, i + 3, std::min(match[i + 2], tokens.size()), ";")) {
      size_t paren = b;
      while (paren < e && !tokens[paren].Is("(")) ++paren;
      if (paren < e) {
        if (paren + 3 < e && tokens[paren + 1].Is("*") &&
            tokens[paren + 2].kind == Token::Kind::Identifier)
          s.fields.push_back(tokens[paren + 2].text);
        continue;
      }
      for (size_t k = b; k < e; ++k)
        if (tokens[k].Is("=") || tokens[k].Is("{") || tokens[k].Is("[")) e = k;
      for (const auto& [pb, pe] : SplitTopLevel(tokens, match, b, e, ","))
        if (pe > pb && tokens[pe - 1].kind == Token::Kind::Identifier)
          s.fields.push_back(tokens[pe - 1].text);
    }
    scan.structs.push_back(std::move(s));
  }
}

// The function definitions of a file: name, parameters and body.
FileFunctions FindFunctions(SourceScan& scan, size_t file) {
  FileFunctions found;
  const std::vector<Token>& tokens = scan.files[file].tokens;
  const std::vector<size_t>& match = scan.files[file].brackets;
  for (size_t i = 0; i + 1 < tokens.size(); ++i) {
    if (tokens[i].kind != Token::Kind::Identifier || !tokens[i + 1].Is("(") ||
        Among(tokens[i].text, kNotFunctions) ||
        (i > 0 && (tokens[i - 1].Is(".") || tokens[i - 1].Is("->"))))
      continue;
    const size_t close = match[i + 1];
    size_t k = close + 1;
    while (k < tokens.size() && (tokens[k].IsWord("const") || tokens[k].IsWord("noexcept") ||
                                 tokens[k].IsWord("override") || tokens[k].IsWord("final")))
      ++k;
    if (k >= tokens.size() || !tokens[k].Is("{")) continue;
    Function f;
    f.name = tokens[i].text;
    f.file = file;
    f.line = tokens[i].line;
    f.paramRanges = SplitTopLevel(tokens, match, i + 2, close, ",");
    for (const auto& [b, e] : f.paramRanges) f.params.push_back(ParamName(tokens, b, e));
    f.bodyBegin = k + 1;
    f.bodyEnd = std::min(match[k], tokens.size());
    found.bodies[k] = static_cast<int>(scan.functions.size());
    found.parameterLists.insert(i + 1);
    scan.functions.push_back(std::move(f));
  }
  return found;
}

}  // namespace

std::vector<Operand> SourceScan::Classify(size_t file, size_t begin, size_t end, int function,
                                          int depth) const {
  const std::vector<Token>& tokens = files[file].tokens;
  const std::vector<size_t>& match = files[file].brackets;
  Operand value;
  value.source = SourceText(tokens, begin, end);
  value.placeholder = KindOf(tokens, begin, end);
  if (begin >= end) return {value};
  while (tokens[begin].Is("(") && match[begin] == end - 1) {
    // (condition ? "a" : "b"): one of two literals.
    const auto ask = SplitTopLevel(tokens, match, begin + 1, end - 1, "?");
    const auto alternatives = ask.size() == 2
                                  ? SplitTopLevel(tokens, match, ask[1].first, ask[1].second, ":")
                                  : std::vector<std::pair<size_t, size_t>>{};
    if (alternatives.size() == 2) {
      Operand choice;
      choice.kind = Operand::Kind::Choice;
      for (const auto& [b, e] : alternatives) {
        std::string text;
        for (const Operand& o : Classify(file, b, e, function, depth)) {
          if (o.kind != Operand::Kind::Literal) return {value};
          text += o.literals[0];
          choice.literalTokens.insert(choice.literalTokens.end(), o.literalTokens.begin(),
                                      o.literalTokens.end());
        }
        choice.literals.push_back(std::move(text));
      }
      return {choice};
    }
    ++begin;
    --end;
  }
  // std::string(x), std::string_view(x), std::move(x) are x.
  size_t k = begin;
  if (tokens[k].IsWord("std") && k + 1 < end && tokens[k + 1].Is("::")) k += 2;
  if (k + 1 < end &&
      (tokens[k].IsWord("string") || tokens[k].IsWord("string_view") || tokens[k].IsWord("move")) &&
      (tokens[k + 1].Is("(") || tokens[k + 1].Is("{")) && match[k + 1] == end - 1)
    return Classify(file, k + 2, end - 1, function, depth);
  // An expression built of "+" is its parts.
  const auto parts = SplitTopLevel(tokens, match, begin, end, "+");
  if (parts.size() >= 2 &&
      std::none_of(parts.begin(), parts.end(), [](auto p) { return p.first == p.second; })) {
    std::vector<Operand> out;
    for (const auto& [b, e] : parts)
      for (Operand& o : Classify(file, b, e, function, depth)) out.push_back(std::move(o));
    return out;
  }
  // variable.field of a struct whose rows the source lists.
  if (end - begin == 3 && tokens[begin].kind == Token::Kind::Identifier &&
      (tokens[begin + 1].Is(".") || tokens[begin + 1].Is("->")) &&
      tokens[begin + 2].kind == Token::Kind::Identifier) {
    if (const int s = StructOfVariable(file, begin, function); s >= 0) {
      const std::vector<std::string>& fields = structs[static_cast<size_t>(s)].fields;
      if (auto f = std::find(fields.begin(), fields.end(), tokens[begin + 2].text);
          f != fields.end()) {
        Operand field;
        field.kind = Operand::Kind::Field;
        field.structIndex = static_cast<size_t>(s);
        field.field = static_cast<size_t>(f - fields.begin());
        field.base = tokens[begin].text;
        field.fieldToken = begin + 2;
        field.source = value.source;
        field.placeholder = value.placeholder;  // what it is when the struct has no rows
        return {field};
      }
    }
  }
  if (end - begin == 1) {
    const Token& t = tokens[begin];
    if (t.kind == Token::Kind::String) {
      Operand literal;
      literal.kind = Operand::Kind::Literal;
      literal.literals = {t.text};
      literal.literalTokens = {begin};
      literal.source = value.source;
      return {literal};
    }
    if (t.kind == Token::Kind::Identifier && function >= 0) {
      const Function& f = functions[static_cast<size_t>(function)];
      if (auto p = std::find(f.params.begin(), f.params.end(), t.text); p != f.params.end()) {
        Operand param;
        param.kind = Operand::Kind::Param;
        param.param = static_cast<size_t>(p - f.params.begin());
        param.paramToken = begin;
        param.source = value.source;
        return {param};
      }
      // A local name: what it was given ("const std::string& name = s.enemyName;").
      for (size_t i = begin; depth < kMaxAliasDepth && i-- > f.bodyBegin;) {
        if (tokens[i].text != t.text || tokens[i].kind != Token::Kind::Identifier ||
            !tokens[i + 1].Is("=") || tokens[i - 1].Is(".") || tokens[i - 1].Is("->"))
          continue;
        size_t stop = i + 2;
        while (stop < f.bodyEnd && !tokens[stop].Is(";"))
          stop = IsOpen(tokens[stop]) ? match[stop] + 1 : stop + 1;
        return Classify(file, i + 2, std::min(stop, f.bodyEnd), function, depth + 1);
      }
    }
  }
  return {value};
}

int SourceScan::StructNamed(std::string_view name, size_t file) const {
  int found = -1;
  for (size_t i = 0; i < structs.size(); ++i)
    if (structs[i].name == name && (found < 0 || structs[i].file == file))
      found = static_cast<int>(i);
  return found;
}

int SourceScan::StructOfVariable(size_t file, size_t token, int function) const {
  const std::vector<Token>& tokens = files[file].tokens;
  const std::string& name = tokens[token].text;
  // The struct named in the declaration that ends at `at`.
  const auto typeBefore = [&](size_t at) {
    for (size_t i = at; i-- > 0;) {
      const Token& t = tokens[i];
      if (t.Is("(") || t.Is(";") || t.Is("{") || t.Is("}") || t.Is(",")) break;
      if (t.kind == Token::Kind::Identifier)
        if (const int s = StructNamed(t.text, file); s >= 0) return s;
    }
    return -1;
  };
  if (function >= 0) {
    const Function& f = functions[static_cast<size_t>(function)];
    for (size_t k = 0; k < f.params.size(); ++k)
      if (f.params[k] == name) return typeBefore(f.paramRanges[k].second);
  }
  // The nearest declaration before the use: "const Mantle& m :", "Expedition e =", "T name{".
  for (size_t i = token; i-- > 1;) {
    if (tokens[i].text != name || tokens[i].kind != Token::Kind::Identifier) continue;
    const Token& before = tokens[i - 1];
    if (!(before.Is("&") || before.Is("*") || before.kind == Token::Kind::Identifier)) continue;
    if (const int s = typeBefore(i + 1); s >= 0) return s;
  }
  return -1;
}

int SourceScan::Callee(const Call& call) const {
  int best = -1;
  for (size_t i = 0; i < functions.size(); ++i) {
    const Function& f = functions[i];
    if (f.name != call.callee || f.params.size() < call.args.size()) continue;
    const bool sameFile = f.file == call.file;
    const bool bestSameFile = best >= 0 && functions[static_cast<size_t>(best)].file == call.file;
    if (best < 0 || (sameFile && !bestSameFile) ||
        (sameFile == bestSameFile && f.params.size() == call.args.size() &&
         functions[static_cast<size_t>(best)].params.size() != call.args.size()))
      best = static_cast<int>(i);
  }
  return best;
}

bool SourceScan::IsChained(size_t file, size_t token) const {
  return std::binary_search(chainedTokens.begin(), chainedTokens.end(),
                            std::make_pair(file, token));
}

std::string AssignedTo(const std::vector<Token>& tokens, size_t token) {
  size_t at = token;
  if (at >= 4 && tokens[at - 1].Is("(") && tokens[at - 2].IsWord("move") && tokens[at - 3].Is("::"))
    at -= 4;  // std::move(x)
  if (at >= 2 && tokens[at - 1].Is("=") && tokens[at - 2].kind == Token::Kind::Identifier)
    return tokens[at - 2].text;
  return {};
}

SourceScan ScanSources(std::vector<SourceFile> files) {
  SourceScan scan;
  scan.files = std::move(files);
  std::vector<FileFunctions> found;
  for (size_t f = 0; f < scan.files.size(); ++f) {
    scan.files[f].brackets = MatchBrackets(scan.files[f].tokens);
    FindStructs(scan, f);
  }
  for (size_t f = 0; f < scan.files.size(); ++f) found.push_back(FindFunctions(scan, f));
  scan.fieldUses.resize(scan.structs.size());
  for (size_t i = 0; i < scan.structs.size(); ++i)
    scan.fieldUses[i].resize(scan.structs[i].fields.size());
  scan.paramUses.resize(scan.functions.size());
  for (size_t i = 0; i < scan.functions.size(); ++i)
    scan.paramUses[i].resize(scan.functions[i].params.size());
  for (size_t f = 0; f < scan.files.size(); ++f) {
    Scanner scanner(scan, f, found[f]);
    scanner.Range(0, scan.files[f].tokens.size(), Place{});
    // Every mention of a parameter that was not a chain's part or passed on is some other use.
    const std::vector<Token>& tokens = scan.files[f].tokens;
    for (const auto& [open, id] : found[f].bodies) {
      const Function& fn = scan.functions[static_cast<size_t>(id)];
      for (size_t i = fn.bodyBegin; i < fn.bodyEnd; ++i) {
        if (tokens[i].kind != Token::Kind::Identifier || tokens[i - 1].Is(".") ||
            tokens[i - 1].Is("->") || tokens[i - 1].Is("::"))
          continue;
        const auto p = std::find(fn.params.begin(), fn.params.end(), tokens[i].text);
        if (p == fn.params.end()) continue;
        const auto use = scanner.mentions_.find(i);
        ParamUse other;
        other.assignedTo = AssignedTo(tokens, i);
        scan.paramUses[static_cast<size_t>(id)][static_cast<size_t>(p - fn.params.begin())]
            .push_back(use == scanner.mentions_.end() ? other : use->second);
      }
    }
  }
  // Every read of a field, of any struct with a field of that name.
  for (const SourceFile& file : scan.files)
    for (size_t i = 0; i + 1 < file.tokens.size(); ++i)
      if ((file.tokens[i].Is(".") || file.tokens[i].Is("->")) &&
          file.tokens[i + 1].kind == Token::Kind::Identifier)
        for (size_t s = 0; s < scan.structs.size(); ++s)
          for (size_t f = 0; f < scan.structs[s].fields.size(); ++f)
            if (scan.structs[s].fields[f] == file.tokens[i + 1].text)
              ++scan.fieldUses[s][f].mentions;
  std::sort(scan.chainedTokens.begin(), scan.chainedTokens.end());
  return scan;
}

}  // namespace pp::langpot
