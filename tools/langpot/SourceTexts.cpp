#include "langpot/SourceTexts.h"

#include <algorithm>
#include <array>
#include <map>

#include "adventure/Flavour.h"
#include "core/Utf8.h"

namespace pp::langpot {
namespace {

// How far a parameter is followed through calls.
constexpr int kMaxCallDepth = 6;

// Files whose Japanese is never translated: the score report and the save file's name never
// reach the screen, and the language switch names the languages in their own words.
constexpr std::array<std::string_view, 3> kUntranslatedFiles{
    "src/state/ScoreReport.cpp", "src/state/SaveFolder.cpp", "src/extras/LanguageSwitch.cpp"};
// The random names' katakana units: a catalogue cannot list the names, so the catalogue
// romanises any random name it meets instead.
constexpr std::string_view kRandomNames = "src/story/RandomName.cpp";
constexpr std::string_view kFlavourFile = "src/adventure/Flavour.cpp";

struct Sink {
  std::string_view callee;
  size_t index;
  std::string_view role;
};
// The calls that show their argument.
constexpr std::array<Sink, 10> kSinks{{
    {"AddMessage", 1, "message line"},
    {"AddColorMessage", 1, "message line"},
    {"Say", 1, "message line"},
    {"SayIn", 1, "message line"},
    {"PushOverlayText", 3, "message line"},
    {"SetChoices", 1, "choice label (button)"},
    {"SetChoices", 2, "choice label (button)"},
    {"SetChoices", 3, "choice label (button)"},
    {"ConfirmYesNo", 0, "question in a yes/no box"},
    {"ShowNotice", 0, "notice of the program"},
}};

// What a table's element is, by the table's name or element type.
struct TableRole {
  std::string_view table;
  size_t element;
  std::string_view role;
};
constexpr std::array<TableRole, 5> kTableRoles{{
    {"kItems", 1, "item name"},
    {"kItems", 2, "item description (item panel)"},
    {"Route", 0, "choice label (button)"},
    {"t", 1, "a person's name (\"<name>と出会った\")"},
    {"kFlavour", 0, "flavour line"},
}};

// Texts stored into these names are shown as what they hold.
constexpr std::array<std::pair<std::string_view, std::string_view>, 1> kAssignmentRoles{{
    {"enemyName", "monster name"},
}};

// Roles by folder, for texts whose use the calls do not tell.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kFileRoles{{
    {"src/ui/Status", "status overlay"},
    {"src/items/Panel", "item panel"},
    {"src/platform/", "notice of the program"},
    {"src/extras/", "notice of the program"},
}};

std::string_view KindDescription(std::string_view kind) {
  if (kind == "n") return "a number";
  if (kind == "monster") return "the enemy's name";
  if (kind == "item") return "an item's name";
  if (kind == "level") return "a level's name";
  if (kind == "name") return "a name";
  return "a text";
}

class Collector {
 public:
  Collector(const SourceScan& scan, PotFile& pot, std::vector<std::string>& handWork)
      : scan_(scan), pot_(pot), handWork_(handWork) {
    FindSpeakers();
  }

  void Run() {
    for (const Chain& chain : scan_.chains) AddChain(chain);
    for (const Literal& literal : scan_.literals) AddLiteral(literal);
  }

 private:
  const std::string& Path(size_t file) const { return scan_.files[file].path; }
  bool Skipped(size_t file) const {
    const std::string& path = Path(file);
    return std::find(kUntranslatedFiles.begin(), kUntranslatedFiles.end(), path) !=
               kUntranslatedFiles.end() ||
           path == kRandomNames;
  }

  // Conversations: which person speaks the lines of each table ("t[3] = {pic, "空子", kSlot3,
  // 18}").
  void FindSpeakers() {
    for (const SourceFile& f : scan_.files) {
      const std::vector<Token>& t = f.tokens;
      for (size_t i = 0; i + 5 < t.size(); ++i)
        if (t[i].Is("{") && t[i + 1].kind == Token::Kind::String && t[i + 2].Is(",") &&
            t[i + 3].kind == Token::Kind::String && t[i + 4].Is(",") &&
            t[i + 5].text.starts_with("kSlot"))
          speakers_[t[i + 5].text] = t[i + 3].text;
    }
  }

