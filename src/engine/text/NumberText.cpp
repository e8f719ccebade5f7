// Number text: the leading-number scan, the strict grouped form, the general form and the
// program's rounding.
#include "engine/text/NumberText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

#include "engine/text/DecimalScan.h"
#include "engine/text/RoundedDigits.h"

namespace velkora {
namespace {

constexpr std::array<std::uint64_t, 7> kPowersOfTen = {1, 10, 100, 1000, 10000, 100000, 1000000};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsScanBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}

bool IsStrictBlank(char c) {
  return c == ' ' || c == '\t';
}

// Collects the characters of a number in the form std::from_chars reads: sign, digits, ".",
// "e", exponent sign, exponent digits. Short numbers stay on the stack.
class NumberBuffer {
 public:
  void Push(char c) {
    if (size_ < kInline) {
      inline_[size_] = c;
    } else {
      if (size_ == kInline) {
        spill_.assign(inline_.data(), kInline);
      }
      spill_.push_back(c);
    }
    ++size_;
  }
  std::size_t Size() const { return size_; }
  void Truncate(std::size_t size) {
    size_ = size;
    if (size_ >= kInline) {
      spill_.resize(size_);
    }
  }
  // No value when the number is out of the range of a double.
  std::optional<double> Convert() const {
    const char* first = size_ <= kInline ? inline_.data() : spill_.data();
    double value = 0;
    const auto [end, error] = std::from_chars(first, first + size_, value);
    if (error != std::errc{} || end != first + size_) {
      return std::nullopt;
    }
    return value;
  }

