// Numbers as text: every number read from a file or a box and every number written goes
// through these functions. Nothing here depends on the process locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velkora {

// Reads a number: a text holding a comma by the strict grouped form ("1,234.5"), any other
// text by the leading-number scan (never fails; no number gives 0). No value when a text with
// a comma is not a number.
std::optional<double> TryReadNumber(std::string_view text);

// TryReadNumber, with 0 for a text that cannot be read.
double ReadNumber(std::string_view text);

// For readers that cut a field while reading it: when `text` starts with a plain number
// (blanks, a sign, at most 19 digits with one ".", blanks) that ends where `text` ends or at
// `separator` (a character that no number holds, such as ","), its value, the one ReadNumber
// gives the text before the separator, and in `length` where that text ends. No value
// otherwise; the caller then cuts the field and uses ReadNumber.
std::optional<double> ReadNumberBefore(std::string_view text, char separator, std::size_t& length);

// The strict conversion alone: blanks around, an optional sign, digits with grouping commas
// in the whole part (one to three digits, then groups of exactly three: "1,234", never
// "12,5"), an optional fraction and exponent. No value for anything else or out of range.
std::optional<double> ReadStrictNumber(std::string_view text);

// The leading-number scan alone: blanks (space, tab, line feed) skipped anywhere, a sign,
// digits with one ".", an exponent after "E" or "D"; stops at the first other character.
// No number, or one beyond the range of a double, gives 0.
double ReadLeadingNumber(std::string_view text);

// The leading-number scan without the shortcut for plain numbers that ReadLeadingNumber,
// ReadNumber and ReadNumberBefore take: what they hand other texts to.
double ReadLeadingNumberByRule(std::string_view text);

// The general form: at most 15 significant digits, no trailing zeros ("12", "0.5",
// "1E-05", "1.5E+15").
std::string GeneralForm(double value);

// value with exactly `places` decimals (0 to 6; more are written as 6) by the program's
// rounding: ties at the fourth decimal of the scaled fraction away from zero, then an exact
// half to even; never "-0.0000". A value that is not finite is written in the general form.
std::string FormatRounded(double value, std::uint8_t places);

// Appends FormatRounded(value, places) to out.
void AppendRounded(std::string& out, double value, std::uint8_t places);

// Room WriteRounded needs: a sign, 309 whole digits, the point and six decimals, and the
// slack of writing eight digits at a time.
inline constexpr std::size_t kRoundedTextCapacity = 328;

// Writes FormatRounded(value, places) at `at`, which has room for kRoundedTextCapacity
// characters, and returns the end of the text; the writers' fast path.
char* WriteRounded(char* at, double value, std::uint8_t places);

// WriteRounded with its places chosen once, for writers that write many numbers alike.
using RoundedWriter = char* (*)(char* at, double value);
RoundedWriter RoundedWriterFor(std::uint8_t places);

// The rounding without the shortcut for values below 2^53 that WriteRounded takes: what it
// hands other values to.
void AppendRoundedByRule(std::string& out, double value, std::uint8_t places);

// value with exactly `places` decimals (0 to 17), correctly rounded from the 64-bit float,
// never "-0.0"; for figures that need more decimals than a coordinate, such as scale factors
// and latitudes. A value that is not finite is written in the general form.
std::string FixedForm(double value, int places);

}  // namespace velkora
