// Comma-delimited and Geopak-delimited readers.
#include "engine/input/DelimitedReaders.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "engine/input/LinePointReader.h"
#include "engine/text/DigitWords.h"
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

// The texts of a line's quoted fields, unquoted, which the point shows; `taken` tells whether
// the last line read had any.
struct UnquotedFields {
  std::string pointNum;
  std::string number;
  std::string description;
  std::string feature;
  bool taken = false;
};

// The next field of `rest`: a quoted field unquoted into `unquoted`, any other the text before
// the next comma. Only a field that begins with a quote takes the slower way.
std::string_view TakeField(std::string_view& rest, std::string& unquoted, bool& taken) {
  if (!rest.empty() && rest.front() == '"' && TakeQuotedField(rest, unquoted)) {
    taken = true;
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

// The common comma-delimited line, read where it lies in a copy that can be read 24 bytes past
// any of its characters: the bytes past its end are zeros, which neither a number nor a field
// holds. A field that begins with a double quote is left to the general way.
constexpr std::size_t kShortLine = 64;

class ShortLine {
 public:
  explicit ShortLine(std::string_view line) : line_(line) {
    std::memcpy(text_.data(), line.data(), line.size());
    std::memset(text_.data() + line.size(), 0, kSlack);
  }

  // The text before the next comma (the rest of the line without one); the rest starts after
  // that comma.
  std::string_view TakeField() {
    quoted_ = quoted_ || text_[at_] == '"';
    std::size_t comma = at_;
    for (;; comma += 8) {
      const int found = FirstByteOf(LoadWord(text_.data() + comma), ',');
      if (found < 8 || comma + 8 >= line_.size()) {
        comma = std::min(comma + static_cast<std::size_t>(found), line_.size());
        break;
      }
    }
    return Advance(comma);
  }

  // The number of the next field, as ReadNumber reads it: plain digits with a point where they
  // stand, anything else by ReadNumber.
  double TakeNumber() {
    const UnsignedDecimal plain = ReadUnsignedDecimal(text_.data() + at_);
    const std::size_t end = at_ + plain.length;
    if (plain.length > 0 && (end == line_.size() || text_[end] == ',')) {
      Advance(end);
      return plain.value;
    }
    return ReadNumber(TakeField());
  }

  std::string_view Rest() const { return {line_.data() + at_, line_.size() - at_}; }

  // Whether a field began with a double quote: the line must be read the general way.
  bool Quoted() const { return quoted_; }

 private:
  static constexpr std::size_t kSlack = 24;

  std::string_view Advance(std::size_t end) {
    const std::string_view field(line_.data() + at_, end - at_);
    at_ = std::min(end + 1, line_.size());
    return field;
  }

  std::string_view line_;
  std::array<char, kShortLine + kSlack> text_;
  std::size_t at_ = 0;
  bool quoted_ = false;
};

// False, with the point's fields of no use, when the line holds a quoted field.
bool TakeShortCommaDelimitedLine(std::string_view line, PointRecord& point) {
  ShortLine fields(line);
  point.pointNum = Trim(fields.TakeField());
  point.x = fields.TakeNumber();
  point.y = fields.TakeNumber();
  point.elev = fields.TakeNumber();
  point.description = Trim(fields.TakeField());
  point.feature = Trim(fields.TakeField());
  point.rawText = Trim(fields.Rest());
  return !fields.Quoted();
}

void TakeCommaDelimitedFields(std::string_view line, PointRecord& point, UnquotedFields& unquoted) {
  unquoted.taken = false;
  if (line.size() <= kShortLine && TakeShortCommaDelimitedLine(line, point)) {
    return;
  }
  std::string_view rest = line;
  point.pointNum = Trim(TakeField(rest, unquoted.pointNum, unquoted.taken));
  point.x = TakeNumberField(rest, unquoted.number);
  point.y = TakeNumberField(rest, unquoted.number);
  point.elev = TakeNumberField(rest, unquoted.number);
  point.description = Trim(TakeField(rest, unquoted.description, unquoted.taken));
  point.feature = Trim(TakeField(rest, unquoted.feature, unquoted.taken));
  point.rawText = Trim(rest);
}

void TakeGeopakDelimitedFields(std::string_view line, char delimiter, PointRecord& point) {
  point.rawText = line;
  std::string_view rest = line;
  point.pointNum = Trim(TakeUpToComma(rest));
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
    point.description = Trim(rest.substr(descriptionStart + 1));
    rest = rest.substr(0, descriptionStart);
  } else {
    point.description = {};
  }

  const std::size_t featureStart = rest.rfind(',');
  if (featureStart != kNone) {
    point.feature = Trim(rest.substr(featureStart + 1));
    rest = rest.substr(0, featureStart);
  } else {
    point.feature = {};
  }
  point.elev = ReadNumber(rest);
}

class CommaDelimitedReader : public LinePointReader {
 public:
  CommaDelimitedReader(const Detection& detection, ColumnOrder order)
      : LinePointReader(detection, true), order_(order) {}

  std::unique_ptr<PointReader> CopyForChunk() const override {
    return std::make_unique<CommaDelimitedReader>(detection_, order_);
  }

  // The texts of quoted fields lie in the reader's own strings.
  bool ItemTextsLieInText() const override {
    return !unquoted_.taken && LinePointReader::ItemTextsLieInText();
  }

 private:
  void TakeFields(std::string_view line) override {
    TakeCommaDelimitedFields(line, point_, unquoted_);
    if (order_ == ColumnOrder::kNorthingFirst) {
      std::swap(point_.x, point_.y);
    }
  }

  ColumnOrder order_;
  UnquotedFields unquoted_;
};

class GeopakDelimitedReader : public LinePointReader {
 public:
  GeopakDelimitedReader(const Detection& detection, ColumnOrder order)
      : LinePointReader(detection, false), order_(order) {}

  std::unique_ptr<PointReader> CopyForChunk() const override {
    return std::make_unique<GeopakDelimitedReader>(detection_, order_);
  }

 private:
  void TakeFields(std::string_view line) override {
    TakeGeopakDelimitedFields(line, detection_.delimiter, point_);
    if (order_ == ColumnOrder::kNorthingFirst) {
      std::swap(point_.x, point_.y);
    }
  }

  ColumnOrder order_;
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
