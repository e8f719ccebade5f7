// Text read eight bytes at a time: bytes found and digits valued within one 64-bit word. Every
// helper is inline: the readers are only fast when these compile into them.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "engine/text/TextBuffer.h"

namespace velkora {

inline constexpr std::uint64_t kEachByte = 0x0101010101010101;
inline constexpr std::uint64_t kAsciiZeros = 0x30 * kEachByte;

// The eight bytes from `at`, the first in the lowest byte.
inline std::uint64_t LoadWord(const char* at) {
  std::uint64_t bytes = 0;
  std::memcpy(&bytes, at, 8);
  if constexpr (std::endian::native == std::endian::big) {
    bytes = __builtin_bswap64(bytes);
  }
  return bytes;
}

// The first character of [at, end) that is no space, or end: spaces pad fixed columns and
// indent captions, eight of them are passed at a time.
inline const char* SkipSpaces(const char* at, const char* end) {
  for (; end - at >= 8; at += 8) {
    if (const std::uint64_t other = LoadWord(at) ^ (' ' * kEachByte); other != 0) {
      return at + std::countr_zero(other) / 8;
    }
  }
  while (at < end && *at == ' ') {
    ++at;
  }
  return at;
}

// The end of [begin, end) without the spaces at its end.
inline const char* SkipSpacesBack(const char* begin, const char* end) {
  for (; end - begin >= 8; end -= 8) {
    if (const std::uint64_t other = LoadWord(end - 8) ^ (' ' * kEachByte); other != 0) {
      return end - std::countl_zero(other) / 8;
    }
  }
  while (end > begin && end[-1] == ' ') {
    --end;
  }
  return end;
}

// The position of the first byte `c` in `bytes`, 8 when there is none. The lowest zero byte of
// bytes ^ c is found exactly: no borrow reaches it from below.
inline int FirstByteOf(std::uint64_t bytes, char c) {
  const std::uint64_t other = bytes ^ (static_cast<unsigned char>(c) * kEachByte);
  const std::uint64_t same = (other - kEachByte) & ~other & (0x80 * kEachByte);
  return std::countr_zero(same) / 8;
}

// How many bytes from the lowest are "0" to "9". A byte's flag is exact while every byte below
// it is a digit: neither the subtraction's borrow nor the addition's carry reaches it.
inline int DigitRunLength(std::uint64_t bytes) {
  const std::uint64_t notDigit =
      ((bytes + 0x46 * kEachByte) | (bytes - kAsciiZeros)) & (0x80 * kEachByte);
  return std::countr_zero(notDigit) / 8;  // 8 when all are digits
}

// The value of eight digits 0 to 9, one a byte, the first in the lowest: pairs, then the four
// pairs weighted by one multiply for each two of them.
inline std::uint64_t EightDigitValue(std::uint64_t digits) {
  digits = digits * 10 + (digits >> 8);
  constexpr std::uint64_t kPairs = 0x000000FF000000FF;
  return ((digits & kPairs) * (100 + (1000000ULL << 32)) +
          ((digits >> 16) & kPairs) * (1 + (10000ULL << 32))) >>
         32;
}

// The value of the first `length` (0 to 8) bytes of `bytes`, all of them digits.
inline std::uint64_t RunValue(std::uint64_t bytes, int length) {
  return length == 0 ? 0 : EightDigitValue((bytes - kAsciiZeros) << (64 - 8 * length));
}

inline constexpr std::array<double, 20> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,
    1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19};
inline constexpr std::array<std::uint64_t, 9> kRunScales = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};

// Digits with at most one "." at `at`, at most eight before the point and seven after it: their
// value and how many characters they take (the caller checks that no digit follows), or length
// 0 when there are none or more than seven after the point. The value, at most 15 digits over a
// power of ten, both exact, is what the leading-number scan gives these characters alone. 17
// bytes from `at` must be readable.
struct UnsignedDecimal {
  double value = 0;
  std::size_t length = 0;
};

inline UnsignedDecimal ReadUnsignedDecimal(const char* at) {
  const std::uint64_t wholeBytes = LoadWord(at);
  const int whole = DigitRunLength(wholeBytes);
  int fraction = 0;
  std::uint64_t fractionBytes = 0;
  const bool point = at[whole] == '.';
  if (point) {
    fractionBytes = LoadWord(at + whole + 1);
    fraction = DigitRunLength(fractionBytes);
  }
  if (fraction == 8 || whole + fraction == 0) {
    return {};
  }
  const std::uint64_t digits =
      RunValue(wholeBytes, whole) * kRunScales[fraction] + RunValue(fractionBytes, fraction);
  return {static_cast<double>(digits) / kExactPowersOfTen[fraction],
          static_cast<std::size_t>(whole + fraction + (point ? 1 : 0))};
}

}  // namespace velkora
