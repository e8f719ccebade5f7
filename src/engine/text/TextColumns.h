// Column cutting and padding of fixed-width text, shared by every reader and writer.
// Columns are 1-based; a column range beyond the end of a text gives what exists of it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/text/DigitWords.h"

namespace velkora {

// The first n characters of t (all of t when it is shorter).
inline std::string_view Left(std::string_view t, std::size_t n) {
  return t.substr(0, n);
}

// The last n characters of t (all of t when it is shorter).
inline std::string_view Right(std::string_view t, std::size_t n) {
  return n >= t.size() ? t : t.substr(t.size() - n);
}

// Columns first to last (1-based, inclusive) of t; empty when first lies beyond the end.
inline std::string_view Columns(std::string_view t, std::size_t first, std::size_t last) {
  if (first == 0 || first > t.size() || last < first) {
    return {};
  }
  return t.substr(first - 1, last - first + 1);
}

// Column first (1-based) to the end of t.
inline std::string_view ColumnsFrom(std::string_view t, std::size_t first) {
  if (first == 0 || first > t.size()) {
    return {};
  }
  return t.substr(first - 1);
}

// The character in column c (1-based), or '\0' beyond the end.
inline char CharAt(std::string_view t, std::size_t c) {
  return c >= 1 && c <= t.size() ? t[c - 1] : '\0';
}

// Removes blanks (spaces only) at both ends. Most texts have none: two comparisons.
inline std::string_view Trim(std::string_view t) {
  if (t.empty() || (t.front() != ' ' && t.back() != ' ')) {
    return t;
  }
  const char* const first = SkipSpaces(t.data(), t.data() + t.size());
  const char* const last = SkipSpacesBack(first, t.data() + t.size());
  return {first, static_cast<std::size_t>(last - first)};
}

// target := Trim(text), reusing target's storage.
inline void AssignTrimmed(std::string& target, std::string_view text) {
  const std::string_view trimmed = Trim(text);
  target.assign(trimmed.data(), trimmed.size());
}

// t padded with blanks on the right, or cut, to exactly `width` characters (left-aligned).
inline std::string PadRight(std::string_view t, std::size_t width) {
  std::string out(Left(t, width));
  out.append(width - out.size(), ' ');
  return out;
}

// t right-aligned in `width` characters: padded with blanks on the left, or cut to its last
// `width` characters.
inline std::string PadLeft(std::string_view t, std::size_t width) {
  if (t.size() >= width) {
    return std::string(Right(t, width));
  }
  std::string out(width - t.size(), ' ');
  out.append(t);
  return out;
}

// Overwrites line from column `first` (1-based) with `text`, never changing the length of the
// line: characters that would fall beyond its end are dropped.
inline void OverwriteColumns(std::string& line, std::size_t first, std::string_view text) {
  if (first == 0 || first > line.size()) {
    return;
  }
  const std::size_t room = line.size() - (first - 1);
  line.replace(first - 1, std::min(room, text.size()), text.substr(0, room));
}

}  // namespace velkora
