// The program's number text against independent computations over many values: its rounding
// against the exact decimal expansion of each double, and the fast reading of plain numbers
// against the correctly rounded conversion of the standard library.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "engine/text/NumberText.h"

namespace velkora::testing {
namespace {

// The program's rounding done slowly from the exact decimal expansion: half away from zero at
// the fourth decimal of the scaled fraction, then an exact half to even; never "-0.00".
std::string ReferenceRounded(double x, int n) {
  const double whole = std::floor(x);
  const double scaled = (x - whole) * std::pow(10.0, n);
  std::vector<char> exact(1200);
  std::snprintf(exact.data(), exact.size(), "%.*f", scaled < 1e-6 ? 1100 : 120, scaled);
  const std::string text(exact.data());
  const std::size_t point = text.find('.');
  long long m = std::stoll(text.substr(0, point) + text.substr(point + 1, 4));
  m += text[point + 5] >= '5' ? 1 : 0;
  long long k = m / 10000;
  const long long rest = m % 10000;
  k += (rest > 5000 || (rest == 5000 && k % 2 == 1)) ? 1 : 0;
  const long double value = static_cast<long double>(whole) + k / std::pow(10.0L, n);
  std::vector<char> out(64);
  std::snprintf(out.data(), out.size(), "%.*Lf", n, value);
  const std::string result(out.data());
  return result.find_first_not_of("-0.") == std::string::npos ? result.substr(result[0] == '-')
                                                              : result;
}

TEST(NumberOracle, RoundingAgreesWithTheExactDecimalExpansion) {
  std::mt19937_64 random(20261206);
  std::vector<double> values = {0.03125, 0.00005, 0.000049999, 0.12345, 2.5, 1e-300};
  for (int e = 1; e <= 12; ++e) {
    values.push_back(std::ldexp(1.0, -e));  // binary ties at every depth
  }
  std::uniform_int_distribution<long long> whole(-5000000, 5000000);
  std::uniform_int_distribution<long long> millionths(0, 999999);
  std::uniform_real_distribution<double> noise(-1e-9, 1e-9);
  for (int r = 0; r < 2000; ++r) {
    const double w = static_cast<double>(whole(random));
    const double f = static_cast<double>(millionths(random)) / 1e6;
    values.push_back(w + f);  // decimal fractions, many near ties
    values.push_back(w + f / 10 + noise(random));
    values.push_back(static_cast<double>(millionths(random)) / 8e5);  // exact binary ties
  }
  for (const double value : values) {
    for (int n = 1; n <= 6; ++n) {
      for (const double signedValue : {value, -value}) {
        ASSERT_EQ(FormatRounded(signedValue, static_cast<std::uint8_t>(n)),
                  ReferenceRounded(signedValue, n))
            << std::hexfloat << signedValue << " to " << n << " decimals";
      }
    }
  }
}

TEST(NumberOracle, PlainNumbersReadCorrectlyRounded) {
  std::mt19937_64 random(7);
  std::vector<std::string> texts = {
      "9007199254740993",         "9007199254740992.5",    "0.1",
      "1.7976931348623157",       "4981234.56785",         "0000000000000000012.5",
      "-0.000000000000000000001", "12345678901234567890.5"};
  for (int n = 0; n < 200000; ++n) {
    std::string text = std::to_string(random() % 100000000000000000ULL);
    text.insert(text.size() - static_cast<std::size_t>(random() % text.size()), ".");
    texts.push_back(text);
  }
  for (const std::string& text : texts) {
    const bool negative = text.front() == '-';
    double expected = 0;
    std::from_chars(text.data() + (negative ? 1 : 0), text.data() + text.size(), expected);
    ASSERT_EQ(std::bit_cast<std::uint64_t>(ReadNumber(text)),
              std::bit_cast<std::uint64_t>(negative ? -expected : expected))
        << text;
  }
}

}  // namespace
}  // namespace velkora::testing
