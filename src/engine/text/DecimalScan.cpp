// Plain decimal numbers: a run of up to eight digits is found and valued in one 64-bit word;
// the value is the digits divided by a power of ten, both exact, so the one rounding of the
// division gives the correctly rounded double.
#include "engine/text/DecimalScan.h"

#include <bit>
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

inline const char* SkipBlanks(const char* at, const char* end) {
  if (at < end && *at == ' ') {
    at = SkipSpaces(at, end);
  }
  while (at < end && IsScanBlank(*at)) {
    ++at;
  }
  return at;
}

// A plain number's value without its sign, and where its digits end: nullptr when there are
// none, more than 19, or more than 2^53.
struct Digits {
  double value = 0;
  const char* end = nullptr;
};

// One digit at a time: the way for long runs of digits.
Digits TakeDigitsOneByOne(const char* at, const char* end) {
  std::uint64_t mantissa = 0;
  std::size_t decimals = 0;
  std::size_t count = 0;
  bool point = false;
  for (; at < end; ++at) {
    const auto digit = static_cast<unsigned>(static_cast<unsigned char>(*at)) - '0';
    if (digit <= 9) {
      mantissa = mantissa * 10 + digit;  // wraps past 19 digits, refused below
      ++count;
      decimals += point ? 1 : 0;
    } else if (*at == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (count == 0 || count > kMostDigits || mantissa > (std::uint64_t{1} << 53)) {
    return {};
  }
  return {static_cast<double>(mantissa) / kExactPowersOfTen[decimals], at};
}

// Eight digits at a time: up to eight before the point and seven after it, read where they
// stand when 17 bytes can be read from there, else from a copy padded with zeros. Longer runs
// are left to the digit-by-digit way.
Digits TakeDigitWords(const char* at, const char* end) {
  const auto size = static_cast<std::size_t>(end - at);
  UnsignedDecimal read;
  if (size >= 17) {
    read = ReadUnsignedDecimal(at);
  } else {
    char padded[24] = {};
    CopyFewBytes(padded, at, size);
    read = ReadUnsignedDecimal(padded);
  }
  const char* const stop = at + read.length;
  if (read.length == 0 ||
      (stop < end && (static_cast<unsigned char>(*stop - '0') <= 9 || *stop == '.'))) {
    return {};
  }
  return {read.value, stop};
}

}  // namespace

PlainDecimal ScanPlainDecimal(std::string_view text) {
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* at = SkipBlanks(begin, end);
  const char sign = at < end ? *at : '\0';
  at += sign == '-' || sign == '+' ? 1 : 0;
  Digits digits = TakeDigitWords(at, end);
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
  return {sign == '-' ? -digits.value : digits.value, static_cast<std::size_t>(at - begin)};
}

}  // namespace velkora
