// Builds the conversion summary text, 80 columns wide, for a fixed-pitch font.
#include "engine/report/SummaryText.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string_view>

#include "engine/points/Decimals.h"
#include "engine/text/AngleText.h"
#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

constexpr std::size_t kReportWidth = 80;
// A description no longer than this starts a line of its own when it does not fit after
// the T.H. and S.P. items.
constexpr std::size_t kDescriptionRoom = 75;
// From this length of datum line plus vertical datum on, the short label is used.
constexpr std::size_t kShortVerticalLabelFrom = 64;
constexpr std::size_t kCoordinateWidth = 13;
constexpr std::size_t kPointNumberWidth = 9;
constexpr std::size_t kDescriptionWidth = 21;
// Jan 1, 1000 to Dec 31, 9999 (UTC): a reproducible date keeps a four-digit year.
constexpr std::int64_t kFirstEpochSecond = -30610224000;
constexpr std::int64_t kLastEpochSecond = 253402300799;

void AppendLine(std::string& report, std::string_view line) {
  report.append(line);
  report.append("\r\n");
}

std::string DateText(std::chrono::year_month_day date) {
  static constexpr std::array<std::string_view, 12> kMonths = {
      "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::string text(kMonths[static_cast<unsigned>(date.month()) - 1]);
  text += ' ';
  text += std::to_string(static_cast<unsigned>(date.day()));
  text += ", ";
  text += std::to_string(static_cast<int>(date.year()));
  return text;
}

std::optional<std::int64_t> SourceDateEpoch() {
  const char* value = std::getenv("SOURCE_DATE_EPOCH");
  if (value == nullptr) {
    return std::nullopt;
  }
  const std::string_view text(value);
  std::int64_t seconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (error != std::errc() || end != text.data() + text.size() || text.empty() ||
      seconds < kFirstEpochSecond || seconds > kLastEpochSecond) {
    return std::nullopt;
  }
  return seconds;
}

// Word-wraps the header line at 80 columns; continuation lines are indented by two blanks,
// and a word too long for a line is cut hard after column 80. The rest is a view into the
// line, so a very long description costs no copy per emitted line.
void AppendWrapped(std::string& report, std::string_view line) {
  std::string_view indent;
  std::string_view rest = line;
  while (!rest.empty()) {
    const std::size_t room = kReportWidth - indent.size();
    report.append(indent);
    if (rest.size() <= room) {
      AppendLine(report, rest);
      return;
    }
    const std::size_t blank = Left(rest, room).find_last_of(' ');
    if (blank != std::string_view::npos) {
      AppendLine(report, Left(rest, blank));
      rest = Trim(rest.substr(blank + 1));
    } else {
      AppendLine(report, Left(rest, room));
      rest = Trim(rest.substr(room));
    }
    indent = "  ";
  }
}

void AppendHeaderBlock(std::string& report, const HeaderInfo& hdr) {
  std::string line;
  if (!hdr.THNumber.empty()) {
    line = "T.H.:" + hdr.THNumber + "   ";
  }
  if (!hdr.SPNumber.empty()) {
    line += "S.P.:" + hdr.SPNumber + "   ";
  }
  if (!hdr.Comments.empty()) {
    if (!line.empty() && line.size() + hdr.Comments.size() > kDescriptionRoom &&
        hdr.Comments.size() <= kDescriptionRoom) {
      AppendLine(report, line);
      line.clear();
    }
    line += "Desc:" + hdr.Comments;
  }
  AppendWrapped(report, line);
}

// Not wrapped: the vertical datum ends in column 80 when there is room, else follows directly.
void AppendDatumLine(std::string& report, const HeaderInfo& hdr) {
  std::string line;
  if (!hdr.HorDatum.empty()) {
    line = "Horizontal Datum:" + hdr.HorDatum;
    if (!hdr.CoordSys.empty()) {
      line += ' ' + hdr.CoordSys;
    }
  } else if (!hdr.CoordSys.empty()) {
    line = "Coordinate System:" + hdr.CoordSys;
  }
  if (!hdr.VerDatum.empty()) {
    const bool shortLabel = line.size() + hdr.VerDatum.size() >= kShortVerticalLabelFrom;
    const std::string item = (shortLabel ? "Vertical:" : "Vertical Datum:") + hdr.VerDatum;
    if (!line.empty() && line.size() + item.size() < kReportWidth) {
      line.append(kReportWidth - line.size() - item.size(), ' ');
    }
    line += item;
  }
  if (!line.empty()) {
    AppendLine(report, line);
  }
}

// A box that is blank or holds no number shows blank columns: the run goes on without it.
std::string CoordinateField(std::string_view boxText, std::uint8_t decimals) {
  const std::optional<double> value =
      Trim(boxText).empty() ? std::nullopt : ReadStrictNumber(boxText);
  if (!value || !std::isfinite(*value)) {
    return std::string(kCoordinateWidth, ' ');
  }
  return PadLeft(FormatRounded(*value, decimals), kCoordinateWidth);
}

bool HasAnyEntry(const ControlPointText& row) {
  return !Trim(row.number).empty() || !Trim(row.x).empty() || !Trim(row.y).empty();
}

void AppendControlRow(std::string& report, std::string_view label, const ControlPointText& row) {
  std::string line(label);
  line += PadRight(row.number, kPointNumberWidth);
  line += CoordinateField(row.x, kControlDecimals);
  line += CoordinateField(row.y, kControlDecimals);
  line += "  ";
  line += Left(row.description, kDescriptionWidth);
  AppendLine(report, line);
}

void AppendControlTable(std::string& report, const ControlPointTexts& rows) {
  static constexpr std::array<std::string_view, 4> kLabels = {
      "  Source Pivot Point  ", "  Source Angle Point  ", "  Target Pivot Point  ",
      "  Target Angle Point  "};
  AppendLine(report, "");
  AppendLine(report, " Coordinate Control   Point Num    X-Coord      Y-Coord         Description");
  AppendLine(report,
             "--------------------  ---------  -----------  -----------  ---------------------");
  AppendControlRow(report, kLabels[0], rows[0]);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    if (HasAnyEntry(rows[i])) {
      AppendControlRow(report, kLabels[i], rows[i]);
    }
  }
}

