// Number and angle text: reading, general form, the program's rounding (checked against an
// independent decimal-string computation) and the degree-minute-second text.
#include "transform/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "session/SessionState.h"

namespace velkora {
namespace {

TEST(ProgramConstants, HaveTheProgramBitPatterns) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(ProgramPi), 0x400921FB54442D11U);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(DegreesToRadians), 0x3F91DF46A2529D34U);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(RadiansToDegrees), 0x404CA5DC1A63C200U);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(TwoPi), 0x401921FB54442D11U);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(ThreeHalvesPi), 0x4012D97C7F3321CDU);
}

TEST(GeneralForm, WritesFifteenSignificantDigits) {
  struct Row {
    double value;
    const char* text;
  };
  const Row rows[] = {{12, "12"},
                      {0.5, "0.5"},
                      {1234567.891, "1234567.891"},
                      {0.00001, "1E-05"},
                      {1.5e15, "1.5E+15"},
                      {-2.5, "-2.5"},
                      {-0.0, "0"},
                      {0.0001, "0.0001"},
                      {-0.0000123, "-1.23E-05"},
                      {999999999999999, "999999999999999"},
                      {999999999999999.9, "1E+15"},
                      {123456789012345678.0, "1.23456789012346E+17"},
                      {1e100, "1E+100"},
                      {0.1 + 0.2, "0.3"},
                      {2.0 / 3, "0.666666666666667"},
                      {1e14, "100000000000000"},
                      {1.00012345678901, "1.00012345678901"}};
  for (const Row& row : rows) {
    EXPECT_EQ(GeneralForm(row.value), row.text) << row.text;
  }
}

TEST(FormatRounded, WorkedValues) {
  struct Row {
    double value;
    std::uint8_t places;
    const char* text;
  };
  const Row rows[] = {
      {0.125, 2, "0.12"},
      {0.375, 2, "0.38"},
      {0.135, 2, "0.14"},
      {1.99999, 4, "2.0000"},
      {-2.34567, 4, "-2.3457"},
      {-0.00001, 4, "0.0000"},
      {-0.00005, 4, "0.0000"},
      {-0.00006, 4, "-0.0001"},
      {-2.3, 4, "-2.3000"},
      {-0.5, 2, "-0.50"},
      {-1, 4, "-1.0000"},
      {0.00001, 255, "1E-05"},
      {1.00012345678901, 255, "1.00012345678901"},
      // The four-decimal detour: 1000.12345 is a hair above the tie and still rounds to even.
      {1000.12345, 4, "1000.1234"},
      {4981234.56785, 4, "4981234.5678"},
      {-4981234.56785, 4, "-4981234.5678"},
      {1e15, 4, "1000000000000000.0000"},
      {-1e20, 4, "-100000000000000000000.0000"},
      {-0.99999999, 4, "-1.0000"},
      {9.99995, 4, "10.0000"},
      {59.995, 2, "60.00"},
      {0.12345678, 9, "0.123457"}};
  for (const Row& row : rows) {
    EXPECT_EQ(FormatRounded(row.value, row.places), row.text) << row.text;
  }
}

// The same rounding computed slowly from the exact decimal expansion of the binary values.
std::string ReferenceRounded(double x, int n) {
  const double i = std::floor(x);
  const double t = (x - i) * std::pow(10.0, n);
  std::vector<char> exact(1200);
  std::snprintf(exact.data(), exact.size(), "%.*f", t < 1e-6 ? 1100 : 120, t);
  const std::string text(exact.data());
  const std::size_t point = text.find('.');
  long long m = std::stoll(text.substr(0, point) + text.substr(point + 1, 4));
  m += text[point + 5] >= '5' ? 1 : 0;  // half away from zero at the fourth decimal
  long long k = m / 10000;
  const long long rest = m % 10000;
  k += (rest > 5000 || (rest == 5000 && k % 2 == 1)) ? 1 : 0;
  const long double value = static_cast<long double>(i) + k / std::pow(10.0L, n);
  std::vector<char> out(64);
  std::snprintf(out.data(), out.size(), "%.*Lf", n, value);
  std::string result(out.data());
  return result.find_first_not_of("-0.") == std::string::npos ? result.substr(result[0] == '-')
                                                              : result;
}