 private:
  static constexpr std::size_t kInline = 48;
  std::array<char, kInline> inline_{};
  std::string spill_;
  std::size_t size_ = 0;
};

// The exact value t * 10^4 rounded half away from zero, for 0 <= t <= 10^6 (a fraction
// scaled by at most six decimals). Works on the
// binary value of t, so that 0.03125 counts as a tie at the fourth decimal.
std::uint64_t ScaledToFourDecimals(double t) {
  if (t <= 0) {
    return 0;
  }
  const auto bits = std::bit_cast<std::uint64_t>(t);
  const int biased = static_cast<int>(bits >> 52);
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  int exponent = -1074;
  if (biased != 0) {
    mantissa |= std::uint64_t{1} << 52;
    exponent = biased - 1075;
  }
  // t * 10^4 = mantissa * 625 / 2^right; mantissa * 625 stays below 2^63, and t below 2^21
  // keeps `right` at 28 or more.
  const std::uint64_t product = mantissa * 625;
  const int right = -(exponent + 4);
  if (right >= 64) {
    return 0;
  }
  const std::uint64_t whole = product >> right;
  const std::uint64_t rest = product & ((std::uint64_t{1} << right) - 1);
  return whole + (rest >= (std::uint64_t{1} << (right - 1)) ? 1 : 0);
}

// Nearest whole number to m / 10^4, an exact half going to the even neighbour.
std::uint64_t FourDecimalsToWhole(std::uint64_t m) {
  const std::uint64_t whole = m / 10000;
  const std::uint64_t rest = m % 10000;
  if (rest > 5000 || (rest == 5000 && (whole & 1) != 0)) {
    return whole + 1;
  }
  return whole;
}

void AppendUnsigned(std::string& out, std::uint64_t value) {
  std::array<char, 24> digits{};
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  out.append(digits.data(), result.ptr);
}

// "00" to "99", for writing two digits at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// Writes the last `count` digits of `value` (leading zeros included) so that they end at
// `end`; returns where they start.
char* WriteDigitsBefore(char* end, std::uint32_t value, unsigned count) {
  for (; count >= 2; count -= 2) {
    end -= 2;
    std::memcpy(end, &kDigitPairs[2 * (value % 100)], 2);
    value /= 100;
  }
  if (count == 1) {
    *--end = static_cast<char>('0' + value % 10);
  }
  return end;
}

// Writes every digit of `value` (one "0" for zero) so that they end at `end`; returns where
// they start. 32-bit values take the cheaper arithmetic.
template <typename Unsigned>
char* WriteWholeBefore(char* end, Unsigned value) {
  while (value >= 100) {
    end -= 2;
    std::memcpy(end, &kDigitPairs[2 * (value % 100)], 2);
    value /= 100;
  }
  if (value >= 10) {
    end -= 2;
    std::memcpy(end, &kDigitPairs[2 * value], 2);
  } else {
    *--end = static_cast<char>('0' + value);
  }
  return end;
}

// Writes `places` digits of fraction, with leading zeros, from `at`; returns the end.
char* WriteFraction(char* at, std::uint64_t fraction, std::uint8_t places) {
  WriteDigitsBefore(at + places, static_cast<std::uint32_t>(fraction), places);
  return at + places;
}

// floor(value) without a library call while the value has a fraction part to drop.
double Floor(double value) {
  if (!(std::fabs(value) < 4.5e15)) {
    return std::floor(value);
  }
  const auto truncated = static_cast<double>(static_cast<std::int64_t>(value));
  return truncated > value ? truncated - 1 : truncated;
}

void AppendHugeRounded(std::string& out, bool minus, double magnitude, std::uint64_t fraction,
                       std::uint8_t places) {
  std::array<char, 330> text{};
  char* at = text.data();
  if (minus) {
    *at++ = '-';
  }
  at = std::to_chars(at, text.data() + text.size(), magnitude, std::chars_format::fixed, 0).ptr;
  if (places > 0) {
    *at++ = '.';
    at = WriteFraction(at, fraction, places);
  }
  out.append(text.data(), at);
}

// The exponent form's "E", sign and at least two digits.
void AppendExponent(std::string& out, int exponent) {
  out.push_back('E');
  out.push_back(exponent < 0 ? '-' : '+');
  const int magnitude = std::abs(exponent);
  if (magnitude < 10) {
    out.push_back('0');
  }
  AppendUnsigned(out, static_cast<std::uint64_t>(magnitude));
}

// Reads a text that holds no blank: an optional sign, whole digits (groups of three after a
// comma), an optional fraction and exponent.
std::optional<double> ReadStrictCore(std::string_view text) {
  NumberBuffer buffer;
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    if (text[at] == '-') {
      buffer.Push('-');
    }
    ++at;
  }
  std::size_t wholeDigits = 0;
  std::size_t groupDigits = 0;
  bool grouped = false;
  for (; at < text.size(); ++at) {
    const char c = text[at];
    if (IsDigit(c)) {
      buffer.Push(c);
      ++wholeDigits;
      ++groupDigits;
    } else if (c == ',') {
      // A comma separates groups: the first of one to three digits, then exactly three each.
      if (groupDigits == 0 || groupDigits > 3 || (grouped && groupDigits != 3)) {
        return std::nullopt;
      }
      grouped = true;
      groupDigits = 0;
    } else {
      break;
    }
  }
  if (grouped && groupDigits != 3) {
    return std::nullopt;
  }
  std::size_t fractionDigits = 0;
  if (at < text.size() && text[at] == '.') {
    buffer.Push('.');
    for (++at; at < text.size() && IsDigit(text[at]); ++at) {
      buffer.Push(text[at]);
      ++fractionDigits;
    }
  }
  if (wholeDigits + fractionDigits == 0) {
    return std::nullopt;
  }
  if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
    buffer.Push('e');
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
      buffer.Push(text[at]);
      ++at;
    }
    std::size_t exponentDigits = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
      buffer.Push(text[at]);
      ++exponentDigits;
    }
    if (exponentDigits == 0) {
      return std::nullopt;
    }
  }
  if (at != text.size()) {
    return std::nullopt;
  }
  return buffer.Convert();
}

}  // namespace

std::optional<double> ReadStrictNumber(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsStrictBlank(text[first])) {
    ++first;
  }
  while (last > first && IsStrictBlank(text[last - 1])) {
    --last;
  }
  return ReadStrictCore(text.substr(first, last - first));
}

