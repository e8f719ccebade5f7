// The comma-delimited reader's shortcut for lines of up to 64 characters against its general way
// of cutting fields, which a line takes once 70 blanks follow it: blanks at the end change no
// field, since texts are trimmed and the leading-number scan skips blanks. Random lines of every
// length and of every kind of field.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "engine/input/DelimitedReaders.h"
#include "support/Rounds.h"

namespace velkora {
namespace {

constexpr int kLines = testing::Rounds(300000);

// Fields as files hold them, and now and then a character of any kind.
std::string RandomLine(std::mt19937_64& random) {
  static const std::string kAny("0123456789 \t.,+-eEdD$\"x/:\0\xB5", 27);
  const auto some = [&](std::string_view from, std::uint64_t most) {
    std::string part;
    for (std::uint64_t count = random() % (most + 1); count > 0; --count) {
      part += from[random() % from.size()];
    }
    return part;
  };
  std::string line;
  for (std::uint64_t field = random() % 9; field > 0; --field) {
    switch (random() % 5) {
      case 0:
        line += some("0123456789", 10) + (random() % 2 != 0 ? "." + some("0123456789", 9) : "");
        break;
      case 1:
        line += some(" +-", 2) + some("0123456789", 3) + some(".", 1) + some("0123456789 ", 4);
        break;
      case 2:
        line += some("ABC /", 8);
        break;
      case 3:
        line += '"' + some("AB1.,\" ", 8) + some("\"", 1) + some("C ", 2);
        break;
      default:
        line += some(kAny, 6);
    }
    line += field > 1 ? "," : "";
  }
  return line;
}

struct ReadLine {
  ReadItem item;
  PointRecord point;
};

ReadLine Read(PointReader& reader, std::string_view text) {
  reader.Input().OpenText(text);
  const ReadItem item = reader.Next();
  return {item, reader.Point()};
}

std::uint64_t Bits(double value) {
  return std::bit_cast<std::uint64_t>(value);
}

TEST(CommaLine, ShortLinesReadAsLongOnes) {
  const Detection comma(InputLayout::kCommaDelimited);
  const auto shortReader = MakeCommaDelimitedReader(comma, kDefaultColumnOrder);
  const auto longReader = MakeCommaDelimitedReader(comma, kDefaultColumnOrder);
  std::mt19937_64 random(20261208);
  for (int i = 0; i < kLines; ++i) {
    const std::string line = RandomLine(random);
    const std::string longLine = line + std::string(70, ' ');
    const ReadLine got = Read(*shortReader, line);
    const ReadLine expected = Read(*longReader, longLine);
    SCOPED_TRACE('"' + line + '"');
    ASSERT_EQ(got.item, expected.item);
    if (line.empty() || line[0] == '$') {
      continue;  // no fields taken
    }
    ASSERT_EQ(got.point.pointNum, expected.point.pointNum);
    ASSERT_EQ(Bits(got.point.x), Bits(expected.point.x));
    ASSERT_EQ(Bits(got.point.y), Bits(expected.point.y));
    ASSERT_EQ(Bits(got.point.elev), Bits(expected.point.elev));
    ASSERT_EQ(got.point.description, expected.point.description);
    ASSERT_EQ(got.point.feature, expected.point.feature);
    ASSERT_EQ(got.point.rawText, expected.point.rawText);
  }
}

}  // namespace
}  // namespace velkora
