// Runs the rows of tests/cases/functions/*.txt: a function's name, its arguments as text and
// the text it must give, one row each. Numbers are written as the shortest text that reads
// back to the same double, so a row pins a result to the last bit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/ControlPointPick.h"
#include "app/FactorCommands.h"
#include "app/FitPicture.h"
#include "app/InputFileList.h"
#include "app/Startup.h"
#include "engine/input/FormatDetection.h"
#include "engine/points/Decimals.h"
#include "engine/report/ReportPrinting.h"
#include "engine/report/ReportText.h"
#include "engine/report/SummaryText.h"
#include "engine/settings/HeaderDefaults.h"
#include "engine/settings/SettingsLocation.h"
#include "engine/text/AngleText.h"
#include "engine/text/NumberText.h"
#include "engine/transform/ControlFit.h"
#include "engine/transform/ReferenceList.h"
#include "engine/transform/TransformFactors.h"
#include "support/CaseText.h"
#include "support/Files.h"
#include "support/ValueText.h"

namespace velkora::testing {
namespace {

using Args = std::vector<std::string>;

double Number(const std::string& text) {
  return std::strtod(text.c_str(), nullptr);
}

std::string ShortestOrNone(std::optional<double> value) {
  return value ? ShortestText(*value) : "none";
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    text += (i == 0 ? "" : "|") + parts[i];
  }
  return text;
}

// Degrees to ten decimals: enough to tell every angle text apart, free of the last bit.
std::string Degrees(double radians) {
  return GeneralForm(std::round(radians * RadiansToDegrees * 1e10) / 1e10);
}

// The date with SOURCE_DATE_EPOCH set to the text ("unset" removes it); "today" for today's.
std::string ReportDateFor(const std::string& epoch) {
  unsetenv("SOURCE_DATE_EPOCH");
  const std::string today = ReportDate();
  if (epoch != "unset") {
    setenv("SOURCE_DATE_EPOCH", epoch.c_str(), 1);
  }
  const std::string date = ReportDate();
  unsetenv("SOURCE_DATE_EPOCH");
  return date == today ? "today" : date;
}

// The printer's calls, "<begin>", "<page>" and "<end>" among the lines, joined by "|".
class RecordingPrinter : public ReportPrinter {
 public:
  void BeginDocument() override { calls.push_back("<begin>"); }
  void PrintLine(std::string_view line) override { calls.emplace_back(line); }
  void NewPage() override { calls.push_back("<page>"); }
  void EndDocument() override { calls.push_back("<end>"); }

  std::vector<std::string> calls;
};

std::string Printed(const std::string& report, int copies) {
  RecordingPrinter printer;
  PrintReport(report, copies, printer);
  return Joined(printer.calls);
}

std::string HeaderText(const HeaderInfo& h) {
  return Joined({h.THNumber, h.SPNumber, h.HorDatum, h.VerDatum, h.CoordSys, h.Comments});
}

// The header read from a file of these bytes ("missing": no file at all).
std::string HeaderRead(const std::string& bytes) {
  const ScratchFolder folder;
  if (bytes != "missing") {
    WriteWhole(folder / "Velkora.ini", bytes);
  }
  return HeaderText(ReadHeaderDefaults((folder / "Velkora.ini").string()));
}

// The bytes written for the six fields, and what reading them back gives; or the error for
// a file at `name` that cannot be written, with nothing left in the folder.
std::string HeaderWritten(const Args& fields, const std::string& name) {
  const ScratchFolder folder;
  std::filesystem::create_directory(folder / "taken");
  std::string error;
  const std::string path = (folder / name).string();
  if (!WriteHeaderDefaults(path, {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]},
                           error)) {
    const auto left = std::distance(std::filesystem::directory_iterator(folder.Path()), {});
    return error + (left == 1 ? "" : " and files were left");
  }
  return ReadWhole(path) + "|" + HeaderRead(ReadWhole(path));
}

