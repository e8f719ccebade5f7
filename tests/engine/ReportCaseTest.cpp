// Runs the cases of tests/cases/report/*.case: a run's summary built from what the case says
// the run held, compared whole or between two of its lines.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/report/SummaryText.h"
#include "engine/text/AngleText.h"
#include "engine/text/NumberText.h"
#include "support/CaseText.h"

namespace velkora::testing {
namespace {

// "name=value" tokens after the directive's word.
std::map<std::string, std::string> Settings(const Directive& directive) {
  std::map<std::string, std::string> settings;
  for (std::size_t i = 1; i < directive.tokens.size(); ++i) {
    const std::string& token = directive.tokens[i];
    settings[token.substr(0, token.find('='))] = token.substr(token.find('=') + 1);
  }
  return settings;
}

HeaderInfo HeaderOf(const Directive& directive) {
  std::map<std::string, std::string> h = Settings(directive);
  return {h["th"], h["sp"], h["horizontal"], h["vertical"], h["system"], h["desc"]};
}

// The factors as a run applies them: each one given is applied.
TransformFactors FactorsOf(const Directive& directive) {
  std::map<std::string, std::string> f = Settings(directive);
  TransformFactors factors;
  factors.doTranslate = f.contains("dx");
  factors.deltaX = ReadNumber(f["dx"]);
  factors.deltaY = ReadNumber(f["dy"]);
  factors.doRotate = f.contains("angle");
  factors.rotationAngle = ParseAngle(f["angle"]).value_or(0);
  factors.doScale = f.contains("scale");
  factors.scaleFactor = f.contains("scale") ? ReadNumber(f["scale"]) : 1;
  factors.hasPivot = f.contains("pivot");
  return factors;
}

// The lines between the line `from` and the line `to`, both left out; "" for the start or end.
std::string Between(const std::string& text, const std::string& from, const std::string& to) {
  const std::string lines = "\r\n" + text;
  const std::size_t start = from.empty() ? 0 : lines.find("\r\n" + from + "\r\n");
  const std::size_t begin = from.empty() ? 2 : start + from.size() + 4;
  const std::size_t end =
      to.empty() ? lines.size() : lines.find("\r\n" + to + "\r\n", begin - 2) + 2;
  if (start == std::string::npos || end < begin || end > lines.size()) {
    return "<" + from + "> or <" + to + "> missing";
  }
  return lines.substr(begin, end - begin);
}

class ReportCase : public ::testing::TestWithParam<Case> {};

TEST_P(ReportCase, SummaryReadsAsExpected) {
  const Case& test = GetParam();
  SCOPED_TRACE(test.where);
  RunSummary run;
  run.date = "Dec 5, 2026";
  std::string report;
  for (const Directive& directive : test.directives) {
    const std::string& word = directive.tokens[0];
    const std::string arg = directive.Arg(1);
    if (word == "date") {
      run.date = arg;
    } else if (word == "header") {
      run.header = HeaderOf(directive);
    } else if (word == "control") {
      run.controlPoints[std::stoul(arg)] = {directive.Arg(2), directive.Arg(3), directive.Arg(4),
                                            directive.Arg(5)};
    } else if (word == "factors") {
      run.factors = FactorsOf(directive);
    } else if (word == "input") {
      run.inputs.push_back({arg, std::stoll(directive.Arg(2))});
    } else if (word == "output") {
      run.output = {arg, std::stoll(directive.Arg(2))};
    } else if (word == "summary") {
      EXPECT_EQ(Between(SummaryText(run), arg, directive.Arg(2)), directive.Content())
          << "line " << directive.line;
    } else if (word == "append-run") {
      AppendRun(report, run);
    } else if (word == "report") {
      EXPECT_EQ(report, directive.Content()) << "line " << directive.line;
    } else {
      ADD_FAILURE() << "unknown directive '" << word << "' on line " << directive.line;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, ReportCase,
                         ::testing::ValuesIn(ReadCaseFolder(VELKORA_CASES_DIR "/report")),
                         CaseTestName);

}  // namespace
}  // namespace velkora::testing
