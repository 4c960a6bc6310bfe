#pragma once
// What the game's source says about its texts: the functions and their calls, every string
// literal with the call or table it stands in, and every "+" chain of literals and values at one
// nesting depth, the chains a line of the game is built from.

#include <cstddef>
#include <string>
#include <vector>

#include "langpot/CppTokens.h"

namespace pp::langpot {

struct SourceFile {
  std::string path;  // relative to the source tree: "src/adventure/Step.cpp"
  std::vector<Token> tokens;
  std::vector<size_t> brackets;  // per opening bracket, its closing one (filled by ScanSources)
};

// Where an expression stands: the calls it is an argument of, innermost first, and the table
// element it initialises.
struct Place {
  struct Argument {
    std::string callee;
    size_t index = 0;
    size_t call = 0;  // in SourceScan::calls
  };
  std::vector<Argument> arguments;
  std::string table;   // the declared name or type of the braced initialiser around it
  size_t element = 0;  // its element index there
  int function = -1;   // the enclosing function definition, or -1 at file level
  int row = -1;        // the table row (SourceScan::rows) it is a field of, or -1
  int arrayOf = -1;    // inside an array of this struct: its braces are rows
};

// One part of a "+" chain.
struct Operand {
  enum class Kind {
    Literal,  // literals[0]
    Choice,   // one of `literals` (cond ? "a" : "b")
    Param,    // the enclosing function's parameter `param`
    Field,    // field `field` of struct `structIndex`, read from the variable `base`
    Value,    // a value shown as `placeholder` ("n", "monster", "item", ...)
  };
  Kind kind = Kind::Value;
  std::vector<std::string> literals;
  std::vector<size_t> literalTokens;  // Literal, Choice: where the literals stand
  size_t param = 0;
  size_t paramToken = 0;  // Param: where it is mentioned
  size_t structIndex = 0, field = 0;
  std::string base;
  size_t fieldToken = 0;    // Field: where it is mentioned
  std::string placeholder;  // Value: the placeholder kind
  std::string source;       // the C++ expression
};

struct Struct {
  std::string name;
  size_t file = 0;
  std::vector<std::string> fields;  // in declaration order
};

// A braced initialiser of a struct: one row of a table.
struct Row {
  size_t structIndex = 0;
  size_t file = 0;
  std::vector<std::pair<size_t, size_t>> elements;  // token ranges, in field order
};

// How often a struct's field is read, and how often as part of a "+" chain.
struct FieldUse {
  size_t mentions = 0, inChains = 0;
};

struct Chain {
  size_t file = 0;
  int line = 0;
  Place place;
  std::vector<Operand> operands;
};

struct Literal {
  size_t file = 0;
  size_t token = 0;  // index in the file's tokens
  int line = 0;
  std::string text;
  Place place;
};

struct Function {
  std::string name;
  size_t file = 0;
  int line = 0;
  std::vector<std::string> params;
  std::vector<std::pair<size_t, size_t>> paramRanges;  // each parameter's declaration
  size_t bodyBegin = 0, bodyEnd = 0;                   // token range inside the braces
};

struct Call {
  std::string callee;
  size_t file = 0;
  int line = 0;
  size_t token = 0;                             // the callee's name
  int caller = -1;                              // the enclosing function
  std::vector<std::pair<size_t, size_t>> args;  // token ranges
};

// How a parameter's value is used inside its function.
struct ParamUse {
  enum class Kind { InChain, Forwarded, Other };
  Kind kind = Kind::Other;
  size_t call = 0;  // Forwarded: the call and the argument it becomes; InChain: the chain
  size_t arg = 0;
  std::string assignedTo;  // Other: the variable or field it is assigned to, if it is
};

struct SourceScan {
  std::vector<SourceFile> files;
  std::vector<Struct> structs;
  std::vector<Row> rows;
  std::vector<std::vector<FieldUse>> fieldUses;  // per struct, per field
  std::vector<Function> functions;
  std::vector<Call> calls;
  std::vector<Literal> literals;
  std::vector<Chain> chains;
  // Per function, per parameter: how each of its mentions in the body is used.
  std::vector<std::vector<std::vector<ParamUse>>> paramUses;
  // Literal tokens that are parts of a chain (file, token), sorted.
  std::vector<std::pair<size_t, size_t>> chainedTokens;

  // Classifies the expression tokens [begin, end) of `file` as a chain operand within `function`.
  std::vector<Operand> Classify(size_t file, size_t begin, size_t end, int function,
                                int depth = 0) const;
  // The struct named `name`, the one of `file` first; -1 when there is none.
  int StructNamed(std::string_view name, size_t file) const;
  // The struct type of the variable named at `token`, from its declaration; -1 when unknown.
  int StructOfVariable(size_t file, size_t token, int function) const;
  // The definition a call binds to: in the caller's file first; -1 when there is none.
  int Callee(const Call& call) const;
  bool IsChained(size_t file, size_t token) const;
};

// The name `token` is assigned to ("x = token", "x = std::move(token)"), or "".
std::string AssignedTo(const std::vector<Token>& tokens, size_t token);

// Scans the files (their tokens filled in).
SourceScan ScanSources(std::vector<SourceFile> files);

}  // namespace pp::langpot