  std::string ArgumentRole(size_t call, size_t index, int depth) const {
    const Call& c = scan_.calls[call];
    for (const Sink& s : kSinks)
      if (s.callee == c.callee && s.index == index) return std::string(s.role);
    const int callee = scan_.Callee(c);
    if (callee < 0 || depth > kMaxCallDepth) return {};
    const auto& uses = scan_.paramUses[static_cast<size_t>(callee)];
    if (index >= uses.size()) return {};
    for (const ParamUse& use : uses[index]) {
      std::string role = AssignmentRole(use.assignedTo);
      if (use.kind == ParamUse::Kind::Forwarded) role = ArgumentRole(use.call, use.arg, depth + 1);
      if (use.kind == ParamUse::Kind::InChain)
        role = PlaceRole(scan_.chains[use.call].file, scan_.chains[use.call].place, depth + 1);
      if (!role.empty()) return role;
    }
    return {};
  }

  static std::string AssignmentRole(std::string_view name) {
    for (const auto& [target, role] : kAssignmentRoles)
      if (target == name) return std::string(role);
    return {};
  }

  // The role of the texts of table `name` (a list of lines), by the calls that show its elements:
  // "for (auto line : name) Say(g, line)", also when the table is passed to a function that does
  // so with its parameter. Searches the tokens [begin, end) of `file`.
  std::string TableUseRole(size_t file, std::string_view name, size_t begin, size_t end,
                           int depth) const {
    const std::vector<Token>& t = scan_.files[file].tokens;
    for (size_t i = begin + 1; i + 2 < end && depth <= kMaxCallDepth; ++i) {
      if (!(t[i].Is(":") && t[i + 1].text == name && t[i + 2].Is(")"))) continue;
      const std::string& element = t[i - 1].text;
      for (size_t c = 0; c < scan_.calls.size(); ++c) {
        const Call& call = scan_.calls[c];
        if (call.file != file || call.token < i || call.token > i + 40) continue;
        for (size_t k = 0; k < call.args.size(); ++k)
          if (call.args[k].second == call.args[k].first + 1 &&
              t[call.args[k].first].text == element)
            if (std::string role = ArgumentRole(c, k, depth + 1); !role.empty()) return role;
      }
    }
    for (size_t c = 0; c < scan_.calls.size(); ++c) {
      const Call& call = scan_.calls[c];
      const int callee = scan_.Callee(call);
      if (call.file != file || call.token < begin || call.token >= end || callee < 0) continue;
      const Function& f = scan_.functions[static_cast<size_t>(callee)];
      for (size_t k = 0; k < call.args.size() && k < f.params.size(); ++k)
        if (call.args[k].second == call.args[k].first + 1 && t[call.args[k].first].text == name)
          if (std::string role =
                  TableUseRole(f.file, f.params[k], f.bodyBegin, f.bodyEnd, depth + 1);
              !role.empty())
            return role;
    }
    return {};
  }

  // The role of a table row's field by the calls that are passed it whole ("Say(g, e.step)").
  std::string FieldRole(size_t structIndex, size_t field, int depth) const {
    for (size_t c = 0; c < scan_.calls.size(); ++c) {
      const Call& call = scan_.calls[c];
      for (size_t k = 0; k < call.args.size(); ++k) {
        if (call.args[k].second != call.args[k].first + 3) continue;
        const std::vector<Operand> operands =
            scan_.Classify(call.file, call.args[k].first, call.args[k].second, call.caller);
        if (operands.size() == 1 && operands[0].kind == Operand::Kind::Field &&
            operands[0].structIndex == structIndex && operands[0].field == field)
          if (std::string role = ArgumentRole(c, k, depth + 1); !role.empty()) return role;
      }
    }
    return {};
  }

  std::string PlaceRole(size_t file, const Place& place, int depth) const {
    for (const Place::Argument& a : place.arguments)
      if (std::string role = ArgumentRole(a.call, a.index, depth); !role.empty()) return role;
    for (const TableRole& t : kTableRoles)
      if (t.table == place.table && t.element == place.element) return std::string(t.role);
    if (place.row >= 0)
      if (std::string role = FieldRole(scan_.rows[static_cast<size_t>(place.row)].structIndex,
                                       place.element, depth);
          !role.empty())
        return role;
    if (!place.table.empty() && place.row < 0)
      if (std::string role =
              TableUseRole(file, place.table, 0, scan_.files[file].tokens.size(), depth);
          !role.empty())
        return role;
    for (const auto& [prefix, role] : kFileRoles)
      if (Path(file).starts_with(prefix)) return std::string(role);
    return {};
  }

