// Runs the cases of tests/cases/geodesy/projection-scale.txt: each scale row against its
// figures, each names row against PROJ's names, each refusal against its exact message.
#include "engine/geodesy/ProjectionScale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace velkora {
namespace {

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream row(line);
  for (std::string field; std::getline(row, field, '|');) {
    const auto first = field.find_first_not_of(' ');
    fields.push_back(first == std::string::npos
                         ? ""
                         : field.substr(first, field.find_last_not_of(' ') - first + 1));
  }
  return fields;
}

double Number(const std::string& text) {
  double value = NAN;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// Half a unit in the last written digit of a number.
double HalfLastDigit(const std::string& text) {
  const auto point = text.find('.');
  return point == std::string::npos ? 0.5 : 0.5 * std::pow(10.0, -double(text.size() - point - 1));
}

// Checks a figure written as a number, or as "d m s" for an angle, to its written digits.
void ExpectFigure(double actual, const std::string& written, double leastTolerance) {
  std::istringstream parts(written);
  std::string degrees, minutes, seconds;
  parts >> degrees >> minutes >> seconds;
  double expected = Number(degrees), tolerance = HalfLastDigit(degrees);
  if (!seconds.empty()) {
    const double sign = degrees.starts_with('-') ? -1 : 1;
    expected += sign * (Number(minutes) / 60 + Number(seconds) / 3600);
    tolerance = HalfLastDigit(seconds) / 3600;
  }
  EXPECT_NEAR(actual, expected, std::max(tolerance, leastTolerance)) << written;
}

void CheckRow(const std::vector<std::string>& f) {
  const bool withHeights = f[0] != "names";
  const auto outcome =
      ComputeProjectionScale({f[1], Number(f[2]), Number(f[3]), withHeights ? Number(f[4]) : 0,
                              withHeights ? Number(f[5]) : 0});
  if (f[0] == "refuse") {
    EXPECT_FALSE(outcome.scale);
    EXPECT_EQ(outcome.error, f.at(6));
    return;
  }
  ASSERT_TRUE(outcome.scale) << outcome.error;
  const ProjectionScale& s = *outcome.scale;
  if (f[0] == "names") {
    EXPECT_EQ(s.crsName, f.at(4));
    EXPECT_EQ(s.unitName, f.at(5));
    ExpectFigure(s.unitToMetre, f.at(6), 1e-15);
    return;
  }
  constexpr double kAngle = 0.01 / 3600, kFactor = 1e-9;
  ExpectFigure(s.latitude, f.at(6), kAngle);
  ExpectFigure(s.longitude, f.at(7), kAngle);
  ExpectFigure(s.gridScaleFactor, f.at(8), kFactor * s.gridScaleFactor);
  ExpectFigure(s.elevationFactor, f.at(9), kFactor * s.elevationFactor);
  ExpectFigure(s.combinedFactor, f.at(10), kFactor * s.combinedFactor);
  ExpectFigure(s.convergence, f.at(11), kAngle);
}

std::vector<std::vector<std::string>> CaseRows() {
  std::ifstream table(VELKORA_GEODESY_CASES);
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(table, line);) {
    if (!line.empty() && line[0] != '#') {
      rows.push_back(Fields(line));
    }
  }
  return rows;
}

TEST(ProjectionScaleTest, MatchesEveryRowOfTheTable) {
  const auto rows = CaseRows();
  ASSERT_GT(rows.size(), 30u);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.at(0) + " | " + row.at(1));
    CheckRow(row);
  }
}

TEST(ProjectionScaleTest, GivesTheSameFiguresOnTwoThreadsAtOnce) {
  const ProjectionScaleRequest request{"EPSG:2227", 6229522.73, 1948852.78, 4245.17, -103.58};
  const double alone = ComputeProjectionScale(request).scale->combinedFactor;
  std::vector<double> seen(2);
  std::vector<std::thread> threads;
  for (double& combined : seen) {
    threads.emplace_back([&] { combined = ComputeProjectionScale(request).scale->combinedFactor; });
  }
  for (auto& thread : threads) {
    thread.join();
  }
  EXPECT_EQ(seen, std::vector<double>(2, alone));
}

}  // namespace
}  // namespace velkora
