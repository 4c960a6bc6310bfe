#include "state/SaveFile.h"

#include <cstdint>

#include "core/Cp932.h"
#include "state/Decimal.h"
#include "state/MyDatLayout.h"

namespace pp {

std::string LineField::ToString() const {
  std::string out = name;
  if (index >= 0) out += "[" + std::to_string(index) + "]";
  if (member) out += std::string(".") + member;
  if (memberIndex >= 0) out += "[" + std::to_string(memberIndex) + "]";
  return out;
}

namespace {

// Hands out the lines of a text file one by one, without their CR LF or LF ending. A last line
// without an ending still counts; the empty rest after a final line ending does not.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : rest_(bytes) {}

  std::optional<std::string_view> Next() {
    if (rest_.empty()) return std::nullopt;
    size_t end = rest_.find('\n');
    std::string_view line = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++lineNumber_;
    return line;
  }

  // Number of the line last handed out (1-based).
  int lineNumber() const { return lineNumber_; }

 private:
  std::string_view rest_;
  int lineNumber_ = 0;
};

// CP932 text as it can be shown: each byte that does not start a CP932 character reads as
// U+FFFD, and decoding goes on after it.
std::string Cp932ToUtf8Shown(std::string_view line) {
  if (auto whole = Cp932ToUtf8(line)) return *whole;
  std::string out;
  for (size_t i = 0; i < line.size();) {
    const auto c = static_cast<unsigned char>(line[i]);
    const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    const size_t length = lead && i + 1 < line.size() ? 2 : 1;
    if (auto unit = Cp932ToUtf8(line.substr(i, length))) {
      out += *unit;
      i += length;
    } else {
      out += "\xEF\xBF\xBD";  // U+FFFD
      ++i;
    }
  }
  return out;
}

std::string LineError(int line, const std::string& what) {
  return "line " + std::to_string(line) + ": " + what;
}

// Reads my.dat line by line into the fields the layout names; stops at the first fault.
class MyDatReader {
 public:
  explicit MyDatReader(std::string_view bytes) : lines_(bytes) {}

  void Int(int32_t& field, const LineField& what) {
    if (auto n = Number(what)) field = *n;
  }
  void Byte(uint8_t& field, const LineField& what) {
    if (auto n = Number(what)) field = static_cast<uint8_t>(static_cast<uint32_t>(*n) & 0xFF);
  }
  void Text(std::string& field, const LineField& what) {
    if (auto line = Line(what, "a text")) field = std::string(*line);
  }

  std::optional<std::string> error;

 private:
  std::optional<std::string_view> Line(const LineField& what, const char* kind) {
    if (error) return std::nullopt;
    auto line = lines_.Next();
    if (!line)
      error = LineError(lines_.lineNumber() + 1, std::string("expected ") + kind + " for " +
                                                     what.ToString() + ", but the file ends");
    return line;
  }

  std::optional<int32_t> Number(const LineField& what) {
    auto line = Line(what, "a number");
    if (!line) return std::nullopt;
    Decimal n = ParseDecimal(*line, INT32_MIN, INT32_MAX);
    if (n.error == DecimalError::OutOfRange)
      error = LineError(lines_.lineNumber(),
                        "the number for " + what.ToString() + " does not fit in 32 bits");
    else if (n.error == DecimalError::NotANumber)
      error = LineError(lines_.lineNumber(), "expected a number for " + what.ToString());
    if (error) return std::nullopt;
    return static_cast<int32_t>(n.value);
  }

  LineReader lines_;
};

// Writes one line per field, CR LF after each.
class MyDatWriter {
 public:
  void Int(int32_t field, const LineField&) { Line(std::to_string(field)); }
  void Byte(uint8_t field, const LineField&) { Line(std::to_string(field)); }
  void Text(const std::string& field, const LineField&) {
    Line(std::string_view(field).substr(0, field.find_first_of("\r\n")));
  }

  std::string out;

 private:
  void Line(std::string_view text) {
    out += text;
    out += "\r\n";
  }
};

}  // namespace

std::optional<std::string> ParseMyDat(std::string_view bytes, GameState& s) {
  MyDatReader reader(bytes);
  VisitMyDat(s, reader);
  return reader.error;
}

std::string SerializeMyDat(const GameState& s) {
  MyDatWriter writer;
  writer.out.reserve(16 * 1024);
  VisitMyDat(s, writer);
  return std::move(writer.out);
}

std::optional<std::string> ParseTextTable(std::string_view bytes, std::span<std::string> out,
                                          std::span<std::string> rawOut) {
  LineReader lines(bytes);
  for (size_t i = 0; i < out.size(); ++i) {
    auto line = lines.Next();
    if (!line)
      return LineError(lines.lineNumber() + 1, "expected entry " + std::to_string(i) + " of " +
                                                   std::to_string(out.size()) +
                                                   ", but the file ends");
    out[i] = Cp932ToUtf8Shown(*line);
    if (!rawOut.empty()) rawOut[i] = std::string(*line);
  }
  return std::nullopt;
}

}  // namespace pp
