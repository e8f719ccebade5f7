// Comma-delimited and Geopak-delimited readers.
#include "engine/input/DelimitedReaders.h"

#include <utility>

#include "engine/input/LinePointReader.h"
#include "engine/text/NumberText.h"
#include "engine/text/QuotedFields.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

constexpr std::string_view::size_type kNone = std::string_view::npos;

// The text before the first comma of `rest` (all of it when there is none); `rest` becomes
// the text after that comma.
std::string_view TakeUpToComma(std::string_view& rest) {
  // Fields are short: a plain loop beats a library search here.
  std::size_t comma = 0;
  while (comma < rest.size() && rest[comma] != ',') {
    ++comma;
  }
  const std::string_view field = rest.substr(0, comma);
  rest = comma == rest.size() ? std::string_view{} : rest.substr(comma + 1);
  return field;
}

// The number before the first comma of `rest`, read as ReadNumber reads that field; `rest`
// becomes the text after that comma.
double TakeNumberUpToComma(std::string_view& rest) {
  std::size_t length = 0;
  if (const std::optional<double> value = ReadNumberBefore(rest, ',', length)) {
    rest = length < rest.size() ? rest.substr(length + 1) : std::string_view{};
    return *value;
  }
  return ReadNumber(TakeUpToComma(rest));
}

// The next field of `rest`: a quoted field unquoted into `unquoted`, any other the text before
// the next comma. Only a field that begins with a quote takes the slower way.
std::string_view TakeField(std::string_view& rest, std::string& unquoted) {
  if (!rest.empty() && rest.front() == '"' && TakeQuotedField(rest, unquoted)) {
    return unquoted;
  }
  return TakeUpToComma(rest);
}

double TakeNumberField(std::string_view& rest, std::string& unquoted) {
  if (!rest.empty() && rest.front() == '"' && TakeQuotedField(rest, unquoted)) {
    return ReadNumber(unquoted);
  }
  return TakeNumberUpToComma(rest);
}

void TakeCommaDelimitedFields(std::string_view line, PointRecord& point, std::string& unquoted) {
  std::string_view rest = line;
  AssignTrimmed(point.pointNum, TakeField(rest, unquoted));
  point.x = TakeNumberField(rest, unquoted);
  point.y = TakeNumberField(rest, unquoted);
  point.elev = TakeNumberField(rest, unquoted);
  AssignTrimmed(point.description, TakeField(rest, unquoted));
  AssignTrimmed(point.feature, TakeField(rest, unquoted));
  AssignTrimmed(point.rawText, rest);
}

void TakeGeopakDelimitedFields(std::string_view line, char delimiter, PointRecord& point) {
  point.rawText.assign(line.data(), line.size());
  std::string_view rest = line;
  AssignTrimmed(point.pointNum, TakeUpToComma(rest));
  point.x = ReadNumber(TakeUpToComma(rest));

  // Y ends at a comma unless the separator comes first: a description behind the separator
  // may hold commas of its own even when no elevation and feature stand before it.
  const std::size_t comma = rest.find(',');
  const std::size_t firstDelimiter = rest.find(delimiter);
  if (comma != kNone && (firstDelimiter == kNone || comma < firstDelimiter)) {
    point.y = ReadNumber(TakeUpToComma(rest));
  } else if (firstDelimiter != kNone) {
    point.y = ReadNumber(rest.substr(0, firstDelimiter));
    rest = rest.substr(rest.rfind(delimiter));
  } else {
    point.y = ReadNumber(rest);
    rest = {};
  }

  const std::size_t descriptionStart = rest.rfind(delimiter);
  if (descriptionStart != kNone) {
    AssignTrimmed(point.description, rest.substr(descriptionStart + 1));
    rest = rest.substr(0, descriptionStart);
  } else {
    point.description.clear();
  }

  const std::size_t featureStart = rest.rfind(',');
  if (featureStart != kNone) {
    AssignTrimmed(point.feature, rest.substr(featureStart + 1));
    rest = rest.substr(0, featureStart);
  } else {
    point.feature.clear();
  }
  point.elev = ReadNumber(rest);
}

class CommaDelimitedReader : public LinePointReader {
 public:
  CommaDelimitedReader(const Detection& detection, ColumnOrder order)
      : LinePointReader(detection, true), northingFirst_(order == ColumnOrder::kNorthingFirst) {}

 private:
  void TakeFields(std::string_view line) override {
    TakeCommaDelimitedFields(line, point_, unquoted_);
    if (northingFirst_) {
      std::swap(point_.x, point_.y);
    }
  }

  bool northingFirst_;
  std::string unquoted_;
};

class GeopakDelimitedReader : public LinePointReader {
 public:
  GeopakDelimitedReader(const Detection& detection, ColumnOrder order)
      : LinePointReader(detection, false), northingFirst_(order == ColumnOrder::kNorthingFirst) {}

 private:
  void TakeFields(std::string_view line) override {
    TakeGeopakDelimitedFields(line, detection_.delimiter, point_);
    if (northingFirst_) {
      std::swap(point_.x, point_.y);
    }
  }

  bool northingFirst_;
};

}  // namespace

std::unique_ptr<PointReader> MakeCommaDelimitedReader(const Detection& detection,
                                                      ColumnOrder order) {
  return std::make_unique<CommaDelimitedReader>(detection, order);
}

std::unique_ptr<PointReader> MakeGeopakDelimitedReader(const Detection& detection,
                                                       ColumnOrder order) {
  return std::make_unique<GeopakDelimitedReader>(detection, order);
}

}  // namespace velkora
