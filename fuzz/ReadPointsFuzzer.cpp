// Arbitrary bytes as an input file, through format detection and the reader of its layout to
// the end of the file.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "engine/input/PointReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using velkora::fuzz::Require;
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