double ReadLeadingNumberByRule(std::string_view text) {
  NumberBuffer buffer;
  std::size_t at = 0;
  const auto skipBlanks = [&] {
    while (at < text.size() && IsScanBlank(text[at])) {
      ++at;
    }
  };
  skipBlanks();
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    if (text[at] == '-') {
      buffer.Push('-');
    }
    ++at;
  }
  bool seenPoint = false;
  std::size_t digits = 0;
  for (skipBlanks(); at < text.size(); ++at, skipBlanks()) {
    const char c = text[at];
    if (IsDigit(c)) {
      buffer.Push(c);
      ++digits;
    } else if (c == '.' && !seenPoint) {
      buffer.Push('.');
      seenPoint = true;
    } else {
      break;
    }
  }
  if (digits == 0) {
    return 0;
  }
  if (at < text.size() &&
      (text[at] == 'E' || text[at] == 'e' || text[at] == 'D' || text[at] == 'd')) {
    const std::size_t beforeExponent = buffer.Size();
    buffer.Push('e');
    ++at;
    skipBlanks();
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
      buffer.Push(text[at]);
      ++at;
    }
    std::size_t exponentDigits = 0;
    for (skipBlanks(); at < text.size() && IsDigit(text[at]); ++at, skipBlanks()) {
      buffer.Push(text[at]);
      ++exponentDigits;
    }
    if (exponentDigits == 0) {
      buffer.Truncate(beforeExponent);
    }
  }
  // A number beyond the range of a double reads as no number.
  return buffer.Convert().value_or(0);
}

double ReadLeadingNumber(std::string_view text) {
  const PlainDecimal plain = ScanPlainDecimal(text);
  return plain.end > 0 ? plain.value : ReadLeadingNumberByRule(text);
}

std::optional<double> TryReadNumber(std::string_view text) {
  // A plain number that fills the whole text holds no comma: both readings give its value.
  const PlainDecimal plain = ScanPlainDecimal(text);
  if (plain.end == text.size() && plain.end > 0) {
    return plain.value;
  }
  if (text.find(',') != std::string_view::npos) {
    return ReadStrictNumber(text);
  }
  return plain.end > 0 ? plain.value : ReadLeadingNumberByRule(text);
}

double ReadNumber(std::string_view text) {
  return TryReadNumber(text).value_or(0);
}

std::optional<double> ReadNumberBefore(std::string_view text, char separator, std::size_t& length) {
  const PlainDecimal plain = ScanPlainDecimal(text);
  if (plain.end == 0 || (plain.end < text.size() && text[plain.end] != separator)) {
    return std::nullopt;
  }
  length = plain.end;
  return plain.value;
}

std::string GeneralForm(double value) {
  if (!std::isfinite(value)) {
    return std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity");
  }
  if (value == 0) {
    return "0";
  }
  // One correctly rounded conversion to 15 significant digits: "-d.ddddddddddddddde+XX".
  std::array<char, 32> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                    std::chars_format::scientific, 14);
  const std::string_view scientific(text.data(),
                                    static_cast<std::size_t>(result.ptr - text.data()));
  const bool negative = scientific.front() == '-';
  const std::size_t mantissaStart = negative ? 1 : 0;
  const std::size_t ePosition = scientific.find('e');
  int exponent = 0;
  std::from_chars(scientific.data() + ePosition + 1 + (scientific[ePosition + 1] == '+' ? 1 : 0),
                  scientific.data() + scientific.size(), exponent);
  std::string digits;
  digits.push_back(scientific[mantissaStart]);
  digits.append(scientific.substr(mantissaStart + 2, ePosition - mantissaStart - 2));
  while (digits.size() > 1 && digits.back() == '0') {
    digits.pop_back();
  }

  std::string out;
  if (negative) {
    out.push_back('-');
  }
  if (exponent < -4 || exponent >= 15) {
    out.push_back(digits[0]);
    if (digits.size() > 1) {
      out.push_back('.');
      out.append(digits, 1);
    }
    AppendExponent(out, exponent);
  } else if (exponent < 0) {
    out.append("0.");
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out.append(digits);
  } else {
    const auto wholeCount = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeCount) {
      out.append(digits);
      out.append(wholeCount - digits.size(), '0');
    } else {
      out.append(digits, 0, wholeCount);
      out.push_back('.');
      out.append(digits, wholeCount);
    }
  }
  return out;
}

