// Control points from the command line: "X,Y" pairs, or point numbers of a reference file.
#include "cli/ControlPointOptions.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "transform/ReferenceList.h"

namespace velkora::cli {

namespace {

struct ControlPointOption {
  ControlRole role;
  std::string_view option;
  std::string_view caption;
};

// In the order of --points.
constexpr std::array<ControlPointOption, 4> kControlPoints = {{
    {ControlRole::kSourcePivot, "source-pivot", "source pivot"},
    {ControlRole::kSourceReference, "source-ref", "source reference point"},
    {ControlRole::kDestinationPivot, "dest-pivot", "destination pivot"},
    {ControlRole::kDestinationReference, "dest-ref", "destination reference point"},
}};

// The texts between the commas of `text`, which must hold exactly `count` of them.
std::optional<std::vector<std::string>> SplitAtCommas(std::string_view text, std::size_t count) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    parts.emplace_back(text.substr(start, comma - start));
    if (comma == std::string_view::npos) {
      break;
    }
    start = comma + 1;
  }
  if (parts.size() != count) {
    return std::nullopt;
  }
  return parts;
}

bool AnyCoordinateOption(const CliArguments& parsed) {
  for (const ControlPointOption& point : kControlPoints) {
    if (parsed.Value(point.option)) {
      return true;
    }
  }
  return false;
}

std::optional<int> TypeCoordinates(const CliArguments& parsed, MainForm& form) {
  for (const ControlPointOption& point : kControlPoints) {
    const std::optional<std::string> text = parsed.Value(point.option);
    if (!text) {
      continue;
    }
    const std::optional<std::vector<std::string>> xy = SplitAtCommas(*text, 2);
    if (!xy) {
      return ReportUsageError("--" + std::string(point.option) + " needs X,Y, not '" + *text + "'");
    }
    const ControlPointBoxes& boxes = BoxesOf(point.role);
    (form.*boxes.x).text = (*xy)[0];
    (form.*boxes.y).text = (*xy)[1];
  }
  return std::nullopt;
}

// The one line that says why the reference file gave no list; a read error has already been
// shown by the loader.
void ReportUnloadedReference(const SessionState& session, const std::string& path) {
  if (session.inFormat == format::kCannotOpen) {
    std::fprintf(stderr, "velkora-cli: cannot open reference file %s\n", path.c_str());
  } else if (session.inFormat == format::kUnrecognized) {
    std::fprintf(stderr, "velkora-cli: reference file %s is not a coordinate file\n", path.c_str());
  }
}

std::optional<int> LookUpPointNumbers(const std::string& referencePath,
                                      const std::string& numbersText, SessionState& session,
                                      MainForm& form, Prompter& prompter) {
  const std::optional<std::vector<std::string>> numbers = SplitAtCommas(numbersText, 4);
  if (!numbers) {
    return ReportUsageError("--points needs four numbers SP,SR,DP,DR, not '" + numbersText + "'");
  }
  form.rFileName.text = referencePath;
  if (!LoadReferenceFile(session, form, prompter)) {
    ReportUnloadedReference(session, referencePath);
    return 1;
  }
  for (std::size_t i = 0; i < kControlPoints.size(); ++i) {
    const std::string& number = (*numbers)[i];
    if (number.empty()) {
      continue;
    }
    const ControlPointBoxes& boxes = BoxesOf(kControlPoints[i].role);
    (form.*boxes.number).text = number;
    PointNumberLostFocus(session, form, kControlPoints[i].role);
    if ((form.*boxes.number).text.empty()) {
      std::fprintf(stderr, "velkora-cli: point %s is not in %s; the %s stays empty\n",
                   number.c_str(), referencePath.c_str(),
                   std::string(kControlPoints[i].caption).c_str());
    }
  }
  return std::nullopt;
}

}  // namespace

std::vector<OptionSpec> ControlPointOptions() {
  return {
      {"source-pivot", true, "source pivot point X,Y, e.g. --source-pivot 1000,1000"},
      {"source-ref", true, "source reference point X,Y, e.g. --source-ref 1000,2000"},
      {"dest-pivot", true, "destination pivot point X,Y, e.g. --dest-pivot 5000,5000"},
      {"dest-ref", true, "destination reference point X,Y, e.g. --dest-ref 6000,5000"},
      {"reference", true, "reference file of control points, e.g. --reference control.txt"},
      {"points", true, "point numbers SP,SR,DP,DR there, e.g. --points 1,2,,11"},
  };
}

std::optional<int> FillControlPoints(const CliArguments& parsed, SessionState& session,
                                     MainForm& form, Prompter& prompter) {
  const std::optional<std::string> reference = parsed.Value("reference");
  const std::optional<std::string> numbers = parsed.Value("points");
  if (reference.has_value() != numbers.has_value()) {
    return ReportUsageError("--reference and --points go together");
  }
  if (!reference) {
    return TypeCoordinates(parsed, form);
  }
  if (AnyCoordinateOption(parsed)) {
    return ReportUsageError("--points cannot be combined with control point coordinates");
  }
  return LookUpPointNumbers(*reference, *numbers, session, form, prompter);
}

}  // namespace velkora::cli