  // The role of a constant's text by the calls it is passed to ("kQuestion = "..."").
  std::string ConstantRole(const Literal& literal) const {
    const std::vector<Token>& t = scan_.files[literal.file].tokens;
    if (literal.token < 2 || !t[literal.token - 1].Is("=") ||
        t[literal.token - 2].kind != Token::Kind::Identifier)
      return {};
    const std::string& name = t[literal.token - 2].text;
    if (std::string role = AssignmentRole(name); !role.empty()) return role;
    for (size_t c = 0; c < scan_.calls.size(); ++c) {
      const Call& call = scan_.calls[c];
      if (call.file != literal.file) continue;
      for (size_t k = 0; k < call.args.size(); ++k)
        if (call.args[k].second == call.args[k].first + 1 && t[call.args[k].first].text == name)
          if (std::string role = ArgumentRole(c, k, 0); !role.empty()) return role;
    }
    return {};
  }

  bool ParamConsumed(size_t function, size_t param, int depth) const {
    const auto& uses = scan_.paramUses[function];
    if (param >= uses.size() || uses[param].empty() || depth > kMaxCallDepth) return false;
    return std::all_of(uses[param].begin(), uses[param].end(), [&](const ParamUse& use) {
      if (use.kind == ParamUse::Kind::InChain) return true;
      if (use.kind == ParamUse::Kind::Other) return false;
      const int callee = scan_.Callee(scan_.calls[use.call]);
      return callee >= 0 && ParamConsumed(static_cast<size_t>(callee), use.arg, depth + 1);
    });
  }

  // A literal passed whole to a parameter that only ever becomes part of composed lines.
  bool Consumed(const Literal& literal) const {
    // A table's text read only as part of composed lines.
    if (literal.place.row >= 0) {
      const Row& row = scan_.rows[static_cast<size_t>(literal.place.row)];
      const size_t k = literal.place.element;
      if (k < row.elements.size() &&
          row.elements[k] == std::make_pair(literal.token, literal.token + 1)) {
        const FieldUse& use = scan_.fieldUses[row.structIndex][k];
        return use.mentions > 0 && use.mentions == use.inChains;
      }
    }
    if (literal.place.arguments.empty()) return false;
    const Place::Argument& a = literal.place.arguments.front();
    const Call& call = scan_.calls[a.call];
    const auto [begin, end] = call.args[a.index];
    const std::vector<Operand> operands = scan_.Classify(call.file, begin, end, call.caller);
    if (operands.size() != 1 || operands[0].kind != Operand::Kind::Literal ||
        operands[0].literalTokens != std::vector<size_t>{literal.token})
      return false;
    const int callee = scan_.Callee(call);
    return callee >= 0 && ParamConsumed(static_cast<size_t>(callee), a.index, 0);
  }

  void AddLiteral(const Literal& literal) {
    if (Skipped(literal.file) || !IsJapanese(literal.text) ||
        scan_.IsChained(literal.file, literal.token) || Consumed(literal))
      return;
    const std::string& file = Path(literal.file);
    if (file == kFlavourFile && literal.place.table == "kFlavour") return AddFlavour(literal);
    std::string role = PlaceRole(literal.file, literal.place, 0);
    if (role.empty()) role = ConstantRole(literal);
    if (literal.place.table.starts_with("kSlot") && literal.place.element == 0) {
      const auto speaker = speakers_.find(literal.place.table);
      role = "conversation line" +
             (speaker == speakers_.end() ? "" : ", spoken by " + speaker->second);
    }
    AddLines(pot_, literal.text, "", file, literal.line, role);
  }

