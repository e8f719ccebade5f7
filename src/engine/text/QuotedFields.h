// Quoted fields of comma-separated lines, as spreadsheets and field software write them: a field
// that begins with a double quote runs to the quote that closes it, commas included, and ""
// inside it stands for one quote. The comma-delimited reader and writer share these.
#pragma once

#include <string>
#include <string_view>

namespace velkora {

// When `rest` begins with a double quote that is closed on the line: the field's text unquoted
// in `field` (text between the closing quote and the next comma is kept as it stands), `rest`
// the text after that comma, and true. False, with nothing changed, otherwise: a quote that is
// never closed is read as an ordinary character.
bool TakeQuotedField(std::string_view& rest, std::string& field);

// Appends `field`, in quotes with its quotes doubled when it holds a comma or a double quote,
// so that reading the line back gives the same field.
void AppendCommaField(std::string& out, std::string_view field);

// The same written at `at`, which has room for twice the field and two quotes; returns the end.
char* PutCommaField(char* at, std::string_view field);

}  // namespace velkora