void AppendRoundedByRule(std::string& out, double value, std::uint8_t places) {
  if (!std::isfinite(value)) {
    out.append(GeneralForm(value));
    return;
  }
  // At most six decimals can be written.
  const std::uint8_t n = places > 6 ? 6 : places;
  const std::uint64_t scale = kPowersOfTen[n];
  double whole = Floor(value);
  const double t = (value - whole) * static_cast<double>(scale);
  std::uint64_t k = FourDecimalsToWhole(ScaledToFourDecimals(t));
  if (k >= scale) {
    // The carry reaches the whole part; a whole number this size is still exact.
    whole += 1;
    k = 0;
  }
  // i + k/10^n written as a decimal: below zero it is -(|i| - 1) - (10^n - k)/10^n.
  double magnitude = whole;
  std::uint64_t fraction = k;
  bool negative = false;
  if (whole < 0) {
    negative = true;
    magnitude = k > 0 ? -whole - 1 : -whole;
    fraction = k > 0 ? scale - k : 0;
  }
  // Sign, whole digits, point and fraction go out in one append; a whole part beyond 64 bits
  // (never a coordinate) is written digit by digit from the double.
  const bool minus = negative && !(magnitude == 0 && fraction == 0);
  if (magnitude >= 9.2e18) {
    AppendHugeRounded(out, minus, magnitude, fraction, n);
    return;
  }
  // Written right to left: fraction, point, whole digits, sign.
  char text[32];  // sign, 19 digits, point, 6 decimals
  char* const end = text + sizeof text;
  char* at = end;
  if (n > 0) {
    at = WriteDigitsBefore(at, static_cast<std::uint32_t>(fraction), n);
    *--at = '.';
  }
  at = magnitude < 4294967296.0 ? WriteWholeBefore(at, static_cast<std::uint32_t>(magnitude))
                                : WriteWholeBefore(at, static_cast<std::uint64_t>(magnitude));
  if (minus) {
    *--at = '-';
  }
  out.append(at, end);
}

namespace {

// Out of line, so that the common case needs no stack frame.
[[gnu::noinline]] char* WriteRoundedByRule(char* at, double value, std::uint8_t places) {
  std::string text;
  AppendRoundedByRule(text, value, places);
  return std::copy(text.begin(), text.end(), at);
}

}  // namespace

namespace {

template <unsigned kPlaces>
char* WriteRoundedWith(char* at, double value) {
  char* const end = WriteRoundedDigits<kPlaces>(at, value);
  return end != nullptr ? end : WriteRoundedByRule(at, value, kPlaces);
}

constexpr std::array<RoundedWriter, 7> kRoundedWriters = {
    WriteRoundedWith<0>, WriteRoundedWith<1>, WriteRoundedWith<2>, WriteRoundedWith<3>,
    WriteRoundedWith<4>, WriteRoundedWith<5>, WriteRoundedWith<6>};

}  // namespace

RoundedWriter RoundedWriterFor(std::uint8_t places) {
  return kRoundedWriters[places > 6 ? 6 : places];
}

char* WriteRounded(char* at, double value, std::uint8_t places) {
  return RoundedWriterFor(places)(at, value);
}

void AppendRounded(std::string& out, double value, std::uint8_t places) {
  char text[kRoundedTextCapacity];
  out.append(text, WriteRounded(text, value, places));
}

std::string FormatRounded(double value, std::uint8_t places) {
  std::string out;
  AppendRounded(out, value, places);
  return out;
}

std::string FixedForm(double value, int places) {
  if (!std::isfinite(value)) {
    return GeneralForm(value);
  }
  std::array<char, 352> text{};  // 309 whole digits, sign, point and 17 decimals
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                    std::chars_format::fixed, std::clamp(places, 0, 17));
  std::string out(text.data(), result.ptr);
  if (out.front() == '-' && out.find_first_not_of("-0.") == std::string::npos) {
    out.erase(0, 1);
  }
  return out;
}

}  // namespace velkora