  // A flavour line longer than a message line is shown as two: each half has its own entry.
  void AddFlavour(const Literal& literal) {
    const auto [first, rest] = SplitAtCp932Bytes(literal.text, kFlavourSplitBytes);
    const std::string& file = Path(literal.file);
    if (rest.empty())
      return pot_.Add(first, "", file, literal.line, "flavour line, shown when nothing happens");
    pot_.Add(first, "", file, literal.line,
             "flavour line, first half: the game shows the line as two messages. The second half "
             "is \"" +
                 rest + "\"; split the English at a natural break between the two.");
    pot_.Add(rest, "", file, literal.line,
             "flavour line, second half: the first half is \"" + first + "\".");
  }

  // A chain with its parameters replaced by what one line of calls passes for them.
  struct Expansion {
    std::vector<Operand> operands;
    std::vector<const Call*> calls;  // the calls that passed them, innermost first
  };

  std::vector<Expansion> Expand(Expansion e, int function, int depth) const {
    const bool hasParam = std::any_of(e.operands.begin(), e.operands.end(), [](const Operand& o) {
      return o.kind == Operand::Kind::Param;
    });
    if (!hasParam) return {std::move(e)};
    std::vector<Expansion> out;
    for (size_t c = 0; function >= 0 && depth < kMaxCallDepth && c < scan_.calls.size(); ++c) {
      const Call& call = scan_.calls[c];
      if (call.callee != scan_.functions[static_cast<size_t>(function)].name ||
          scan_.Callee(call) != function)
        continue;
      Expansion bound{{}, e.calls};
      bound.calls.push_back(&call);
      for (const Operand& o : e.operands) {
        if (o.kind != Operand::Kind::Param || o.param >= call.args.size()) {
          bound.operands.push_back(o);
          continue;
        }
        const auto [begin, end] = call.args[o.param];
        for (Operand& a : scan_.Classify(call.file, begin, end, call.caller))
          bound.operands.push_back(std::move(a));
      }
      for (Expansion& more : Expand(std::move(bound), call.caller, depth + 1))
        out.push_back(std::move(more));
    }
    if (out.empty()) {  // nobody passes it: a value
      for (Operand& o : e.operands)
        if (o.kind == Operand::Kind::Param) {
          o.kind = Operand::Kind::Value;
          o.placeholder = "text";
        }
      out.push_back(std::move(e));
    }
    return out;
  }

  // The operands with the fields of each variable read from one row of its table at a time.
  std::vector<std::vector<Operand>> ExpandFields(const std::vector<Operand>& operands) const {
    std::vector<std::vector<Operand>> out = {operands};
    for (const Operand& field : operands) {
      if (field.kind != Operand::Kind::Field ||
          std::none_of(scan_.rows.begin(), scan_.rows.end(),
                       [&](const Row& r) { return r.structIndex == field.structIndex; }))
        continue;
      std::vector<std::vector<Operand>> bound;
      for (const std::vector<Operand>& ops : out) {
        if (std::none_of(ops.begin(), ops.end(), [&](const Operand& o) {
              return o.kind == Operand::Kind::Field && o.base == field.base;
            })) {
          bound.push_back(ops);  // bound already
          continue;
        }
        for (const Row& row : scan_.rows) {
          if (row.structIndex != field.structIndex) continue;
          std::vector<Operand> one;
          for (const Operand& o : ops) {
            if (o.kind != Operand::Kind::Field || o.base != field.base ||
                o.field >= row.elements.size()) {
              one.push_back(o);
              continue;
            }
            // A row that computes the field gives no text: the field stays a value.
            const auto [begin, end] = row.elements[o.field];
            std::vector<Operand> value = scan_.Classify(row.file, begin, end, -1);
            if (std::any_of(value.begin(), value.end(), [](const Operand& v) {
                  return v.kind != Operand::Kind::Literal && v.kind != Operand::Kind::Choice;
                })) {
              Operand kept = o;
              kept.kind = Operand::Kind::Value;
              value = {kept};
            }
            for (Operand& v : value) one.push_back(std::move(v));
          }
          bound.push_back(std::move(one));
        }
      }
      out = std::move(bound);
    }
    for (auto& ops : out)  // a field of a struct without rows in the source: a value
      for (Operand& o : ops)
        if (o.kind == Operand::Kind::Field) o.kind = Operand::Kind::Value;
    return out;
  }

