// Line breaks found eight bytes at a time.
#include "engine/text/LineBreaks.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace velkora {

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

bool IsBreak(char c) {
  return c == '\n' || c == '\r';
}

// Eight bytes from `at`, the first in the lowest byte.
std::uint64_t LoadEight(const char* at) {
  std::uint64_t bytes = 0;
  std::memcpy(&bytes, at, 8);
  if constexpr (std::endian::native == std::endian::big) {
    bytes = __builtin_bswap64(bytes);
  }
  return bytes;
}

}  // namespace

// CR and LF are the only bytes below 0x0E that text lines hold in numbers: a word is let
// through by one test when none of its bytes is that low. The lowest byte flagged is exact;
// a flagged byte that is no break (a tab) is passed over byte by byte.
const char* FindLineBreak(const char* at, const char* end) {
  while (end - at >= 8) {
    const std::uint64_t bytes = LoadEight(at);
    const std::uint64_t low = (bytes - 14 * kOnes) & ~bytes & kHighBits;
    if (low != 0) {
      const char* const word = at;
      for (at += std::countr_zero(low) / 8; at < word + 8; ++at) {
        if (IsBreak(*at)) {
          return at;
        }
      }
      continue;
    }
    at += 8;
  }
  while (at < end && !IsBreak(*at)) {
    ++at;
  }
  return at;
}

TextLine LineAt(std::string_view text, std::size_t from) {
  if (from >= text.size()) {
    return {};
  }
  const char* const end = text.data() + text.size();
  const char* const found = FindLineBreak(text.data() + from, end);
  const auto at = static_cast<std::size_t>(found - text.data());
  TextLine line{text.substr(from, at - from)};
  if (found != end && !(*found == '\r' && found + 1 == end)) {
    line.next = *found == '\r' && found[1] == '\n' ? at + 2 : at + 1;
  }
  return line;
}

}  // namespace velkora
