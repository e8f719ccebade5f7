// Arbitrary bytes as an input file, through format detection and the reader of its layout to
// the end of the file; and their first line as a comma-delimited line, whose short-line
// shortcut must read it as the general way reads it with blanks after it.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "engine/input/DelimitedReaders.h"
#include "engine/input/PointReader.h"

namespace {

// A comma-delimited reader with `line` read; its point's texts live as long as it and the line.
std::unique_ptr<velkora::PointReader> ReadCommaLine(std::string_view line,
                                                    velkora::ReadItem& item) {
  auto reader = velkora::MakeCommaDelimitedReader(
      velkora::Detection(velkora::InputLayout::kCommaDelimited), velkora::kDefaultColumnOrder);
  reader->Input().OpenText(line);
  item = reader->Next();
  return reader;
}

// Blanks at the end of a line change no field: texts are trimmed and numbers end at a blank.
void CheckShortCommaLine(std::string_view bytes) {
  const std::string_view line = bytes.substr(0, bytes.find_first_of("\r\n"));
  const std::string longLine = std::string(line) + std::string(70, ' ');
  velkora::ReadItem shortItem{};
  velkora::ReadItem longItem{};
  const auto shortReader = ReadCommaLine(line, shortItem);
  const auto longReader = ReadCommaLine(longLine, longItem);
  velkora::fuzz::Require(shortItem == longItem, "a short comma line read as another item");
  if (shortItem != velkora::ReadItem::kPoint) {
    return;
  }
  const velkora::PointRecord& got = shortReader->Point();
  const velkora::PointRecord& expected = longReader->Point();
  const auto same = [](double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
  };
  velkora::fuzz::Require(got.pointNum == expected.pointNum && same(got.x, expected.x) &&
                             same(got.y, expected.y) && same(got.elev, expected.elev) &&
                             got.description == expected.description &&
                             got.feature == expected.feature && got.rawText == expected.rawText,
                         "a short comma line read otherwise than with blanks after it");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using velkora::fuzz::Require;
  CheckShortCommaLine(std::string_view(reinterpret_cast<const char*>(data), size));
  const velkora::fuzz::FuzzInputFile input(data, size, "read-points");
  velkora::OpenedReader opened = velkora::OpenPointReader(input.Path());
  Require(!opened.reader || opened.refusal.empty(), "a reader and a refusal for one file");
  if (!opened.reader) {
    return 0;
  }
  std::size_t items = 0;
  for (velkora::ReadItem item; (item = opened.reader->Next()) != velkora::ReadItem::kEnd;) {
    if (item == velkora::ReadItem::kPoint) {
      Require(velkora::IsValidPoint(opened.reader->Point()), "an invalid point handed over");
    } else {
      Require(opened.reader->Comment().find_first_of("\r\n") == std::string_view::npos,
              "a comment line holds a line break");
    }
    Require(++items <= size, "more points and comments than bytes");
  }
  return 0;
}
