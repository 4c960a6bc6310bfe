#include "datagen/SourceText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
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
  // Up to 15 significant digits (below 2^53) over a power of ten up to 10^22, both exact in a
  // double: their one quotient is the correctly rounded value on every platform.
  static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const auto fail = [&](const char* why) {
    return std::runtime_error(std::string(what) + ": " + why + ": " + std::string(word));
  };
  const bool negative = !word.empty() && word[0] == '-';
  uint64_t digits = 0;
  int significant = 0, decimals = 0, seen = 0;
  bool point = false;
  for (size_t i = negative ? 1 : 0; i < word.size(); ++i) {
    if (word[i] == '.' && !point) {
      point = true;
      continue;
    }
    if (word[i] < '0' || word[i] > '9') throw fail("not a number");
    digits = digits * 10 + static_cast<uint64_t>(word[i] - '0');
    ++seen;
    if (digits != 0) ++significant;
    if (point) ++decimals;
    if (significant > 15 || decimals > 22) throw fail("more digits than a recipe needs");
  }
  if (seen == 0) throw fail("not a number");
  const double v = static_cast<double>(digits) / kPowersOfTen[decimals];
  return negative ? -v : v;
}

std::vector<std::filesystem::path> TextFilesIn(const std::filesystem::path& dir) {
  std::vector<std::filesystem::path> files;
  if (std::filesystem::is_directory(dir))
    for (const auto& e : std::filesystem::directory_iterator(dir))
      if (e.is_regular_file() && e.path().extension() == ".txt") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
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
