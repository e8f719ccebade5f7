// Numbers as text: every number read from a file or a box and every number written goes
// through these functions. Nothing here depends on the process locale.
#pragma once

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
// (blanks, a sign, digits with one ".") that ends where `text` ends or at `separator`, its
// value, the one ReadNumber gives the text before the separator, and in `length` where the
// number ends. No value otherwise; the caller then cuts the field and uses ReadNumber.
std::optional<double> ReadNumberBefore(std::string_view text, char separator, std::size_t& length);

// The strict conversion alone: blanks around, an optional sign, digits with grouping commas
// in the whole part (one to three digits, then groups of exactly three: "1,234", never
// "12,5"), an optional fraction and exponent. No value for anything else or out of range.
std::optional<double> ReadStrictNumber(std::string_view text);

// The leading-number scan alone: blanks (space, tab, line feed) skipped anywhere, a sign,
// digits with one ".", an exponent after "E" or "D"; stops at the first other character.
// No number, or one beyond the range of a double, gives 0.
double ReadLeadingNumber(std::string_view text);

// The general form: at most 15 significant digits, no trailing zeros ("12", "0.5",
// "1E-05", "1.5E+15").
std::string GeneralForm(double value);

// value with exactly `places` decimals (0 to 6; more are written as 6) by the program's
// rounding: ties at the fourth decimal of the scaled fraction away from zero, then an exact
// half to even; never "-0.0000". A value that is not finite is written in the general form.
std::string FormatRounded(double value, std::uint8_t places);

// Appends FormatRounded(value, places) to out; the writers' fast path.
void AppendRounded(std::string& out, double value, std::uint8_t places);

// value with exactly `places` decimals (0 to 17), correctly rounded from the 64-bit float,
// never "-0.0"; for figures that need more decimals than a coordinate, such as scale factors
// and latitudes. A value that is not finite is written in the general form.
std::string FixedForm(double value, int places);

}  // namespace velkora
