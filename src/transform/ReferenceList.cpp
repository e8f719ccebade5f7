// The reference list: one fixed-column line per control point of the reference file, the
// lookup of a point number in it, and the events that load it or fill a control point.
#include "transform/ReferenceList.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "input/PointReading.h"
#include "session/TextColumns.h"
#include "transform/NumberText.h"

namespace velkora {
namespace {

constexpr std::size_t kNumberWidth = 9;
constexpr std::size_t kCoordinateWidth = 13;
constexpr std::size_t kDescriptionLength = 21;

void AppendCoordinateField(std::string& line, double value, std::uint8_t decimals) {
  const std::string text = FormatRounded(value, decimals);
  if (text.size() > kCoordinateWidth) {
    line.push_back(' ');
    line.append(text);
  } else {
    line.append(PadLeft(text, kCoordinateWidth));
  }
}

// The coordinate text that starts at or after `from`: blanks skipped, then through the point
// and its decimals. Sets `from` past it.
std::string_view CoordinateText(std::string_view line, std::size_t& from, std::uint8_t decimals) {
  const std::size_t start = line.find_first_not_of(' ', from);
  const std::size_t point = start == std::string_view::npos ? start : line.find('.', start);
  if (point == std::string_view::npos) {
    from = line.size();
    return start == std::string_view::npos ? std::string_view{} : line.substr(start);
  }
  const std::size_t end = std::min(line.size(), point + 1 + decimals);
  from = end;
  return line.substr(start, end - start);
}

void EmptyControlPoint(MainForm& form, const ControlPointBoxes& boxes) {
  (form.*boxes.number).text.clear();
  (form.*boxes.x).text.clear();
  (form.*boxes.y).text.clear();
  form.*boxes.description = std::string();
}

}  // namespace

const ControlPointBoxes& BoxesOf(ControlRole role) {
  static constexpr std::array<ControlPointBoxes, 4> kBoxes = {{
      {&MainForm::SPPN, &MainForm::SPPX, &MainForm::SPPY, &MainForm::SPPD, "SPPN"},
      {&MainForm::SRPN, &MainForm::SRPX, &MainForm::SRPY, &MainForm::SRPD, "SRPN"},
      {&MainForm::DPPN, &MainForm::DPPX, &MainForm::DPPY, &MainForm::DPPD, "DPPN"},
      {&MainForm::DRPN, &MainForm::DRPX, &MainForm::DRPY, &MainForm::DRPD, "DRPN"},
  }};
  return kBoxes[static_cast<std::size_t>(role)];
}

std::string ReferenceListLine(const PointRecord& point, std::uint8_t decimals) {
  std::string line = PadRight(point.pointNum, kNumberWidth);
  AppendCoordinateField(line, point.x, decimals);
  AppendCoordinateField(line, point.y, decimals);
  line.append("  ");
  line.append(Trim(point.description));
  return line;
}

ReferenceLineFields SplitReferenceLine(std::string_view line, std::uint8_t decimals) {
  ReferenceLineFields fields;
  fields.number = Trim(Left(line, kNumberWidth));
  std::size_t from = kNumberWidth;
  if (from >= line.size()) {
    return fields;
  }
  fields.xText = CoordinateText(line, from, decimals);
  fields.yText = CoordinateText(line, from, decimals);
  fields.description = Left(Trim(line.substr(from)), kDescriptionLength);
  return fields;
}

bool LoadReferenceFile(SessionState& session, MainForm& form, Prompter& prompter) {
  session.curFileName = form.rFileName.text;
  if (!OpenInputFile(session, prompter)) {
    form.rFileName.text.clear();
    return false;
  }
  // No output code matches 100, so no reader copies comment lines anywhere.
  const FileFormat savedOutFormatCode = std::exchange(session.outFormatCode, format::kUnrecognized);
  std::vector<std::string> lines;
  std::int64_t width = kMinReferenceWidth;
  do {
    if (ReadPoint(session)) {
      lines.push_back(ReferenceListLine(session.point, session.controlDecimals));
      width = std::max(width, static_cast<std::int64_t>(lines.back().size()));
    }
  } while (!session.inFile.AtEnd());
  const bool failed = session.inFile.Failed();
  CloseInputFile(session);
  session.outFormatCode = savedOutFormatCode;
  if (failed) {
    // Half a list would offer points that are not all of the file's.
    form.rFileName.text.clear();
    prompter.ShowMessage(FileErrorMessage(kCannotReadReferenceText, session.curFileName));
    return false;
  }
  session.referenceLines = std::move(lines);
  session.referenceWidth = width;
  session.referenceFileName = form.rFileName.text;
  return true;
}

bool FindReferencePoint(SessionState& session, std::string_view number) {
  const std::string_view wanted = Trim(number);
  if (wanted.empty() || wanted.size() > kNumberWidth) {
    return false;
  }
  for (const std::string& line : session.referenceLines) {
    // Cheap first test: a line's number starts at column 1 unless it began with blanks.
    if (!line.empty() && line[0] != wanted[0] && line[0] != ' ') {
      continue;
    }
    if (Trim(Left(line, kNumberWidth)) != wanted) {
      continue;
    }
    const ReferenceLineFields fields = SplitReferenceLine(line, session.controlDecimals);
    session.msgText = line;
    session.point.pointNum = fields.number;
    session.point.x = ReadLeadingNumber(fields.xText);
    session.point.y = ReadLeadingNumber(fields.yText);
    session.point.description = fields.description;
    return true;
  }
  return false;
}

void PointNumberLostFocus(SessionState& session, MainForm& form, ControlRole role) {
  if (Trim(form.rFileName.text).empty()) {
    return;  // without a reference file the boxes are typed freely
  }
  const ControlPointBoxes& boxes = BoxesOf(role);
  if (!FindReferencePoint(session, (form.*boxes.number).text)) {
    // An empty box lets the focus go: holding it there would trap a user who only tabs
    // through the form. A number that is not in the file takes the focus back.
    const bool typed = !Trim((form.*boxes.number).text).empty();
    EmptyControlPoint(form, boxes);
    if (typed) {
      form.focus = boxes.numberName;
    }
    return;
  }
  (form.*boxes.number).text = session.point.pointNum;
  (form.*boxes.x).text = GeneralForm(session.point.x);
  (form.*boxes.y).text = GeneralForm(session.point.y);
  form.*boxes.description = session.point.description;
}

void ReferenceFileLostFocus(SessionState& session, MainForm& form, Prompter& prompter) {
  // Typing the name of the input file handled last must still load it as the reference file.
  if (form.rFileName.text != session.curFileName ||
      form.rFileName.text != session.referenceFileName) {
    LoadReferenceFile(session, form, prompter);
  }
}

void SelectReferenceFile(SessionState& session, MainForm& form, Prompter& prompter) {
  const std::optional<std::string> chosen =
      prompter.AskOpenFileName(kReferenceDialogTitle, form.rFileName.text);
  if (!chosen) {
    return;
  }
  form.rFileName.text = *chosen;
  LoadReferenceFile(session, form, prompter);
}

void DropReferenceFile(SessionState& session, MainForm& form, Prompter& prompter,
                       const std::vector<std::string>& paths) {
  if (paths.empty()) {
    return;
  }
  form.rFileName.text = paths.front();
  LoadReferenceFile(session, form, prompter);
}

}  // namespace velkora
