#include "langpot/ExtraTemplates.h"

#include <algorithm>
#include <stdexcept>

#include "lang/TextTemplate.h"

namespace pp::langpot {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

std::runtime_error Fault(std::string_view file, int line, const std::string& message) {
  return std::runtime_error(std::string(file) + ":" + std::to_string(line) + ": " + message);
}

std::string Unquote(std::string_view value, std::string_view file, int line) {
  if (value.size() < 2 || value.front() != '"' || value.back() != '"')
    throw Fault(file, line, "the text must stand in double quotes");
  std::string out;
  for (size_t i = 1; i + 1 < value.size(); ++i) {
    if (value[i] == '\\' && i + 2 < value.size()) ++i;
    out += value[i];
  }
  return out;
}

void Check(const ExtraTemplate& e, std::string_view file) {
  if (e.text.empty() || e.file.empty() || e.function.empty() || e.why.empty())
    throw Fault(file, e.line, "an entry needs text, at (file and function) and why");
  const std::vector<TemplatePiece> pieces = SplitPlaceholders(e.text);
  const bool exact = std::none_of(pieces.begin(), pieces.end(),
                                  [](const TemplatePiece& p) { return p.placeholder; });
  std::string error;
  if (!exact && !TextTemplate::Compile(e.text, error))
    throw Fault(file, e.line, e.text + ": " + error);
}

}  // namespace

std::vector<ExtraTemplate> ReadExtraTemplates(std::string_view text, std::string_view fileName) {
  std::vector<ExtraTemplate> out;
  ExtraTemplate current;
  const auto finish = [&] {
    if (current.line != 0) {
      Check(current, fileName);
      out.push_back(std::move(current));
    }
    current = ExtraTemplate{};
  };
  int lineNo = 0;
  for (size_t pos = 0; pos <= text.size();) {
    const size_t end = std::min(text.find('\n', pos), text.size());
    const std::string_view line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    ++lineNo;
    if (line.empty()) {
      finish();
      continue;
    }
    if (line.front() == '#') continue;
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos) throw Fault(fileName, lineNo, "expected \"key: value\"");
    const std::string_view key = Trim(line.substr(0, colon));
    const std::string_view value = Trim(line.substr(colon + 1));
    if (current.line == 0) current.line = lineNo;
    if (key == "text") {
      current.text = Unquote(value, fileName, lineNo);
    } else if (key == "at") {
      const size_t space = value.find(' ');
      if (space == std::string_view::npos)
        throw Fault(fileName, lineNo, "at: needs a file and a function");
      current.file = value.substr(0, space);
      current.function = Trim(value.substr(space + 1));
    } else if (key == "why") {
      current.why = value;
    } else if (key == "comment") {
      current.comments.emplace_back(value);
    } else if (key == "context") {
      current.context = Unquote(value, fileName, lineNo);
    } else {
      throw Fault(fileName, lineNo, "unknown key " + std::string(key));
    }
  }
  finish();
  return out;
}

void AddExtraTemplates(const std::vector<ExtraTemplate>& extras, std::string_view fileName,
                       const SourceScan& scan, PotFile& pot) {
  for (const ExtraTemplate& e : extras) {
    const Function* found = nullptr;
    for (const Function& f : scan.functions)
      if (f.name == e.function && scan.files[f.file].path == e.file) found = &f;
    if (found == nullptr)
      throw Fault(fileName, e.line,
                  "no function " + e.function + " in " + e.file + ": bring the entry up to date");
    pot.Add(e.text, e.context, e.file, found->line, "");
    for (const std::string& comment : e.comments)
      pot.Add(e.text, e.context, e.file, found->line, comment);
  }
}

}  // namespace pp::langpot
