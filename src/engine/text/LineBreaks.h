// Finding line breaks (CR LF, LF or CR) in raw text, for the line reader and for cutting a
// file into chunks of whole lines.
#pragma once

#include <cstddef>
#include <string_view>

namespace velkora {

// The first CR or LF in [at, end), or end when there is none.
const char* FindLineBreak(const char* at, const char* end);

// The text from `from` to the next line break, and where the line after that break starts:
// npos when the text holds no such break or ends with a CR whose LF may still follow.
struct TextLine {
  std::string_view text;
  std::size_t next = std::string_view::npos;
};
TextLine LineAt(std::string_view text, std::size_t from);

// Where the line after the first break at or after `from` starts, as LineAt tells.
inline std::size_t NextLineStart(std::string_view text, std::size_t from) {
  return LineAt(text, from).next;
}

}  // namespace velkora
