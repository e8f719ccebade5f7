// Small tests and edits on whole lines that detection and the readers share.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/text/DigitWords.h"

namespace velkora {

// ASCII-only case folding, so that no process locale takes part.
inline char FoldCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// True when `word` occurs in `line`, capital and small letters alike.
inline bool ContainsIgnoringCase(std::string_view line, std::string_view word) {
  if (word.empty()) {
    return true;
  }
  // Captions are indented: no blank can begin a word that begins otherwise.
  const char first = FoldCase(word[0]);
  std::size_t start = 0;
  if (first != ' ') {
    start =
        static_cast<std::size_t>(SkipSpaces(line.data(), line.data() + line.size()) - line.data());
  }
  for (std::size_t at = start; at + word.size() <= line.size(); ++at) {
    if (FoldCase(line[at]) != first) {
      continue;
    }
    std::size_t same = 1;
    while (same < word.size() && FoldCase(line[at + same]) == FoldCase(word[same])) {
      ++same;
    }
    if (same == word.size()) {
      return true;
    }
  }
  return false;
}

// True when the line begins with `count` copies of `c`.
inline bool BeginsWithRun(std::string_view line, char c, std::size_t count) {
  if (line.size() < count) {
    return false;
  }
  for (std::size_t at = 0; at < count; ++at) {
    if (line[at] != c) {
      return false;
    }
  }
  return true;
}

}  // namespace velkora
