#include "lang/Catalogue.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <set>

#include "core/AtomicFile.h"
#include "core/Utf8.h"
#include "lang/Romaniser.h"

namespace pp {
namespace {

// Joins msgctxt and msgid in a key, as the compiled catalogues of gettext do.
constexpr char kContextSeparator = '\x04';
// Lines kept in the cache before it starts afresh: far more than a screen and the log show.
constexpr size_t kCacheLimit = 8192;
// How deep values are translated within values: the game nests two ("{monster}の攻撃" holding
// "{name}＋" holding a name).
constexpr int kMaxDepth = 4;
constexpr std::string_view kYenSign = "\xC2\xA5";  // U+00A5

std::string ContextKey(std::string_view context, std::string_view id) {
  std::string key;
  key.reserve(context.size() + 1 + id.size());
  key.append(context).append(1, kContextSeparator).append(id);
  return key;
}

bool HasNonAscii(std::string_view text) {
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

std::string Replace(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  size_t pos = 0;
  for (size_t at = text.find(from); at != std::string_view::npos; at = text.find(from, pos)) {
    out.append(text.substr(pos, at - pos)).append(to);
    pos = at + from.size();
  }
  return out.append(text.substr(pos));
}

// The game's byte 0x5C is its yen sign; English fonts draw it as a backslash.
std::string YenForBackslash(std::string_view text) { return Replace(text, "\\", kYenSign); }

char32_t FirstChar(std::string_view text) {
  size_t pos = 0;
  return text.empty() ? 0 : NextCodePoint(text, pos);
}

char32_t LastChar(std::string_view text) {
  size_t start = text.size();
  while (start > 0 && (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80) --start;
  if (start > 0) --start;
  return FirstChar(text.substr(start));
}

std::set<std::string> PlaceholderNames(const std::vector<TemplatePiece>& pieces) {
  std::set<std::string> names;
  for (const TemplatePiece& p : pieces)
    if (p.placeholder) names.insert(p.text);
  return names;
}

std::string Listed(const std::set<std::string>& names) {
  if (names.empty()) return "none";
  std::string out;
  for (const std::string& name : names) out += (out.empty() ? "{" : " {") + name + "}";
  return out;
}

int FaultLine(std::string_view fault, size_t nameLength) {
  int line = 0;
  for (size_t i = nameLength + 1;
       i < fault.size() && std::isdigit(static_cast<unsigned char>(fault[i])); ++i)
    line = line * 10 + (fault[i] - '0');
  return line;
}

}  // namespace

Catalogue::Catalogue(PoFile file) {
  faults_ = std::move(file.faults);
  language_ = HeaderField(file.header, "Language");
  std::string charset = HeaderField(file.header, "Content-Type");
  const size_t at = charset.find("charset=");
  charset = at == std::string::npos ? "" : charset.substr(at + 8);
  std::transform(charset.begin(), charset.end(), charset.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (!charset.empty() && charset != "utf-8" && charset != "utf8")
    faults_.push_back(file.name + ":" + std::to_string(file.headerLine) + ": charset " + charset +
                      ": a catalogue must be UTF-8");
  for (const PoEntry& entry : file.entries) Add(entry, file.name);
  plainTemplates_.Index();
  for (auto& [context, set] : contextTemplates_) set.Index();
  std::stable_sort(faults_.begin(), faults_.end(),
                   [&file](const std::string& a, const std::string& b) {
                     return FaultLine(a, file.name.size()) < FaultLine(b, file.name.size());
                   });
}

Catalogue Catalogue::Load(const std::filesystem::path& path) {
  // Read in one piece: copied through a stream buffer byte by byte, it cost the page 50 ms.
  const std::optional<std::string> text = ReadWholeFile(path);
  if (!text) {
    Catalogue empty;
    empty.faults_.push_back(path.string() + ": cannot be read");
    return empty;
  }
  return Catalogue(ReadPo(*text, path.string()));
}

void Catalogue::Add(const PoEntry& entry, const std::string& fileName) {
  if (entry.translation.empty() || entry.fuzzy()) return;  // untranslated: the Japanese shows
  const auto fault = [&](int line, const std::string& message) {
    faults_.push_back(fileName + ":" + std::to_string(line) + ": " + message);
  };
  const std::string context = entry.context.value_or("");
  if (!IsUtf8(entry.id) || !IsUtf8(entry.translation) || !IsUtf8(context))
    return fault(entry.line, "not UTF-8");
  if (entry.id.find(kContextSeparator) != std::string::npos ||
      context.find(kContextSeparator) != std::string::npos)
    return fault(entry.line, "a control character \\004 in msgctxt or msgid");
  // A msgid copied from the screen may have the yen sign where the game has its backslash.
  const std::string id = Replace(entry.id, kYenSign, "\\");
  std::string english = YenForBackslash(entry.translation);
  std::vector<TemplatePiece> englishPieces = SplitPlaceholders(english);
  const std::set<std::string> idNames = PlaceholderNames(SplitPlaceholders(id));
  const std::set<std::string> englishNames = PlaceholderNames(englishPieces);
  if (idNames != englishNames)
    return fault(entry.translationLine, "msgstr has placeholders " + Listed(englishNames) +
                                            " where msgid has " + Listed(idNames));
  if (idNames.empty()) {
    const bool added = entry.context
                           ? exact_.emplace(ContextKey(context, id), std::move(english)).second
                           : exact_.emplace(id, std::move(english)).second;
    if (!added) fault(entry.line, "the same msgid as another entry (¥ reads as \\)");
    return;
  }
  std::string error;
  std::optional<TextTemplate> pattern = TextTemplate::Compile(id, error);
  if (!pattern) return fault(entry.line, "msgid: " + error);
  Template t{std::move(*pattern), std::move(englishPieces), {}};
  for (const TemplatePiece& piece : t.english) {
    const auto& names = t.pattern.names();
    t.slots.push_back(
        piece.placeholder
            ? static_cast<int>(std::find(names.begin(), names.end(), piece.text) - names.begin())
            : -1);
  }
  TemplateSet& set = entry.context ? contextTemplates_[context] : plainTemplates_;
  set.templates.push_back(std::move(t));
}

void Catalogue::TemplateSet::Index() {
  // Most literal text first; then fewer text values; then the catalogue's order.
  std::stable_sort(templates.begin(), templates.end(), [](const Template& a, const Template& b) {
    if (a.pattern.literalChars() != b.pattern.literalChars())
      return a.pattern.literalChars() > b.pattern.literalChars();
    return a.pattern.textPlaceholders() < b.pattern.textPlaceholders();
  });
  for (size_t i = 0; i < templates.size(); ++i) {
    const std::vector<TemplatePiece>& pieces = templates[i].pattern.pieces();
    if (!pieces.front().placeholder)
      byFirst[FirstChar(pieces.front().text)].push_back(i);
    else if (!pieces.back().placeholder)
      byLast[LastChar(pieces.back().text)].push_back(i);
    else
      floating.push_back(i);
  }
}

std::vector<size_t> Catalogue::TemplateSet::Candidates(std::string_view line) const {
  std::vector<size_t> out = floating;
  if (auto it = byFirst.find(FirstChar(line)); it != byFirst.end())
    out.insert(out.end(), it->second.begin(), it->second.end());
  if (auto it = byLast.find(LastChar(line)); it != byLast.end())
    out.insert(out.end(), it->second.begin(), it->second.end());
  std::sort(out.begin(), out.end());
  return out;
}

size_t Catalogue::templateCount() const {
  size_t count = plainTemplates_.templates.size();
  for (const auto& [context, set] : contextTemplates_) count += set.templates.size();
  return count;
}

std::optional<Translation> Catalogue::Translate(std::string_view line,
                                                std::string_view role) const {
  return Find(line, role, 0);
}

std::optional<Translation> Catalogue::Find(std::string_view line, std::string_view role,
                                           int depth) const {
  std::string key = ContextKey(role, line);
  if (auto it = cache_.find(key); it != cache_.end()) return it->second;
  std::optional<Translation> result = Resolve(line, role, depth);
  if (cache_.size() >= kCacheLimit) cache_.clear();
  cache_.emplace(std::move(key), result);
  return result;
}

std::optional<Translation> Catalogue::Resolve(std::string_view line, std::string_view role,
                                              int depth) const {
  if (line.empty()) return Translation{};
  if (!role.empty())
    if (auto it = exact_.find(ContextKey(role, line)); it != exact_.end())
      return Translation{it->second};
  if (auto it = exact_.find(line); it != exact_.end()) return Translation{it->second};
  if (depth <= kMaxDepth) {
    if (auto it = contextTemplates_.find(role); !role.empty() && it != contextTemplates_.end())
      if (std::optional<Translation> t = ByTemplate(it->second, line, depth)) return t;
    if (std::optional<Translation> t = ByTemplate(plainTemplates_, line, depth)) return t;
  }
  if (!HasNonAscii(line)) return Translation{YenForBackslash(line)};
  return std::nullopt;
}

std::optional<Translation> Catalogue::ByTemplate(const TemplateSet& set, std::string_view line,
                                                 int depth) const {
  for (size_t index : set.Candidates(line)) {
    const Template& t = set.templates[index];
    std::optional<Translation> first;
    std::optional<Translation> whole;
    t.pattern.Match(line, [&](TextTemplate::Values values) {
      Translation filled = Fill(t, values, depth);
      if (filled.complete) {
        whole = std::move(filled);
        return true;
      }
      if (!first) first = std::move(filled);
      return false;  // another split of the line may give every value its English
    });
    if (whole) return whole;
    if (first) return first;
  }
  return std::nullopt;
}

Translation Catalogue::Fill(const Template& t, TextTemplate::Values values, int depth) const {
  Translation out;
  for (size_t i = 0; i < t.english.size(); ++i) {
    const TemplatePiece& piece = t.english[i];
    if (!piece.placeholder) {
      out.text += piece.text;
      continue;
    }
    const std::string_view value = values[static_cast<size_t>(t.slots[i])];
    if (piece.number) {
      out.text += value;
      continue;
    }
    Translation v = ValueText(value, piece.text, depth);
    out.text += v.text;
    out.complete = out.complete && v.complete;
  }
  return out;
}

Translation Catalogue::ValueText(std::string_view value, std::string_view name, int depth) const {
  if (std::optional<Translation> t = Find(value, PlaceholderKind(name), depth + 1)) return *t;
  if (std::optional<std::string> latin = RomaniseKatakana(value)) return Translation{*latin};
  return Translation{YenForBackslash(value), false};
}

}  // namespace pp