// The fit of the pairs source pivot onto destination pivot and source reference onto
// destination reference, as its four box texts.
std::string FitTexts(const Args& a) {
  const FitOutcome outcome =
      FitControlPairs({{"", "", Number(a[0]), Number(a[1]), Number(a[4]), Number(a[5])},
                       {"", "", Number(a[2]), Number(a[3]), Number(a[6]), Number(a[7])}});
  if (!outcome.fit) {
    return outcome.error;
  }
  const ControlFit& fit = *outcome.fit;
  return Joined({fit.texts.dx, fit.texts.dy, fit.texts.angle, fit.texts.scale});
}

// The fit picture of pairs "SOURCE:DESTINATION:SX:SY:DX:DY" on 500 by 500 pixels: each pair's
// label (and "*" when flagged), the residuals' magnification and the two bars' captions.
std::string FitPictureOf(const Args& a) {
  std::vector<ControlPair> pairs;
  for (const std::string& token : a) {
    std::vector<std::string> f;
    for (std::size_t at = 0, end = 0; end != std::string::npos; at = end + 1) {
      end = token.find(':', at);
      f.push_back(token.substr(at, end - at));
    }
    pairs.push_back({f[0], f[1], Number(f[2]), Number(f[3]), Number(f[4]), Number(f[5])});
  }
  const FitPictureLayout layout =
      LayOutFitPicture(pairs, *FitControlPairs(pairs).fit, 500, 500, 50, 100);
  std::string labels;
  for (const PictureControlPair& pair : layout.pairs) {
    labels += pair.label + (pair.flagged ? "* " : " ");
  }
  return labels + "x" + GeneralForm(layout.magnification) + " " + layout.groundBar.caption + " " +
         layout.residualBar.caption;
}

std::string CalculatedTexts(const Args& a) {
  const FactorTexts f = CalculateFactors(
      {{{"", a[0], a[1], ""}, {"", a[2], a[3], ""}, {"", a[4], a[5], ""}, {"", a[6], a[7], ""}}});
  return Joined({f.dx, f.dy, f.angle, f.scale});
}

std::string ReadNumberBeforeComma(const std::string& text) {
  std::size_t length = 0;
  const std::optional<double> value = ReadNumberBefore(text, ',', length);
  if (!value) {
    return "none";
  }
  const bool agrees =
      ShortestText(*value) == ShortestText(ReadNumber(text.substr(0, text.find(','))));
  return agrees ? std::to_string(length) : "disagrees with ReadNumber";
}

