// Finding line breaks (CR LF, LF or CR) in raw text, for the line reader and for cutting a
// file into chunks of whole lines.
#pragma once

#include <cstddef>
#include <string_view>

namespace velkora {

// The first CR or LF in [at, end), or end when there is none.
const char* FindLineBreak(const char* at, const char* end);

// Where the line after the first break at or after `from` starts; npos when the text holds no
// such break or ends with a CR whose LF may still follow.
std::size_t NextLineStart(std::string_view text, std::size_t from);

}  // namespace velkora