std::string SignedAmount(double amount, std::uint8_t decimals) {
  return (amount < 0 ? "- " : "+ ") + FormatRounded(std::fabs(amount), decimals);
}

void AppendCalculationBlock(std::string& report, const TransformFactors& factors) {
  AppendLine(report, "");
  AppendLine(report, "Target Coordinate Calculations");
  AppendLine(report, "------------------------------");
  if (factors.doTranslate) {
    AppendLine(report, "  X Coordinate = Source X Coord.  " +
                           SignedAmount(factors.deltaX, kControlDecimals));
    AppendLine(report, "  Y Coordinate = Source Y Coord.  " +
                           SignedAmount(factors.deltaY, kControlDecimals));
  }
  if (factors.deltaZ != 0) {
    AppendLine(report, "  Z Coordinate = Source Z Coord.  " +
                           SignedAmount(factors.deltaZ, kControlDecimals));
  }
  if (factors.doRotate) {
    AppendLine(report, "  Rotate Angle = Source Direction " + ReportAngle(factors.rotationAngle));
  }
  if (factors.doScale) {
    AppendLine(report, "  Scale Factor = Source Distance  * " + GeneralForm(factors.scaleFactor));
  }
  if (!factors.doTranslate && !factors.doRotate && !factors.doScale && factors.deltaZ == 0) {
    AppendLine(report, "  Layout only: no shift, rotation or scale");
  }
}

// A list's heading with the delimited column order ending in column 80, when one is stated.
void AppendListHeading(std::string& report, std::string_view heading,
                       const std::optional<ColumnOrder>& order) {
  std::string line(heading);
  if (order) {
    const std::string item = "Delimited Columns: " + std::string(ColumnOrderName(*order));
    line.append(kReportWidth - line.size() - item.size(), ' ');
    line += item;
  }
  AppendLine(report, line);
  AppendLine(report, std::string(heading.size(), '-'));
}

// The line of one file: the path, broken after a folder separator when it is too long, and
// the point count ending in column 80, after the order its header line named.
void AppendFileLine(std::string& report, const FilePointCount& file) {
  std::string countText = "  ";
  if (file.headerOrder) {
    countText += "Header: " + std::string(ColumnOrderName(*file.headerOrder)) + "   ";
  }
  if (file.points != 0) {
    countText += std::to_string(file.points);
  }
  countText += " Points";

  std::string indent = "  ";
  std::string rest = file.path;
  while (indent.size() + rest.size() + countText.size() > kReportWidth) {
    const std::string candidate = indent + rest;
    if (candidate.size() <= kReportWidth) {
      AppendLine(report, candidate);
      rest.clear();
      continue;
    }
    const std::size_t separator = Left(candidate, kReportWidth).find_last_of("\\/");
    const std::size_t cut = separator == std::string_view::npos ? kReportWidth : separator + 1;
    AppendLine(report, Left(candidate, cut));
    rest = candidate.substr(cut);
    indent = "    ";
  }
  std::string line = indent + rest;
  line.append(kReportWidth - line.size() - countText.size(), ' ');
  line += countText;
  AppendLine(report, line);
}

bool HasHeader(const HeaderInfo& hdr) {
  return !hdr.THNumber.empty() || !hdr.SPNumber.empty() || !hdr.Comments.empty() ||
         !hdr.HorDatum.empty() || !hdr.VerDatum.empty() || !hdr.CoordSys.empty();
}

}  // namespace

std::string ReportDate() {
  using namespace std::chrono;
  if (const std::optional<std::int64_t> epoch = SourceDateEpoch()) {
    return DateText(year_month_day{floor<days>(sys_seconds{seconds{*epoch}})});
  }
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  if (local == nullptr) {
    return DateText(year_month_day{floor<days>(system_clock::now())});
  }
  return DateText(year_month_day{year{local->tm_year + 1900},
                                 month{static_cast<unsigned>(local->tm_mon + 1)},
                                 day{static_cast<unsigned>(local->tm_mday)}});
}

std::string SummaryText(const RunSummary& run) {
  std::string report;
  AppendLine(report,
             "Velkora Program          Coordinate Conversion Summary" + PadLeft(run.date, 26));
  if (HasHeader(run.header)) {
    AppendLine(report, "");
  }
  AppendHeaderBlock(report, run.header);
  AppendDatumLine(report, run.header);
  if (run.factors.hasPivot) {
    AppendControlTable(report, run.controlPoints);
  }
  AppendCalculationBlock(report, run.factors);
  report += run.projectionBlock;
  report += run.fitTable;
  AppendLine(report, "");
  AppendListHeading(report, "Input File List", run.inputOrder);
  for (const FilePointCount& input : run.inputs) {
    AppendFileLine(report, input);
  }
  AppendLine(report, "");
  AppendListHeading(report, "Output File", run.outputOrder);
  AppendFileLine(report, run.output);
  return report;
}

void AppendRun(std::string& reportText, const RunSummary& run) {
  if (!reportText.empty()) {
    reportText += '\f';
  }
  reportText += SummaryText(run);
}

}  // namespace velkora
