// The writers' common case of the program's rounding: a value below 2^53 with 0 to 6 decimals,
// rounded in integers and written eight digits at a time. The fraction is scaled as a double,
// rounded half away from zero at its fourth decimal on its exact binary value, then half to
// even; the digits are made four or eight at a time in one integer and stored together.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/text/DigitWords.h"

namespace velkora {
namespace rounded_digits {

inline constexpr double kRoundedDigitsLimit =
    9007199254740992.0;  // 2^53: whole parts fit 16 digits

// t * 10^4 rounded half away from zero, exactly, for 1/4 <= t < 2^20: t is
// mantissa * 2^(biased - 1075), and mantissa * 625 stays below 2^63.
inline std::uint64_t ScaledToFourDecimals(double t) {
  const auto bits = std::bit_cast<std::uint64_t>(t);
  const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int right = 1071 - static_cast<int>(bits >> 52);  // 29 to 55
  return (mantissa * 625 + (std::uint64_t{1} << (right - 1))) >> right;
}

// Nearest whole number to m / 10^4, an exact half going to the even neighbour.
inline std::uint64_t FourDecimalsToWhole(std::uint64_t m) {
  const std::uint64_t whole = m / 10000;
  const std::uint64_t rest = m - whole * 10000;
  return whole + (rest + (whole & 1) > 5000 ? 1 : 0);
}

// The scaled fraction 0 <= t < 10^6 rounded to a whole number. The detour through four
// decimals decides only within 0.00005 of a half; outside a wider band the nearest whole
// number is the answer, taken without a branch that real data would mispredict half the time.
inline std::uint64_t RoundScaledFraction(double t) {
  const auto whole = static_cast<std::int64_t>(t);
  const double rest = t - static_cast<double>(whole);
  if (std::fabs(rest - 0.5) <= 0.0001) {
    return FourDecimalsToWhole(ScaledToFourDecimals(t));
  }
  return static_cast<std::uint64_t>(whole + (rest > 0.5 ? 1 : 0));
}

// The eight decimal digits of v < 10^8 (leading zeros included) as numbers 0 to 9, one a byte,
// the first digit in the lowest byte. Each step splits every lane in two by a multiply and
// shift that is exact in its range, and puts the remainder in the upper half of the lane:
// x + q * (1 - d * 2^w) is q in the lower half and x - q * d in the upper one.
inline std::uint64_t EightDigits(std::uint32_t v) {
  const std::uint64_t halves = (std::uint64_t{v} << 32) + (v / 10000) * (1 - (10000ULL << 32));
  const std::uint64_t pairs =
      (halves << 16) + (((halves * 10486) >> 20) & 0x0000007F0000007F) * (1 - (100ULL << 16));
  return (pairs << 8) + (((pairs * 103) >> 10) & 0x000F000F000F000F) * (1 - (10ULL << 8));
}

// The same for the four digits of v < 10^4, in the low four bytes.
inline std::uint32_t FourDigits(std::uint32_t v) {
  const std::uint32_t pairs = (v << 16) + ((v * 5243) >> 19) * (1 - (100U << 16));
  return (pairs << 8) + (((pairs * 103) >> 10) & 0x000F000F) * (1 - (10U << 8));
}

// Stores the bytes of `text`, lowest first, at `at`.
template <typename Unsigned>
inline void Store(char* at, Unsigned text) {
  if constexpr (std::endian::native == std::endian::big) {
    text = sizeof text == 8 ? __builtin_bswap64(text) : __builtin_bswap32(text);
  }
  std::memcpy(at, &text, sizeof text);
}

// The digits of v < 10^8 without leading zeros (one "0" for zero).
inline char* WriteUpToEight(char* at, std::uint32_t v) {
  const std::uint64_t digits = EightDigits(v);
  const int leadingZeros = std::countr_zero(digits | (std::uint64_t{1} << 56)) / 8;
  Store(at, (digits + kAsciiZeros) >> (8 * leadingZeros));
  return at + 8 - leadingZeros;
}

// The digits of whole < 10^16 without leading zeros.
inline char* WriteWhole(char* at, std::uint64_t whole) {
  if (whole < 100000000) {
    return WriteUpToEight(at, static_cast<std::uint32_t>(whole));
  }
  at = WriteUpToEight(at, static_cast<std::uint32_t>(whole / 100000000));
  Store(at, EightDigits(static_cast<std::uint32_t>(whole % 100000000)) + kAsciiZeros);
  return at + 8;
}

// The point and the last kDecimals (1 to 6) digits of fraction, leading zeros included, stored
// together.
template <unsigned kDecimals>
inline char* WriteFraction(char* at, std::uint32_t fraction) {
  if constexpr (kDecimals <= 4) {
    const std::uint64_t digits = FourDigits(fraction) + 0x30303030U;
    Store(at, ((digits >> (8 * (4 - kDecimals))) << 8) | '.');
  } else {
    *at = '.';
    Store(at + 1, (EightDigits(fraction) + kAsciiZeros) >> (8 * (8 - kDecimals)));
  }
  return at + 1 + kDecimals;
}

}  // namespace rounded_digits

// Writes `value` with kDecimals (0 to 6) decimals as AppendRoundedByRule does and returns the
// end of the text; up to 26 characters from `at` may be overwritten. Writes nothing and returns
// nullptr for a value that is not finite or whose magnitude reaches 2^53.
template <unsigned kDecimals>
inline char* WriteRoundedDigits(char* at, double value) {
  using namespace rounded_digits;
  if (!(std::fabs(value) < kRoundedDigitsLimit)) {
    return nullptr;
  }
  constexpr std::uint64_t kScale = kRunScales[kDecimals];
  auto whole = static_cast<std::int64_t>(value);
  whole -= static_cast<double>(whole) > value ? 1 : 0;
  std::uint64_t fraction =
      RoundScaledFraction((value - static_cast<double>(whole)) * static_cast<double>(kScale));
  if (fraction >= kScale) {
    whole += 1;
    fraction = 0;
  }
  // Below zero, whole + fraction / scale is written as -(|whole| - 1) - (scale - fraction) / scale;
  // the carry above keeps a value that rounds to zero from reaching here as "-0".
  std::uint64_t magnitude = static_cast<std::uint64_t>(whole);
  if (whole < 0) {
    magnitude = static_cast<std::uint64_t>(-whole) - (fraction > 0 ? 1 : 0);
    fraction = fraction > 0 ? kScale - fraction : 0;
  }
  *at = '-';
  at += whole < 0 ? 1 : 0;
  at = WriteWhole(at, magnitude);
  if constexpr (kDecimals > 0) {
    at = WriteFraction<kDecimals>(at, static_cast<std::uint32_t>(fraction));
  }
  return at;
}

}  // namespace velkora
