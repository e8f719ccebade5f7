// Writers of the comma-separated layouts: "Comma-Delimited" and "Geopak Delimited ;" or "/".
#include "engine/output/DelimitedWriters.h"

#include "engine/text/NumberText.h"
#include "engine/text/QuotedFields.h"

namespace velkora {
namespace {

class DelimitedWriter : public PointWriter {
 public:
  using PointWriter::PointWriter;

 protected:
  // Name, X and Y (Y and X northing first), each followed by a comma, then the elevation unless
  // suppressed.
  void StartLine(const PointRecord& point, std::string& out) const {
    const bool northingFirst = settings_.order == ColumnOrder::kNorthingFirst;
    out += point.pointNum;
    out += ',';
    AppendRounded(out, northingFirst ? point.newY : point.newX, settings_.decimals);
    out += ',';
    AppendRounded(out, northingFirst ? point.newX : point.newY, settings_.decimals);
    out += ',';
    if (!IsElevationSuppressed(point)) {
      AppendRounded(out, point.elev, settings_.decimals);
    }
  }
};

class CommaDelimitedWriter : public DelimitedWriter {
 public:
  using DelimitedWriter::DelimitedWriter;

  void Write(const PointRecord& point, InputLayout source, std::string& out) override {
    const std::size_t start = out.size();
    StartLine(point, out);
    out += ',';
    AppendCommaField(out, point.description);
    out += ',';
    AppendCommaField(out, point.feature);
    if (source == InputLayout::kCommaDelimited && !point.rawText.empty()) {
      out += ',';
      out += point.rawText;
    }
    while (out.size() > start && out.back() == ',') {
      out.pop_back();
    }
    out += kLineEnd;
  }

  bool KeepsCommentsOf(InputLayout source) const override {
    return source == InputLayout::kCommaDelimited;
  }
};

class GeopakDelimitedWriter : public DelimitedWriter {
 public:
  using DelimitedWriter::DelimitedWriter;

  void Write(const PointRecord& point, InputLayout, std::string& out) override {
    StartLine(point, out);
    if (!point.feature.empty()) {
      out += ',';
      out += point.feature;
      if (!point.description.empty()) {
        out += settings_.delimiter;
        out += point.description;
      }
    } else if (!point.description.empty()) {
      out += settings_.delimiter;
      out += point.description;
    } else {
      out += ',';
      out += settings_.delimiter;
    }
    out += kLineEnd;
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