TEST(FormatRounded, AgreesWithTheDecimalReference) {
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
  for (double value : values) {
    for (int n = 1; n <= 6; ++n) {
      for (double signed_value : {value, -value}) {
        ASSERT_EQ(FormatRounded(signed_value, static_cast<std::uint8_t>(n)),
                  ReferenceRounded(signed_value, n))
            << std::hexfloat << signed_value << " places " << n;
      }
    }
  }
}

TEST(ReadNumber, LeadingScanOrStrictGroupedForm) {
  struct Row {
    const char* text;
    std::optional<double> value;
  };
  const Row rows[] = {
      // Without a comma: the leading-number scan, never failing.
      {"", 0},
      {"  12.50 ", 12.5},
      {"12 34", 1234},
      {"-0.5E2", -50},
      {"abc", 0},
      {"12.5 m", 12.5},
      {"\t1\n2.5", 12.5},
      {"- 3", -3},
      {"1.2.3", 1.2},
      {".5", 0.5},
      {"1D3", 1000},
      {"1d-2", 0.01},
      {"2e 2", 200},
      {"3E+", 3},
      {"--5", 0},
      {"12-3", 12},
      {"1E999", 0},
      {"000000000000000000000000000000 000000000000000000000000000000000001.5", 1.5},
      // With a comma: the strict conversion, digit groups of three.
      {"1,234.5", 1234.5},
      {"1,234,567", 1234567},
      {" -1,234.5 ", -1234.5},
      {"+12,345.25E2", 1234525},
      {"12,a", std::nullopt},
      {"12,5", std::nullopt},
      {"1,2345", std::nullopt},
      {",123", std::nullopt},
      {"1,234,", std::nullopt},
      {"1,234 m", std::nullopt},
      {"1,234D2", std::nullopt}};
  for (const Row& row : rows) {
    EXPECT_EQ(TryReadNumber(row.text), row.value) << '"' << row.text << '"';
    EXPECT_EQ(ReadNumber(row.text), row.value.value_or(0)) << '"' << row.text << '"';
  }
  // Angle parts are strict even without a comma.
  EXPECT_EQ(ReadStrictNumber(" 12.5 "), 12.5);
  EXPECT_EQ(ReadStrictNumber("12 m"), std::nullopt);
  EXPECT_EQ(ReadStrictNumber(""), std::nullopt);
}

// Plain numbers take a shortcut; it must give the correctly rounded value, bit for bit.
TEST(ReadNumber, PlainNumbersAreCorrectlyRounded) {
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
    expected = negative ? -expected : expected;
    ASSERT_EQ(std::bit_cast<std::uint64_t>(ReadNumber(text)),
              std::bit_cast<std::uint64_t>(expected))
        << text;
  }
}

