// Reading and writing quoted comma-separated fields.
#include "engine/text/QuotedFields.h"

#include <utility>

#include "engine/text/TextBuffer.h"

namespace velkora {

bool TakeQuotedField(std::string_view& rest, std::string& field) {
  if (rest.empty() || rest.front() != '"') {
    return false;
  }
  std::string text;
  std::size_t at = 1;
  for (;;) {
    const std::size_t quote = rest.find('"', at);
    if (quote == std::string_view::npos) {
      return false;
    }
    text.append(rest.substr(at, quote - at));
    if (quote + 1 < rest.size() && rest[quote + 1] == '"') {
      text += '"';
      at = quote + 2;
      continue;
    }
    at = quote + 1;
    break;
  }
  const std::size_t comma = rest.find(',', at);
  text.append(
      rest.substr(at, comma == std::string_view::npos ? std::string_view::npos : comma - at));
  rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  field = std::move(text);
  return true;
}

char* PutCommaField(char* at, std::string_view field) {
  bool plain = true;
  for (const char c : field) {
    plain = plain && c != ',' && c != '"';
  }
  if (plain) {
    return PutText(at, field);
  }
  *at++ = '"';
  for (const char c : field) {
    if (c == '"') {
      *at++ = '"';
    }
    *at++ = c;
  }
  *at++ = '"';
  return at;
}

void AppendCommaField(std::string& out, std::string_view field) {
  if (field.find_first_of(",\"") == std::string_view::npos) {
    out.append(field);
    return;
  }
  out += '"';
  for (const char c : field) {
    if (c == '"') {
      out += '"';
    }
    out += c;
  }
  out += '"';
}

}  // namespace velkora
