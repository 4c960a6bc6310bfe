#include "datagen/SourceText.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/Strings.h"

namespace pp::datagen {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
}  // namespace

void ForEachLine(std::string_view text, const std::function<void(int, std::string_view)>& fn) {
  int lineNo = 0;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++lineNo;
    for (size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '#' && (i == 0 || IsBlank(line[i - 1])) &&
          (i + 1 == line.size() || IsBlank(line[i + 1]))) {
        line = line.substr(0, i);
        break;
      }
    }
    fn(lineNo, Trim(line));
  }
}

std::vector<std::string_view> SplitWords(std::string_view line) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

int ParseInt(std::string_view word, std::string_view what) {
  int v = 0;
  auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
  if (ec != std::errc{} || end != word.data() + word.size())
    throw std::runtime_error(std::string(what) + ": not a whole number: " + std::string(word));
  return v;
}

double ParseNumber(std::string_view word, std::string_view what) {
  double v = 0;
  auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
  if (ec != std::errc{} || end != word.data() + word.size())
    throw std::runtime_error(std::string(what) + ": not a number: " + std::string(word));
  return v;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::error_code ec;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace pp::datagen