const std::map<std::string, std::function<std::string(const Args&)>>& Functions() {
  static const std::map<std::string, std::function<std::string(const Args&)>> kFunctions = {
      {"GeneralForm", [](const Args& a) { return GeneralForm(Number(a[0])); }},
      {"FormatRounded",
       [](const Args& a) {
         return FormatRounded(Number(a[0]), static_cast<std::uint8_t>(std::stoi(a[1])));
       }},
      {"ReadNumber", [](const Args& a) { return ShortestText(ReadNumber(a[0])); }},
      {"TryReadNumber", [](const Args& a) { return ShortestOrNone(TryReadNumber(a[0])); }},
      {"ReadStrictNumber", [](const Args& a) { return ShortestOrNone(ReadStrictNumber(a[0])); }},
      {"ReadNumberBefore", [](const Args& a) { return ReadNumberBeforeComma(a[0]); }},
      {"ParseAngle",
       [](const Args& a) {
         const std::optional<double> angle = ParseAngle(a[0]);
         return angle ? Degrees(*angle) : "none";
       }},
      {"FormatAngle",
       [](const Args& a) {
         const AngleText text = FormatAngle(ParseAngle(a[0]).value_or(NAN));
         return Joined({text.display, text.degrees, text.minutes, text.seconds});
       }},
      {"ClassifyFirstLine", [](const Args& a) { return LayoutText(ClassifyFirstLine(a[0])); }},
      {"Inverse",
       [](const Args& a) {
         const Bearing b = Inverse(Number(a[0]), Number(a[1]), Number(a[2]), Number(a[3]));
         return ShortestText(b.direction) + "|" + ShortestText(b.distance);
       }},
      {"Calculate", CalculatedTexts},
      {"FitTexts", FitTexts},
      {"FitAsCalculate",
       [](const Args& a) {
         const std::string fit = FitTexts(a), calculated = CalculatedTexts(a);
         return fit == calculated ? "same" : "fit " + fit + " but Calculate " + calculated;
       }},
      {"ReferenceListLine",
       [](const Args& a) {
         PointRecord point{a[0], Number(a[1]), Number(a[2]), 0, "", a[3], "", 0, 0};
         return ReferenceListLine(point, kControlDecimals);
       }},
      {"SplitReferenceLine",
       [](const Args& a) {
         const ReferenceLineFields f = SplitReferenceLine(a[0], kControlDecimals);
         return Joined({std::string(f.number), std::string(f.xText), std::string(f.yText),
                        std::string(f.description)});
       }},
      {"PointFromBrowserLine",
       [](const Args& a) {
         const ListedPoint p = PointFromBrowserLine(a[0]);
         return Joined({p.number, ShortestText(p.x), ShortestText(p.y), p.description});
       }},
      {"ReportBanner", [](const Args& a) { return ReportBanner(std::stoll(a[0])); }},
      {"ReportWindowCaption", [](const Args& a) { return ReportWindowCaption(std::stoll(a[0])); }},
      {"CountReportRuns", [](const Args& a) { return std::to_string(CountReportRuns(a[0])); }},
      {"ReportWindowText", [](const Args& a) { return ReportWindowText(a[0]); }},
      {"ReportDate", [](const Args& a) { return ReportDateFor(a[0]); }},
      {"ReadHeaderDefaults", [](const Args& a) { return HeaderRead(a[0]); }},
      {"WriteHeaderDefaults", [](const Args& a) { return HeaderWritten(a, a[6]); }},
      {"PrintReport", [](const Args& a) { return Printed(a[0], std::stoi(a[1])); }},
      {"SplitCommandLine", [](const Args& a) { return Joined(SplitCommandLine(a[0])); }},
      {"PathInFolder", [](const Args& a) { return PathInFolder(a[0], a[1]); }},
      {"HeaderDefaultsPath",
       [](const Args& a) {
         return HeaderDefaultsPath(a[0], UserFolders{a[1], a[2]});
       }},
      {"ProposedReportFileName", [](const Args& a) { return ProposedReportFileName(a[0], a[1]); }},
      {"RoundLengthBelow",
       [](const Args& a) { return ShortestText(RoundLengthBelow(Number(a[0]))); }},
      {"MakeScaleBar",
       [](const Args& a) {
         const ScaleBar bar = MakeScaleBar(Number(a[0]), Number(a[1]));
         return Joined({GeneralForm(bar.length), GeneralForm(bar.pixels), bar.caption});
       }},
      {"FitPicture", FitPictureOf},
      {"ResidualMagnification",
       [](const Args& a) {
         return GeneralForm(ResidualMagnification(Number(a[0]), Number(a[1]), Number(a[2])));
       }},
  };
  return kFunctions;
}

std::vector<std::string> TableNames() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(VELKORA_CASES_DIR "/functions")) {
    names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// One test per table file; a failure names the row's line.
class FunctionTable : public ::testing::TestWithParam<std::string> {};

TEST_P(FunctionTable, EveryRowGivesItsText) {
  for (const Row& row : ReadTable(VELKORA_CASES_DIR "/functions/" + GetParam() + ".txt")) {
    const auto function = Functions().find(row.tokens.front());
    if (function == Functions().end() || row.tokens.size() < 2) {
      ADD_FAILURE() << row.where << ": no function " << row.tokens.front();
      continue;
    }
    const Args args(row.tokens.begin() + 1, row.tokens.end() - 1);
    EXPECT_EQ(function->second(args), row.tokens.back()) << row.where;
  }
}

INSTANTIATE_TEST_SUITE_P(Tables, FunctionTable, ::testing::ValuesIn(TableNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return TestName(info.param);
                         });

}  // namespace
}  // namespace velkora::testing
