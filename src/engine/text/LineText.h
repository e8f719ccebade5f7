// Small tests and edits on whole lines that detection and the readers share.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace velkora {

// ASCII-only case folding, so that no process locale takes part.
inline char FoldCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// True when `word` occurs in `line`, capital and small letters alike.
inline bool ContainsIgnoringCase(std::string_view line, std::string_view word) {
  return std::search(line.begin(), line.end(), word.begin(), word.end(),
                     [](char a, char b) { return FoldCase(a) == FoldCase(b); }) != line.end();
}

// True when the line begins with `count` copies of `c`.
inline bool BeginsWithRun(std::string_view line, char c, std::size_t count) {
  return line.size() >= count && line.find_first_not_of(c) >= count;
}

}  // namespace velkora
