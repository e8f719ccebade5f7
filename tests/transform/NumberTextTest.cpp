// Number and angle text: reading, general form, the program's rounding (checked against an
// independent decimal-string computation) and the degree-minute-second text.
#include "transform/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
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
  struct Row {
    const char* name;
    double value;
    std::uint64_t bits;
  };
  const Row rows[] = {
      {"ProgramPi", ProgramPi, 0x400921FB54442D11},
      {"DegreesToRadians", DegreesToRadians, 0x3F91DF46A2529D34},
      {"RadiansToDegrees", RadiansToDegrees, 0x404CA5DC1A63C200},
      {"TwoPi", TwoPi, 0x401921FB54442D11},
      {"ThreeHalvesPi", ThreeHalvesPi, 0x4012D97C7F3321CD},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(row.value), row.bits) << row.name;
  }
}

TEST(GeneralForm, WritesFifteenSignificantDigits) {
  struct Row {
    double value;
    const char* text;
  };
  const Row rows[] = {
      {12, "12"},
      {0.5, "0.5"},
      {1234567.891, "1234567.891"},
      {0.00001, "1E-05"},
      {1.5e15, "1.5E+15"},
      {-2.5, "-2.5"},
      {0, "0"},
      {-0.0, "0"},
      {1.00012345678901, "1.00012345678901"},
      {0.0001, "0.0001"},
      {0.000123, "0.000123"},
      {-0.0000123, "-1.23E-05"},
      {999999999999999, "999999999999999"},
      {999999999999999.9, "1E+15"},
      {1e15, "1E+15"},
      {123456789012345678.0, "1.23456789012346E+17"},
      {1e100, "1E+100"},
      {1.5e-300, "1.5E-300"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {100, "100"},
      {1e14, "100000000000000"},
      {4981234.56785, "4981234.56785"},
      {57.29577951308238, "57.2957795130824"},
  };
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
      {-0.00004, 4, "0.0000"},
      {-0.00005, 4, "0.0000"},
      {-0.00006, 4, "-0.0001"},
      {1.00012345678901, 255, "1.00012345678901"},
      {0.00001, 255, "1E-05"},
      {0, 4, "0.0000"},
      {-0.0, 4, "0.0000"},
      {-2.3, 4, "-2.3000"},
      {-0.5, 2, "-0.50"},
      {-1, 4, "-1.0000"},
      {12.5, 4, "12.5000"},
      {4981234.56785, 4, "4981234.5678"},
      {4981234.56795, 4, "4981234.5680"},
      {-4981234.56785, 4, "-4981234.5678"},
      {1e15, 4, "1000000000000000.0000"},
      {-1e15, 4, "-1000000000000000.0000"},
      {1e20, 4, "100000000000000000000.0000"},
      {0.99999999, 4, "1.0000"},
      {-0.99999999, 4, "-1.0000"},
      {9.99995, 4, "10.0000"},
      {59.995, 2, "60.00"},
      {0.003125, 4, "0.0031"},
      {0.1234567, 6, "0.123457"},
      {0.12345678, 9, "0.123457"},
      {1.0000005, 6, "1.000000"},
      {1.0000015, 6, "1.000002"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(FormatRounded(row.value, row.places), row.text)
        << GeneralForm(row.value) << " places " << int{row.places};
  }
}

TEST(FormatRounded, AppendRoundedAppends) {
  std::string line = "X=";
  AppendRounded(line, 1.5, 4);
  line += ',';
  AppendRounded(line, 2.0 / 3, 255);
  EXPECT_EQ(line, "X=1.5000,0.666666666666667");
}

// The same algorithm computed slowly on exact decimal strings of the binary values.
std::string ReferenceRounded(double x, int n) {
  const double i = std::floor(x);
  const double t = (x - i) * std::pow(10.0, n);
  std::vector<char> exact(1400);
  // Enough decimals to write the binary value of t exactly.
  std::snprintf(exact.data(), exact.size(), "%.*f", t < 1e-6 ? 1100 : 120, t);
  std::string text(exact.data());
  const std::size_t point = text.find('.');
  std::string digits = text.substr(0, point) + text.substr(point + 1, 4);
  const std::string beyond = text.substr(point + 5);
  long long m = std::stoll(digits);
  if (beyond[0] >= '5') {
    ++m;  // half away from zero at the fourth decimal
  }
  long long k = m / 10000;
  const long long rest = m % 10000;
  if (rest > 5000 || (rest == 5000 && k % 2 == 1)) {
    ++k;
  }
  const long double value =
      static_cast<long double>(i) + static_cast<long double>(k) / std::pow(10.0L, n);
  std::vector<char> out(64);
  std::snprintf(out.data(), out.size(), "%.*Lf", n, value);
  std::string result(out.data());
  if (result.find_first_not_of("-0.") == std::string::npos && result[0] == '-') {
    result.erase(0, 1);
  }
  return result;
}

TEST(FormatRounded, AgreesWithTheDecimalReference) {
  std::mt19937_64 random(20261206);
  std::vector<double> values = {0.03125, 0.00005, 0.000049999, 0.12345, 0.5, 2.5, 1e-300};
  for (int e = 1; e <= 12; ++e) {
    values.push_back(1.0 / std::pow(2.0, e));  // binary ties at every depth
  }
  std::uniform_int_distribution<long long> whole(-5000000, 5000000);
  std::uniform_int_distribution<long long> tenths(0, 999999);
  std::uniform_real_distribution<double> noise(-1e-9, 1e-9);
  for (int r = 0; r < 2000; ++r) {
    const double w = static_cast<double>(whole(random));
    const double f = static_cast<double>(tenths(random)) / 1e6;
    values.push_back(w + f);  // decimal fractions, many near ties
    values.push_back(w + f / 10 + noise(random));
    values.push_back(static_cast<double>(tenths(random)) / 8e5);  // exact binary ties
  }
  for (double value : values) {
    for (int n : {1, 2, 3, 4, 5, 6}) {
      ASSERT_EQ(FormatRounded(value, static_cast<std::uint8_t>(n)), ReferenceRounded(value, n))
          << std::hexfloat << value << " places " << n;
      ASSERT_EQ(FormatRounded(-value, static_cast<std::uint8_t>(n)), ReferenceRounded(-value, n))
          << std::hexfloat << -value << " places " << n;
    }
  }
}

TEST(ReadNumber, LeadingNumberScan) {
  struct Row {
    const char* text;
    double value;
  };
  const Row rows[] = {
      {"", 0},
      {"  12.50 ", 12.5},
      {"12 34", 1234},
      {"-0.5E2", -50},
      {"abc", 0},
      {"12.5 m", 12.5},
      {"\t1\n2.5", 12.5},
      {"+7", 7},
      {"- 3", -3},
      {"1.2.3", 1.2},
      {".5", 0.5},
      {"5.", 5},
      {"1D3", 1000},
      {"1d-2", 0.01},
      {"2e 2", 200},
      {"3E", 3},
      {"3E+", 3},
      {"3Ex", 3},
      {"-", 0},
      {".", 0},
      {"--5", 0},
      {"12-3", 12},
      {"1E999", 0},
      {"4981234.5678", 4981234.5678},
      {"00000000000000000000000000000000000000000000000000000000001.25", 1.25},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ReadLeadingNumber(row.text), row.value) << '"' << row.text << '"';
    EXPECT_EQ(ReadNumber(row.text), row.value) << '"' << row.text << '"';
  }
}

