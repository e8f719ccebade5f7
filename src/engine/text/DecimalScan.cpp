// Plain decimal numbers: a run of up to eight digits is found and valued in one 64-bit word;
// the value is the digits divided by a power of ten, both exact, so the one rounding of the
// division gives the correctly rounded double.
#include "engine/text/DecimalScan.h"

#include <cstdint>

#include "engine/text/DigitWords.h"

namespace velkora {
namespace {

constexpr std::size_t kMostDigits = 19;  // a 64-bit mantissa holds any 19 digits

// The helpers are declared inline: at -O2 the scan is only fast when they are inlined.

// Blanks sort below every character that continues a number, so one comparison lets most
// characters through each test.
inline bool IsScanBlank(char c) {
  return c <= ' ' && (c == ' ' || c == '\t' || c == '\n');
}

inline bool ContinuesNumber(char c) {
  return c >= '.' && ((c >= '0' && c <= '9') || c == '.' || (c | 0x20) == 'e' || (c | 0x20) == 'd');
}

// The eight bytes from `at` of a text of eight bytes or more that ends at `end`, the first in
// the lowest byte, with zero bytes past `end`: near the end, the text's last eight shifted.
inline std::uint64_t LoadEight(const char* at, const char* end) {
  const auto size = static_cast<std::size_t>(end - at);
  const std::uint64_t bytes = LoadWord(size >= 8 ? at : end - 8);
  return size >= 8 ? bytes : size == 0 ? 0 : bytes >> (64 - 8 * size);
}

// The digits at the start of a text: up to eight of them, read at once.
struct DigitRun {
  std::uint64_t value = 0;
  int length = 0;
};

inline DigitRun ReadDigitRun(const char* at, const char* end) {
  const std::uint64_t bytes = LoadEight(at, end);
  const int length = DigitRunLength(bytes);
  return {RunValue(bytes, length), length};
}

inline const char* SkipBlanks(const char* at, const char* end) {
  while (at < end && IsScanBlank(*at)) {
    ++at;
  }
  return at;
}

// A plain number's digits with its point: no `end` when there are none, more than 19, or more
// than 2^53 (or, eight at a time, a run of eight or more).
struct Digits {
  std::uint64_t mantissa = 0;
  std::size_t decimals = 0;
  const char* end = nullptr;
};

// One digit at a time: the way for texts shorter than eight bytes and for long runs.
Digits TakeDigitsOneByOne(const char* at, const char* end) {
  Digits digits;
  std::size_t count = 0;
  bool point = false;
  for (; at < end; ++at) {
    const auto digit = static_cast<unsigned>(static_cast<unsigned char>(*at)) - '0';
    if (digit <= 9) {
      digits.mantissa = digits.mantissa * 10 + digit;  // wraps past 19 digits, refused below
      ++count;
      digits.decimals += point ? 1 : 0;
    } else if (*at == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  const bool exact =
      count > 0 && count <= kMostDigits && digits.mantissa <= (std::uint64_t{1} << 53);
  digits.end = exact ? at : nullptr;
  return digits;
}

// Eight digits at a time, for a text of eight bytes or more whose runs of digits before and
// after the point are shorter than eight: at most 14 digits, all exact.
Digits TakeDigitRuns(const char* at, const char* end) {
  const DigitRun whole = ReadDigitRun(at, end);
  at += whole.length;
  DigitRun fraction;
  if (at < end && *at == '.') {
    fraction = ReadDigitRun(++at, end);
    at += fraction.length;
  }
  if (whole.length == 8 || fraction.length == 8 || whole.length + fraction.length == 0) {
    return {};
  }
  return {whole.value * kRunScales[fraction.length] + fraction.value,
          static_cast<std::size_t>(fraction.length), at};
}

}  // namespace

PlainDecimal ScanPlainDecimal(std::string_view text) {
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* at = SkipBlanks(begin, end);
  const char sign = at < end ? *at : '\0';
  at += sign == '-' || sign == '+' ? 1 : 0;
  Digits digits;
  if (end - begin >= 8) {
    digits = TakeDigitRuns(at, end);
  }
  if (digits.end == nullptr) {
    digits = TakeDigitsOneByOne(at, end);
  }
  if (digits.end == nullptr) {
    return {};
  }
  at = SkipBlanks(digits.end, end);
  if (at < end && ContinuesNumber(*at)) {
    return {};
  }
  const double value = static_cast<double>(digits.mantissa) / kExactPowersOfTen[digits.decimals];
  return {sign == '-' ? -value : value, static_cast<std::size_t>(at - begin)};
}

}  // namespace velkora
