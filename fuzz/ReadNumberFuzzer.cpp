// Arbitrary text through ReadNumber and TryReadNumber, and every number read back through
// FormatRounded, AppendRounded and GeneralForm; the shortcuts for plain numbers and for the
// rounding against the rules, on the text and on its first eight bytes taken as a double.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "engine/text/NumberText.h"

namespace {

using velkora::fuzz::Require;

bool SameNumber(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || a == b;
}

// -?digits.digits with exactly `places` decimals, never "-0.000".
bool IsRoundedText(std::string_view text, int places) {
  std::size_t i = text.starts_with('-') ? 1 : 0;
  const std::size_t digitsStart = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    ++i;
  }
  if (i == digitsStart || i >= text.size() || text[i] != '.' ||
      text.size() - i - 1 != static_cast<std::size_t>(places)) {
    return false;
  }
  for (std::size_t j = i + 1; j < text.size(); ++j) {
    if (text[j] < '0' || text[j] > '9') {
      return false;
    }
  }
  return !(text[0] == '-' && text.find_first_not_of("-0.") == std::string_view::npos);
}

void CheckFormatting(double value) {
  for (int places = 1; places <= 6; ++places) {
    const std::string text = velkora::FormatRounded(value, static_cast<std::uint8_t>(places));
    Require(IsRoundedText(text, places), "FormatRounded text is not -?d.ddd");
    std::string appended = "prefix";
    velkora::AppendRounded(appended, value, static_cast<std::uint8_t>(places));
    Require(appended == "prefix" + text, "AppendRounded differs from FormatRounded");
    if (std::fabs(value) < 1e12) {
      const double back = velkora::ReadNumber(text);
      // The rounding first writes the scaled fraction with four decimals, which may move a
      // value by another half of a ten-thousandth of the last place.
      const double tolerance =
          0.50005 * std::pow(10.0, -places) * (1 + 1e-9) + std::fabs(value) * 4e-16;
      Require(std::fabs(back - value) <= tolerance, "FormatRounded is off by more than rounding");
    }
  }
  const std::string general = velkora::GeneralForm(value);
  Require(general.find(',') == std::string::npos, "GeneralForm holds a comma");
  if (value == 0 || (std::fabs(value) > 1e-300 && std::fabs(value) < 1e300)) {
    const double back = velkora::ReadNumber(general);
    Require(std::fabs(back - value) <= std::fabs(value) * 1e-14,
            "GeneralForm does not keep 15 significant digits");
  }
}

bool SameBits(std::optional<double> a, std::optional<double> b) {
  return a.has_value() == b.has_value() &&
         std::bit_cast<std::uint64_t>(a.value_or(0)) == std::bit_cast<std::uint64_t>(b.value_or(0));
}

void CompareReadingWithTheRules(std::string_view text) {
  const std::optional<double> rule = text.find(',') != std::string_view::npos
                                         ? velkora::ReadStrictNumber(text)
                                         : velkora::ReadLeadingNumberByRule(text);
  Require(SameBits(velkora::TryReadNumber(text), rule), "TryReadNumber differs from the rules");
  Require(SameBits(velkora::ReadLeadingNumber(text), velkora::ReadLeadingNumberByRule(text)),
          "ReadLeadingNumber differs from the rule");
  std::size_t length = 0;
  if (const std::optional<double> before = velkora::ReadNumberBefore(text, ',', length)) {
    const std::size_t comma = std::min(text.find(','), text.size());
    Require(length == comma, "ReadNumberBefore ends elsewhere than the field");
    Require(SameBits(before, velkora::ReadLeadingNumberByRule(text.substr(0, comma))),
            "ReadNumberBefore differs from the rule on the field");
  }
}

void CompareRoundingWithTheRule(double value) {
  for (const std::uint8_t places : {0, 1, 2, 3, 4, 5, 6, 7, 255}) {
    std::string rule;
    velkora::AppendRoundedByRule(rule, value, places);
    char text[velkora::kRoundedTextCapacity];
    Require(std::string_view(text, velkora::WriteRounded(text, value, places)) == rule,
            "WriteRounded differs from the rule");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CompareReadingWithTheRules(text);
  if (size >= sizeof(double)) {
    double bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    CompareRoundingWithTheRule(bits);
  }
  const std::optional<double> tried = velkora::TryReadNumber(text);
  Require(tried.has_value() || text.find(',') != std::string_view::npos,
          "a text without a comma was refused");
  const double value = velkora::ReadNumber(text);
  Require(SameNumber(value, tried.value_or(0)), "ReadNumber differs from TryReadNumber");
  CompareRoundingWithTheRule(value);
  if (std::isfinite(value)) {
    CheckFormatting(value);
  }
  return 0;
}
