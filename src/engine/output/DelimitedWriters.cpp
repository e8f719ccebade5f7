// Writers of the comma-separated layouts: "Comma-Delimited" and "Geopak Delimited ;" or "/".
#include "engine/output/DelimitedWriters.h"

#include "engine/text/NumberText.h"
#include "engine/text/QuotedFields.h"

namespace velkora {
namespace {

// Room for the three numbers of a line, the separators around them and the line end.
constexpr std::size_t kNumbersRoom = 3 * kRoundedTextCapacity + 8;

class DelimitedWriter : public PointWriter {
 public:
  using PointWriter::PointWriter;

 protected:
  // Name, X and Y (Y and X northing first), each followed by a comma, then the elevation unless
  // suppressed.
  char* StartLine(const PointRecord& point, char* at) const {
    const bool northingFirst = settings_.order == ColumnOrder::kNorthingFirst;
    at = PutText(at, point.pointNum);
    *at++ = ',';
    at = WriteNumber(at, northingFirst ? point.newY : point.newX);
    *at++ = ',';
    at = WriteNumber(at, northingFirst ? point.newX : point.newY);
    *at++ = ',';
    if (!IsElevationSuppressed(point)) {
      at = WriteNumber(at, point.elev);
    }
    return at;
  }
};

class CommaDelimitedWriter : public DelimitedWriter {
 public:
  using DelimitedWriter::DelimitedWriter;

  // Room for a description and a feature code quoted, each at most twice its size.
  void Write(const PointRecord& point, InputLayout source, TextBuffer& out) override {
    const bool keepsRawText = source == InputLayout::kCommaDelimited && !point.rawText.empty();
    char* const start =
        out.Room(point.pointNum.size() + 2 * (point.description.size() + point.feature.size() + 2) +
                 (keepsRawText ? point.rawText.size() : 0) + kNumbersRoom);
    char* at = StartLine(point, start);
    *at++ = ',';
    at = PutCommaField(at, point.description);
    *at++ = ',';
    at = PutCommaField(at, point.feature);
    if (keepsRawText) {
      *at++ = ',';
      at = PutText(at, point.rawText);
    }
    while (at > start && at[-1] == ',') {
      --at;
    }
    out.Commit(PutLineEnd(at));
  }

  bool KeepsCommentsOf(InputLayout source) const override {
    return source == InputLayout::kCommaDelimited;
  }
};

class GeopakDelimitedWriter : public DelimitedWriter {
 public:
  using DelimitedWriter::DelimitedWriter;

  void Write(const PointRecord& point, InputLayout, TextBuffer& out) override {
    char* at = StartLine(point, out.Room(point.pointNum.size() + point.description.size() +
                                         point.feature.size() + kNumbersRoom));
    if (!point.feature.empty()) {
      *at++ = ',';
      at = PutText(at, point.feature);
      if (!point.description.empty()) {
        *at++ = settings_.delimiter;
        at = PutText(at, point.description);
      }
    } else if (!point.description.empty()) {
      *at++ = settings_.delimiter;
      at = PutText(at, point.description);
    } else {
      *at++ = ',';
      *at++ = settings_.delimiter;
    }
    out.Commit(PutLineEnd(at));
  }
};

}  // namespace

std::unique_ptr<PointWriter> MakeCommaDelimitedWriter(const OutputSettings& settings) {
  return std::make_unique<CommaDelimitedWriter>(settings);
}

std::unique_ptr<PointWriter> MakeGeopakDelimitedWriter(const OutputSettings& settings) {
  return std::make_unique<GeopakDelimitedWriter>(settings);
}

}  // namespace velkora
