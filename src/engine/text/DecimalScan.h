// The readers' common case: a plain decimal number ("  -4981234.5678") read exactly in one pass,
// eight digits at a time.
#pragma once

#include <cstddef>
#include <string_view>

namespace velkora {

// A plain decimal number at the start of a text.
struct PlainDecimal {
  double value = 0;
  std::size_t end = 0;  // after the number and the blanks behind it; 0 when there is none
};

// Reads blanks (space, tab, line feed), an optional sign, at most 19 digits with at most one
// "." and the blanks behind them, when the digits make at most 2^53 and what follows cannot
// continue the number (no digit, ".", "E", "e", "D" or "d"): the value the leading-number scan
// gives the text up to `end`. Anything else is left to that scan (`end` 0).
PlainDecimal ScanPlainDecimal(std::string_view text);

}  // namespace velkora
