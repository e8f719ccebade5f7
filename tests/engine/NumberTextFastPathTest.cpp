// The shortcuts of number text against the rules they stand in for, on millions of values:
// WriteRounded against AppendRoundedByRule, and ReadNumber, ReadLeadingNumber and
// ReadNumberBefore against the leading-number scan and the strict grouped form.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "engine/text/NumberText.h"
#include "support/Rounds.h"

namespace velkora {
namespace {

constexpr int kRounds = testing::Rounds(100000);

// Every place count the shortcut takes, through both ways; reports the first difference.
bool SameRounding(double value) {
  static std::string rule;
  char text[kRoundedTextCapacity];
  for (std::uint8_t places = 0; places <= 6; ++places) {
    rule.clear();
    AppendRoundedByRule(rule, value, places);
    const std::string_view written(text, WriteRounded(text, value, places));
    if (written != rule) {
      ADD_FAILURE() << std::hexfloat << value << " with " << int{places} << " places: \"" << written
                    << "\", by the rule \"" << rule << '"';
      return false;
    }
  }
  return true;
}

// A value and its neighbours one unit in the last place away, with both signs.
bool SameRoundingAround(double value) {
  for (const double signed_value : {value, -value}) {
    if (!SameRounding(signed_value) || !SameRounding(std::nextafter(signed_value, -INFINITY)) ||
        !SameRounding(std::nextafter(signed_value, INFINITY))) {
      return false;
    }
  }
  return true;
}

// About `digits` with `decimals` of them after the point: the nearest double below 2^53.
double Decimal(std::uint64_t digits, int decimals) {
  return static_cast<double>(digits) / std::pow(10.0, decimals);
}

// Ties, 32 bits, the shortcut's limit of 2^53, 64 bits, the tiniest and largest doubles, and
// powers of ten.
TEST(WriteRounded, AgreesWithTheRuleOnEdges) {
  const double kEdges[] = {
      0.0,      0.00005, 0.000049999, 0.03125, 0.5,    9.99995,   0x1p32,
      0x1p52,   0x1p53,  0x1p63,      0x1p64,  1e-300, 0x1p-1074, 0x1.fffffffffffffp1023,
      INFINITY, NAN};
  for (const double edge : kEdges) {
    ASSERT_TRUE(SameRoundingAround(edge));
  }
  for (int exponent = -12; exponent <= 22; ++exponent) {
    ASSERT_TRUE(SameRoundingAround(std::pow(10.0, exponent)));
  }
}

// Per round: a coordinate with 0 to 12 decimals, a moved one with a full binary fraction, a
// binary tie, a decimal text ending in 5 (a tie at its last place, or at the fourth decimal of
// a fraction scaled by fewer places), and any bits.
TEST(WriteRounded, AgreesWithTheRuleOnRandomValues) {
  std::mt19937_64 random(20261206);
  for (int round = 0; round < kRounds; ++round) {
    const int decimals = static_cast<int>(random() % 13);
    const int tieDepth = 1 + static_cast<int>(random() % 20);
    const double values[] = {
        Decimal(random() % static_cast<std::uint64_t>(std::pow(10.0, 7 + decimals)), decimals),
        std::ldexp(static_cast<double>(random() % (std::uint64_t{1} << 53)), -30),
        static_cast<double>(random() % 10000000) +
            std::ldexp(2.0 * static_cast<double>(random() % (1U << (tieDepth - 1))) + 1, -tieDepth),
        Decimal((random() % (std::uint64_t{1} << 49)) * 10 + 5, 1 + decimals % 12),
        std::bit_cast<double>(random())};
    for (const double value : values) {
      ASSERT_TRUE(SameRoundingAround(value));
    }
  }
}

// A text in the shapes numbers take in files, with now and then a character of any kind.
std::string RandomNumberText(std::mt19937_64& random) {
  static const std::string kAny = "0123456789 \t\n.,+-eEdD/:x\r\xB5";
  const auto pick = [&](std::string_view from) { return from[random() % from.size()]; };
  const auto some = [&](std::string_view from, std::uint64_t most) {
    std::string part;
    for (std::uint64_t count = random() % (most + 1); count > 0; --count) {
      part += pick(from);
    }
    return part;
  };
  std::string text = some(" \t\n", 2);
  text += some("+-", 1);
  text += some("0123456789", random() % 2 != 0 ? 9 : 25);
  text += random() % 4 != 0 ? "." + some("0123456789", 12) : "";
  text += some(" \t", 2);
  if (random() % 2 != 0) {
    text += some(",eEdDx\r", 1);
    text += some("0123456789", 3);
    text += some(kAny, 3);
  }
  if (random() % 4 == 0 && !text.empty()) {
    text[random() % text.size()] = pick(kAny);
  }
  return text;
}

std::uint64_t Bits(double value) {
  return std::bit_cast<std::uint64_t>(value);
}

// What TryReadNumber reads, by the rules alone.
std::optional<double> TryReadByRule(std::string_view text) {
  return text.find(',') != std::string_view::npos ? ReadStrictNumber(text)
                                                  : ReadLeadingNumberByRule(text);
}

TEST(ReadNumber, AgreesWithTheRuleOnRandomTexts) {
  std::mt19937_64 random(7);
  for (int round = 0; round < 20 * kRounds; ++round) {
    const std::string text = RandomNumberText(random);
    const std::optional<double> rule = TryReadByRule(text);
    const std::optional<double> read = TryReadNumber(text);
    ASSERT_EQ(read.has_value(), rule.has_value()) << '"' << text << '"';
    ASSERT_EQ(Bits(read.value_or(0)), Bits(rule.value_or(0))) << '"' << text << '"';
    ASSERT_EQ(Bits(ReadLeadingNumber(text)), Bits(ReadLeadingNumberByRule(text)))
        << '"' << text << '"';
    std::size_t length = 0;
    if (const std::optional<double> before = ReadNumberBefore(text, ',', length)) {
      const std::size_t comma = std::min(text.find(','), text.size());
      ASSERT_EQ(length, comma) << '"' << text << '"';
      ASSERT_EQ(Bits(*before), Bits(ReadLeadingNumberByRule(text.substr(0, comma))))
          << '"' << text << '"';
    }
  }
}

}  // namespace
}  // namespace velkora
