#include "state/Decimal.h"

#include <charconv>

namespace pp {

Decimal ParseDecimal(std::string_view text, int64_t lo, int64_t hi) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  // from_chars takes a minus sign but no plus; "+-5" must stay an error.
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  Decimal out;
  const char* end = text.data() + text.size();
  auto [stop, ec] = std::from_chars(text.data(), end, out.value);
  if (text.empty() || stop != end || ec == std::errc::invalid_argument) {
    out.error = DecimalError::NotANumber;
  } else if (ec == std::errc::result_out_of_range || out.value < lo || out.value > hi) {
    out.error = DecimalError::OutOfRange;
  }
  return out;
}

}  // namespace pp
