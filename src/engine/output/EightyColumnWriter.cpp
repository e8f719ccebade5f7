// Writer of "Tavrin 80-Column": one fixed-column line per point, numbers with 3 decimals.
#include "engine/output/EightyColumnWriter.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"
#include "engine/transform/TransformFactors.h"

namespace velkora {
namespace {

constexpr std::uint8_t kEightyColumnDecimals = 3;
constexpr std::size_t kXColumn = 35;
constexpr std::size_t kXWidth = 11;
constexpr std::size_t kYColumn = 46;
constexpr std::size_t kYWidthPlus = 10;  // code 7 lines carry their feature code from column 56
constexpr std::size_t kYWidth = 11;
constexpr std::size_t kKeptYColumn = 56;
constexpr std::size_t kElevationColumn = 58;  // to 65, as the reader takes the elevation
constexpr std::size_t kLastElevationColumn = 65;

// Northings above this no longer fit columns 46-55 and are written unpadded.
constexpr double kLargestPaddedNorthing = 999999.995;
constexpr std::size_t kNumberWidth = 4;
constexpr std::size_t kPaddedYWidth = 10;   // columns 46-55, before two blanks
constexpr std::size_t kElevationWidth = 8;  // columns 58-65, before one blank

// The room of a number field: its width, and a magnitude below which any value fits it, so that
// the text is made only near the limit.
struct NumberRoom {
  std::size_t width;
  double surelyFits;  // below this magnitude there are digits to spare for a sign
};

constexpr NumberRoom RoomOf(std::size_t width) {
  double surelyFits = 1;
  for (std::size_t digits = 5; digits < width; ++digits) {  // sign and ".ddd" take the other 5
    surelyFits *= 10;
  }
  return {width, surelyFits - 1};
}

constexpr NumberRoom kXRoom = RoomOf(kXWidth);
constexpr NumberRoom kPaddedYRoom = RoomOf(kPaddedYWidth);
constexpr NumberRoom kUnpaddedYRoom = RoomOf(kYWidth);
constexpr NumberRoom kElevationRoom = RoomOf(kElevationWidth);

bool Fits(double value, NumberRoom room) {
  return std::fabs(value) < room.surelyFits ||
         FormatRounded(value, kEightyColumnDecimals).size() <= room.width;
}

// Appends value with 3 decimals, then `trailingBlanks` blanks, right-aligned in `width`
// characters: padded with blanks in front, or cut to its last `width` characters.
void AppendRightAligned(std::string& line, double value, std::size_t trailingBlanks,
                        std::size_t width) {
  const std::size_t start = line.size();
  AppendRounded(line, value, kEightyColumnDecimals);
  line.append(trailingBlanks, ' ');
  const std::size_t length = line.size() - start;
  if (length < width) {
    line.insert(start, width - length, ' ');
  } else {
    line.erase(start, length - width);
  }
}

// The Y field of a built line: 12 characters right-aligned with two trailing blanks, or for
// a northing beyond kLargestPaddedNorthing its text and one blank, uncut.
void AppendNorthing(std::string& line, double northing) {
  if (northing <= kLargestPaddedNorthing) {
    AppendRightAligned(line, northing, 2, 12);
  } else {
    AppendRounded(line, northing, kEightyColumnDecimals);
    line += ' ';
  }
}

// Column text of the given width, left-aligned: padded with blanks or cut.
void AppendLeftAligned(std::string& line, std::string_view text, std::size_t width) {
  line.append(Left(text, width));
  line.append(width - std::min(width, text.size()), ' ');
}

// Northings are read from columns 46-56, so a digit in column 56 is the last digit of the
// old northing; kept behind a new one that ends in column 55 it would change its value.
bool IsOldNorthingDigit(char c) {
  return c >= '0' && c <= '9';
}

// The digits after the point of a number's text; at most 6, as many as can be written.
std::uint8_t DecimalsOf(std::string_view number) {
  const std::size_t point = number.find('.');
  if (point == std::string_view::npos) {
    return 0;
  }
  std::uint8_t decimals = 0;
  for (std::size_t i = point + 1; i < number.size() && decimals < 6; ++i) {
    if (number[i] < '0' || number[i] > '9') {
      break;
    }
    ++decimals;
  }
  return decimals;
}

// The elevation of an input line's columns 58-65 shifted by a dZ, with as many decimals as it
// had, and the room it may take: up to where the old text ended, counted from column 58.
struct ShiftedElevation {
  std::string text;
  std::size_t oldWidth = 0;
  std::size_t end = 0;
};

// None when the columns read 0: no elevation, which a shift leaves as it is.
std::optional<ShiftedElevation> ShiftedElevationOf(std::string_view line, double deltaZ) {
  const std::string_view field = Columns(line, kElevationColumn, kLastElevationColumn);
  const double elevation = ReadNumber(field);
  if (elevation == 0) {
    return std::nullopt;
  }
  const std::size_t first = field.find_first_not_of(' ');
  const std::size_t last = field.find_last_not_of(' ');
  const std::string_view old = field.substr(first, last - first + 1);
  ShiftedElevation shifted{{}, old.size(), last + 1};
  AppendRounded(shifted.text, ShiftElevation(elevation, deltaZ), DecimalsOf(old));
  return shifted;
}

class EightyColumnWriter : public PointWriter {
 public:
  using PointWriter::PointWriter;

