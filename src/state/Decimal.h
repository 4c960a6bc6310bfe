#pragma once
// Decimal numbers as the save file and the automation commands write them.

#include <cstdint>
#include <string_view>

namespace pp {

enum class DecimalError { None, NotANumber, OutOfRange };

struct Decimal {
  int64_t value = 0;
  DecimalError error = DecimalError::None;
};

// The whole of `text` as one decimal number: blanks around it, an optional + or - sign, digits.
// Numbers outside lo..hi are OutOfRange.
Decimal ParseDecimal(std::string_view text, int64_t lo, int64_t hi);

}  // namespace pp