TEST(ReadNumber, StrictConversion) {
  struct Row {
    const char* text;
    std::optional<double> value;
  };
  const Row rows[] = {
      {"1,234.5", 1234.5},
      {"1,234,567", 1234567},
      {" -1,234.5 ", -1234.5},
      {"+12,345.25E2", 1234525},
      {"12", 12},
      {"0.5", 0.5},
      {".5", 0.5},
      {"5.", 5},
      {"1.5e-3", 0.0015},
      {"12,a", std::nullopt},
      {"12,5", std::nullopt},
      {"1,2345", std::nullopt},
      {",123", std::nullopt},
      {"1,234,", std::nullopt},
      {"1234,567", std::nullopt},
      {"1,234.5,6", std::nullopt},
      {"", std::nullopt},
      {"  ", std::nullopt},
      {"-", std::nullopt},
      {"1 2", std::nullopt},
      {"12 m", std::nullopt},
      {"1E", std::nullopt},
      {"1D2", std::nullopt},
      {"1e999", std::nullopt},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ReadStrictNumber(row.text), row.value) << '"' << row.text << '"';
  }
}

TEST(ReadNumber, CommaChoosesTheStrictConversion) {
  struct Row {
    const char* text;
    std::optional<double> value;
  };
  const Row rows[] = {
      {"1,234.5", 1234.5}, {"12,a", std::nullopt}, {"12 34", 1234}, {"abc", 0}, {"", 0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(TryReadNumber(row.text), row.value) << '"' << row.text << '"';
    EXPECT_EQ(ReadNumber(row.text), row.value.value_or(0)) << '"' << row.text << '"';
  }
}

TEST(ParseAngle, ReadsBothForms) {
  struct Row {
    const char* text;
    double degrees;
  };
  const Row rows[] = {
      {"", 0},
      {"   ", 0},
      {"+12 30 00", 12.5},
      {"12 30 00", 12.5},
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
  };
  for (const Row& row : rows) {
    SessionState session;
    const auto radians = ParseAngle(session, row.text);
    ASSERT_TRUE(radians.has_value()) << '"' << row.text << '"';
    EXPECT_NEAR(*radians, row.degrees * DegreesToRadians, 1e-15) << '"' << row.text << '"';
  }
  SessionState session;
  EXPECT_EQ(ParseAngle(session, "12 30 00"), ParseAngle(session, "12.3000"));
  EXPECT_EQ(ParseAngle(session, "-12 30 00"), -*ParseAngle(session, "12.3000"));
}

TEST(ParseAngle, RefusesUnreadableTexts) {
  const char* const texts[] = {"45",       "45.30",   "45.3",    "45 30",   "45  30 10",
                               "a 30 00",  "45 b 00", "45 30 c", "45.3a00", "45 30 00 5",
                               "12,5 0 0", "+",       "-.3000",  ".",       "45 30 "};
  for (const char* text : texts) {
    SessionState session;
    EXPECT_FALSE(ParseAngle(session, text).has_value()) << '"' << text << '"';
  }
}

TEST(FormatAngle, DisplayTextAndParts) {
  struct Row {
    double radians;
    const char* display;
    const char* degrees;
    const char* minutes;
    const char* seconds;
  };
  SessionState parser;
  const Row rows[] = {
      {12.5 * DegreesToRadians, "+12 30 00", "12", "30", "0.00"},
      {5.25 * DegreesToRadians, "+5 15 00", "5", "15", "0.00"},
      {-0.5 * DegreesToRadians, "-0 30 00", "0", "30", "0.00"},
      {0, "+0 00 00", "0", "00", "0.00"},
      // Minutes of exactly 9 and seconds from 9 to 10 keep a single digit in their text.
      {*ParseAngle(parser, "-45 05 09.5"), "-45 05 9.50000000003399", "-45", "05", "9.50"},
      {*ParseAngle(parser, "10 9 8.25"), "+10 09 08.25000000000017", "10", "9", "8.25"},
      {*ParseAngle(parser, "359 59 59.999"), "+359 59 59.9990000000707", "0", "0", "0"},
  };
  for (const Row& row : rows) {
    SessionState session;
    EXPECT_EQ(FormatAngle(session, row.radians), row.display) << row.display;
    EXPECT_EQ(session.dmsDegrees, row.degrees) << row.display;
    EXPECT_EQ(session.dmsMinutes, row.minutes) << row.display;
    EXPECT_EQ(session.dmsSeconds, row.seconds) << row.display;
  }
}

TEST(FormatAngle, SecondsCarryIntoMinutesAndDegrees) {
  SessionState session;
  const double angle = *ParseAngle(session, "44 59 59.999");
  const std::string display = FormatAngle(session, angle);
  EXPECT_EQ(display.substr(0, 10), "+44 59 59.");
  EXPECT_NEAR(ReadNumber(display.substr(7)), 59.999, 1e-9);
  EXPECT_EQ(session.dmsDegrees, "45");
  EXPECT_EQ(session.dmsMinutes, "0");
  EXPECT_EQ(session.dmsSeconds, "0");
}

TEST(FormatAngle, RoundTripsThroughParseAngle) {
  SessionState session;
  for (const char* text : {"12 30 00", "-0 00 01", "179 59 59.5", "1.2345", "-359.5959",
                           "0 0 0.001", "90 0 0", "270 15 30.25"}) {
    const double angle = *ParseAngle(session, text);
    const std::string display = FormatAngle(session, angle);
    const auto back = ParseAngle(session, display);
    ASSERT_TRUE(back.has_value()) << display;
    EXPECT_NEAR(*back, angle, 1e-13) << text << " -> " << display;
  }
}

}  // namespace
}  // namespace velkora
