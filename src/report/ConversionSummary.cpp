// Builds the conversion summary text, 80 columns wide, for a fixed-pitch font.
#include "report/ConversionSummary.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string_view>

#include "session/TextColumns.h"
#include "transform/NumberText.h"

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

struct ControlRow {
  std::string_view label;
  const Control& number;
  const Control& x;
  const Control& y;
  const std::string& description;
};

bool HasAnyEntry(const ControlRow& row) {
  return !Trim(row.number.text).empty() || !Trim(row.x.text).empty() || !Trim(row.y.text).empty();
}

void AppendControlRow(std::string& report, const ControlRow& row, std::uint8_t decimals) {
  std::string line(row.label);
  line += PadRight(row.number.text, kPointNumberWidth);
  line += CoordinateField(row.x.text, decimals);
  line += CoordinateField(row.y.text, decimals);
  line += "  ";
  line += Left(row.description, kDescriptionWidth);
  AppendLine(report, line);
}

void AppendControlTable(std::string& report, const MainForm& form, std::uint8_t decimals) {
  AppendLine(report, "");
  AppendLine(report, " Coordinate Control   Point Num    X-Coord      Y-Coord         Description");
  AppendLine(report,
             "--------------------  ---------  -----------  -----------  ---------------------");
  const std::array<ControlRow, 4> rows = {{
      {"  Source Pivot Point  ", form.SPPN, form.SPPX, form.SPPY, form.SPPD},
      {"  Source Angle Point  ", form.SRPN, form.SRPX, form.SRPY, form.SRPD},
      {"  Target Pivot Point  ", form.DPPN, form.DPPX, form.DPPY, form.DPPD},
      {"  Target Angle Point  ", form.DRPN, form.DRPX, form.DRPY, form.DRPD},
  }};
  AppendControlRow(report, rows[0], decimals);
  for (std::size_t i = 1; i < rows.size(); ++i) {
    if (HasAnyEntry(rows[i])) {
      AppendControlRow(report, rows[i], decimals);
    }
  }
}

std::string SignedAmount(double amount, std::uint8_t decimals) {
  return (amount < 0 ? "- " : "+ ") + FormatRounded(std::fabs(amount), decimals);
}

void AppendCalculationBlock(SessionState& session) {
  std::string& report = session.reportText;
  AppendLine(report, "");
  AppendLine(report, "Target Coordinate Calculations");
  AppendLine(report, "------------------------------");
  if (session.doTranslate) {
    AppendLine(report, "  X Coordinate = Source X Coord.  " +
                           SignedAmount(session.deltaX, session.controlDecimals));
    AppendLine(report, "  Y Coordinate = Source Y Coord.  " +
                           SignedAmount(session.deltaY, session.controlDecimals));
  }
  if (session.doRotate) {
    const std::string display = FormatAngle(session, session.rotationAngle);
    std::string line = "  Rotate Angle = Source Direction ";
    line += Left(display, 1);
    line += ' ';
    line += GeneralForm(std::fabs(ReadNumber(session.dmsDegrees)));
    line += '^';
    line += Right("0" + session.dmsMinutes, 2);
    line += '\'';
    line += Right("0" + session.dmsSeconds, 5);
    line += '"';
    AppendLine(report, line);
  }
  if (session.doScale) {
    AppendLine(report, "  Scale Factor = Source Distance  * " +
                           FormatRounded(session.scaleFactor, kGeneralForm));
  }
}

// The fit's residual table describes the run only while the run uses the fitted factors: the
// boxes unchanged since "Use These Factors" and neither rotation nor scaling switched off.
bool FitStillInBoxes(const FittedFactors& fitted, const MainForm& form) {
  return !fitted.residualTable.empty() && form.SPPX.text == fitted.sourcePivotX &&
         form.SPPY.text == fitted.sourcePivotY && form.txtDX.text == fitted.dx &&
         form.txtDY.text == fitted.dy && form.txtDR.text == fitted.angle &&
         form.txtDS.text == fitted.scale && form.ignoreDR.checked == 0 &&
         form.ignoreDS.checked == 0;
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

void AppendRunSummary(SessionState& session, const MainForm& form) {
  std::string& report = session.reportText;
  if (!report.empty()) {
    report += '\f';
  }
  AppendLine(report,
             "Velkora Program          Coordinate Conversion Summary" + PadLeft(ReportDate(), 26));
  if (HasHeader(session.hdr)) {
    AppendLine(report, "");
  }
  AppendHeaderBlock(report, session.hdr);
  AppendDatumLine(report, session.hdr);
  if (session.hasPivot) {
    AppendControlTable(report, form, session.controlDecimals);
  }
  AppendCalculationBlock(session);
  if (FitStillInBoxes(session.fittedFactors, form)) {
    report += session.fittedFactors.residualTable;
  }
  AppendLine(report, "");
  AppendLine(report, "Input File List");
  AppendLine(report, "---------------");
}

void AppendFileLine(SessionState& session, const std::string& path, std::int64_t count) {
  std::string countText = "  ";
  if (count != 0) {
    countText += std::to_string(count);
  }
  countText += " Points";

  std::string indent = "  ";
  std::string rest = path;
  while (indent.size() + rest.size() + countText.size() > kReportWidth) {
    const std::string candidate = indent + rest;
    if (candidate.size() <= kReportWidth) {
      AppendLine(session.reportText, candidate);
      rest.clear();
      continue;
    }
    const std::size_t separator = Left(candidate, kReportWidth).find_last_of("\\/");
    const std::size_t cut = separator == std::string_view::npos ? kReportWidth : separator + 1;
    AppendLine(session.reportText, Left(candidate, cut));
    rest = candidate.substr(cut);
    indent = "    ";
  }
  std::string line = indent + rest;
  line.append(kReportWidth - line.size() - countText.size(), ' ');
  line += countText;
  AppendLine(session.reportText, line);
}

}  // namespace velkora