// A field read where it stands must give what ReadNumber gives the field once cut out; the
// shapes it leaves to ReadNumber give no value.
TEST(ReadNumberBefore, AgreesWithTheCutField) {
  struct Case {
    std::string text;
    std::optional<std::size_t> length;  // none: left to ReadNumber
  };
  const std::vector<Case> cases = {
      {"1456831.919,537786.406,624.199", 11},
      {"  -4981234.5678,x", 15},
      {"+12.5", 5},
      {".5,", 2},
      {"7.,", 2},
      {"0000012,", 7},
      {"12345678901234567890.5,1", 22},
      {"12.5 ,", std::nullopt},   // a blank after the number
      {"12.5E3,", std::nullopt},  // an exponent
      {"12.5D3", std::nullopt},
      {"1,234.5", 1},             // the field ends at the first comma
      {"12.5.3,", std::nullopt},  // a second point
      {"12a,", std::nullopt},
      {",5", std::nullopt},  // an empty field
      {"", std::nullopt},
      {"-", std::nullopt},
      {"- 5,", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::size_t length = 0;
    const std::optional<double> value = ReadNumberBefore(c.text, ',', length);
    ASSERT_EQ(value.has_value(), c.length.has_value());
    if (value) {
      EXPECT_EQ(length, *c.length);
      const std::string field = c.text.substr(0, c.text.find(','));
      EXPECT_EQ(std::bit_cast<std::uint64_t>(*value),
                std::bit_cast<std::uint64_t>(ReadNumber(field)));
    }
  }
}

TEST(ParseAngle, ReadsBothFormsAndRefusesTheRest) {
  struct Row {
    const char* text;
    std::optional<double> degrees;
  };
  const Row rows[] = {{"", 0},
                      {"   ", 0},
                      {"+12 30 00", 12.5},
                      {"12.3000", 12.5},
                      {"-12.3000", -12.5},
                      {"- 12 30 00", -12.5},
                      {"  12 34 56.7 ", 12 + 34 / 60.0 + 56.7 / 3600},
                      {"45.5 0 0", 45.5},
                      {"45.3025", 45 + 30 / 60.0 + 25 / 3600.0},
                      {"45.3025.5", 45 + 30 / 60.0 + 25.5 / 3600},
                      {"45.302512", 45 + 30 / 60.0 + 2512 / 3600.0},
                      {"-1 02 03", -(1 + 2 / 60.0 + 3 / 3600.0)},
                      {"1,000 0 0", 1000},
                      {"45", std::nullopt},
                      {"45.30", std::nullopt},
                      {"45.3", std::nullopt},
                      {"45 30", std::nullopt},
                      {"45  30 10", std::nullopt},
                      {"a 30 00", std::nullopt},
                      {"45 30 c", std::nullopt},
                      {"45.3a00", std::nullopt},
                      {"45 30 00 5", std::nullopt},
                      {"12,5 0 0", std::nullopt},
                      {"+", std::nullopt},
                      {"-.3000", std::nullopt}};
  for (const Row& row : rows) {
    SessionState session;
    const std::optional<double> radians = ParseAngle(session, row.text);
    ASSERT_EQ(radians.has_value(), row.degrees.has_value()) << '"' << row.text << '"';
    if (radians) {
      EXPECT_NEAR(*radians, *row.degrees * DegreesToRadians, 1e-15) << '"' << row.text << '"';
    }
  }
  SessionState session;
  EXPECT_EQ(ParseAngle(session, "12 30 00"), ParseAngle(session, "12.3000"));
}

TEST(FormatAngle, DisplayTextAndCarriedParts) {
  struct Row {
    const char* angle;  // as ParseAngle reads it
    const char* display;
    const char* degrees;
    const char* minutes;
    const char* seconds;
  };
  const Row rows[] = {
      {"12 30 00", "+12 30 00", "12", "30", "0.00"},
      {"5 15 00", "+5 15 00", "5", "15", "0.00"},
      {"-0 30 00", "-0 30 00", "0", "30", "0.00"},
      {"", "+0 00 00", "0", "00", "0.00"},
      // Minutes of exactly 9 and seconds from 9 to 10 keep a single digit in their text.
      {"-45 05 09.5", "-45 05 9.50000000003399", "-45", "05", "9.50"},
      {"10 9 8.25", "+10 09 08.25000000000017", "10", "9", "8.25"},
      // Seconds round to 60 and carry into the minutes, the minutes into the degrees.
      {"44 59 59.999", "+44 59 59.998999999994", "45", "0", "0"},
      {"359 59 59.999", "+359 59 59.9990000000707", "0", "0", "0"}};
  for (const Row& row : rows) {
    SessionState session;
    const double angle = *ParseAngle(session, row.angle);
    const std::string display = FormatAngle(session, angle);
    EXPECT_EQ(display, row.display) << row.angle;
    EXPECT_EQ(session.dmsDegrees, row.degrees) << row.angle;
    EXPECT_EQ(session.dmsMinutes, row.minutes) << row.angle;
    EXPECT_EQ(session.dmsSeconds, row.seconds) << row.angle;
    EXPECT_NEAR(ParseAngle(session, display).value(), angle, 1e-13) << display;
  }
}

}  // namespace
}  // namespace velkora