  void Write(const PointRecord& point, InputLayout source, TextBuffer& out) override {
    line_.clear();
    if (IsEightyColumn(source)) {
      RewriteInputLine(point, source);
    } else {
      BuildLine(point, line_);
    }
    line_ += kLineEnd;
    out.Append(line_);
  }

  bool KeepsCommentsOf(InputLayout source) const override { return IsEightyColumn(source); }

  // Cutting a number or a point number would write another value without a word: such a point
  // ends the run instead. The description and the feature code are cut to their columns, as
  // the layout prescribes.
  std::string_view FieldTooWide(const PointRecord& point, InputLayout source) const override {
    const bool built = !IsEightyColumn(source);
    if (built && point.pointNum.size() > kNumberWidth) {
      return "Tavrin 80-Column (Point Number Longer Than Columns 1-4)";
    }
    if (!Fits(point.newX, kXRoom)) {
      return "Tavrin 80-Column (X Wider Than Columns 35-45)";
    }
    if (source == InputLayout::kEightyColumnPlus || point.newY <= kLargestPaddedNorthing) {
      if (!Fits(point.newY, kPaddedYRoom)) {
        return "Tavrin 80-Column (Y Wider Than Columns 46-55)";
      }
    } else if (!Fits(point.newY, kUnpaddedYRoom)) {
      return "Tavrin 80-Column (Y Wider Than Columns 46-56)";
    }
    if (built ? !IsElevationSuppressed(point) && !Fits(point.elev, kElevationRoom)
              : !ShiftedElevationFits(point.rawText)) {
      return "Tavrin 80-Column (Elevation Wider Than Columns 58-65)";
    }
    return {};
  }

 private:
  // A kept line changes its elevation only under a dZ, within the columns its text had.
  bool ShiftedElevationFits(std::string_view line) const {
    if (settings_.deltaZ == 0) {
      return true;
    }
    const std::optional<ShiftedElevation> shifted = ShiftedElevationOf(line, settings_.deltaZ);
    return !shifted || shifted->text.size() <= shifted->end;
  }

  void BuildLine(const PointRecord& point, std::string& line) const {
    const std::string_view name = point.pointNum;
    if (name.size() < 4) {
      line.append(std::min<std::size_t>(3, 4 - name.size()), '0');
    }
    line.append(Right(name, 4));
    AppendLeftAligned(line, point.description, 30);
    AppendRightAligned(line, point.newX, 0, kXWidth);
    AppendNorthing(line, point.newY);
    if (IsElevationSuppressed(point)) {
      line.append(9, ' ');
    } else {
      AppendRightAligned(line, point.elev, 1, 9);
    }
    AppendLeftAligned(line, point.feature, 3);
    line += "       XXXX";
  }

  // The input line with new X and Y. A plus line keeps everything from column 56 on; a plain
  // line keeps column 56 unless a seven-digit northing needs it or it holds the end of the old
  // northing.
  void RewriteInputLine(const PointRecord& point, InputLayout source) {
    line_.assign(point.rawText);
    field_.clear();
    AppendRightAligned(field_, point.newX, 0, kXWidth);
    OverwriteColumns(line_, kXColumn, field_);
    field_.clear();
    if (source == InputLayout::kEightyColumnPlus) {
      AppendRightAligned(field_, point.newY, 0, kYWidthPlus);
    } else {
      AppendNorthing(field_, point.newY);
      field_.resize(kYWidth);
      const char kept = CharAt(line_, kKeptYColumn);
      if (field_.back() == ' ' && !IsOldNorthingDigit(kept)) {
        field_.back() = kept;
      }
    }
    OverwriteColumns(line_, kYColumn, field_);
    if (settings_.deltaZ != 0) {
      ShiftElevationText();
    }
  }

  // The elevation text of columns 58-65 replaced by the shifted elevation with as many
  // decimals, ending in the same column; it takes more columns to the left only when it needs
  // them, up to column 58, so that a plus line's feature code in columns 56-59 stays. A text
  // reading 0 is no elevation and stays as it was.
  void ShiftElevationText() {
    const std::optional<ShiftedElevation> shifted = ShiftedElevationOf(line_, settings_.deltaZ);
    if (!shifted) {
      return;
    }
    const std::size_t width = std::clamp(shifted->text.size(), shifted->oldWidth, shifted->end);
    OverwriteColumns(line_, kElevationColumn + shifted->end - width, PadLeft(shifted->text, width));
  }

  std::string line_;
  std::string field_;
};

}  // namespace

std::unique_ptr<PointWriter> MakeEightyColumnWriter(const OutputSettings& settings) {
  return std::make_unique<EightyColumnWriter>(settings);
}

}  // namespace velkora