  void AddChain(const Chain& chain) {
    if (Skipped(chain.file)) return;
    const std::string role = PlaceRole(chain.file, chain.place, 0);
    for (const Expansion& e : Expand({chain.operands, {}}, chain.place.function, 0))
      for (const std::vector<Operand>& operands : ExpandFields(e.operands))
        AddChoices(chain, e, operands, role);
  }

  // Each choice between literals makes a template of its own.
  void AddChoices(const Chain& chain, const Expansion& e, const std::vector<Operand>& operands,
                  const std::string& role) {
    std::vector<std::vector<Operand>> choices = {{}};
    for (const Operand& o : operands) {
      if (o.kind != Operand::Kind::Choice) {
        for (auto& c : choices) c.push_back(o);
        continue;
      }
      std::vector<std::vector<Operand>> more;
      for (const std::string& alternative : o.literals)
        for (auto c : choices) {
          Operand literal;
          literal.kind = Operand::Kind::Literal;
          literal.literals = {alternative};
          c.push_back(std::move(literal));
          more.push_back(std::move(c));
        }
      choices = std::move(more);
    }
    for (const auto& c : choices) AddTemplate(chain, e.calls, c, role);
  }

  void AddTemplate(const Chain& chain, const std::vector<const Call*>& calls,
                   const std::vector<Operand>& operands, const std::string& role) {
    std::string text;
    std::string values;
    std::map<std::string, int> counts;
    const Operand* before = nullptr;  // the value just before, with no text between
    std::string touching;
    bool japanese = false;
    for (const Operand& o : operands) {
      if (o.kind == Operand::Kind::Literal) {
        text += o.literals[0];
        japanese = japanese || IsJapanese(o.literals[0]);
        if (!o.literals[0].empty()) before = nullptr;
        continue;
      }
      const int count = ++counts[o.placeholder];
      const std::string name = o.placeholder + (count > 1 ? std::to_string(count) : "");
      if (before != nullptr && !(before->placeholder == "n" && o.placeholder != "n"))
        touching = "{" + before->source + "}{" + o.source + "}";
      before = &o;
      text += "{" + name + "}";
      values += (values.empty() ? "{" : "; {") + name +
                "}: " + std::string(KindDescription(o.placeholder)) + " (" + o.source + ")";
    }
    if (!japanese) return;
    const std::string& file = Path(chain.file);
    std::string problem;
    if (!touching.empty()) problem = "the values " + touching + " touch";
    if (text.find('\r') != std::string::npos) problem = "a line break inside";
    if (!problem.empty()) {
      handWork_.push_back(file + ":" + std::to_string(chain.line) + ": \"" + text +
                          "\": " + problem + "; write the line in data/lang/extra-templates.txt");
      return;
    }
    pot_.Add(text, "", file, chain.line, role);
    pot_.Add(text, "", file, chain.line, values);
    for (const Call* call : calls) pot_.Add(text, "", Path(call->file), call->line, "");
  }

  const SourceScan& scan_;
  PotFile& pot_;
  std::vector<std::string>& handWork_;
  std::map<std::string, std::string> speakers_;
};

}  // namespace

bool IsJapanese(std::string_view text) {
  for (size_t pos = 0; pos < text.size();) {
    const char32_t c = NextCodePoint(text, pos);
    if ((c >= 0x3040 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF) ||
        (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF01 && c <= 0xFF9F))
      return true;
  }
  return false;
}

void AddLines(PotFile& pot, std::string_view text, std::string_view context, std::string_view file,
              int line, std::string_view comment) {
  std::vector<std::string_view> lines;
  for (size_t pos = 0; pos <= text.size();) {
    const size_t end = std::min(text.find('\r', pos), text.size());
    lines.push_back(text.substr(pos, end - pos));
    pos = end + 1;
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!IsJapanese(lines[i])) continue;
    std::string note(comment);
    if (lines.size() > 1)
      note += (note.empty() ? "" : "; ") + std::string("line ") + std::to_string(i + 1) + " of " +
              std::to_string(lines.size());
    pot.Add(lines[i], context, file, line, note);
  }
}

void AddSourceTexts(const SourceScan& scan, PotFile& pot, std::vector<std::string>& handWork) {
  Collector(scan, pot, handWork).Run();
}

}  // namespace pp::langpot
