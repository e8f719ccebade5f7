// Control pairs from a pairs file and from the reference list by point number.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "conversion/TempFolder.h"
#include "session/SessionState.h"
#include "support/ScriptedPrompter.h"
#include "transform/ControlFit.h"
#include "transform/NumberText.h"
#include "transform/ReferenceList.h"

namespace velkora {
namespace {

using testing::TempFolder;
using testing::WriteWholeFile;

// Source X, Y, destination X, Y of each pair.
using Coordinates = std::vector<std::vector<double>>;

Coordinates CoordinatesOf(const std::vector<ControlPair>& pairs) {
  Coordinates coordinates;
  for (const ControlPair& pair : pairs) {
    coordinates.push_back({pair.sourceX, pair.sourceY, pair.destX, pair.destY});
  }
  return coordinates;
}

TEST(ReadControlPairsFile, GoodAndBadLines) {
  struct Row {
    std::string name;
    std::string text;
    Coordinates pairs;
    std::string error;  // "FILE" stands for the file's path
  };
  const Row rows[] = {
      {"commas",
       "1000,2000,1100,2100\r\n1500.5,2500.25,1600.5,2600.25\r\n",
       {{1000, 2000, 1100, 2100}, {1500.5, 2500.25, 1600.5, 2600.25}},
       ""},
      {"blanks and tabs, LF",
       "  1000 2000\t1100  2100\n1e3 -2 , 3,4\n",
       {{1000, 2000, 1100, 2100}, {1000, -2, 3, 4}},
       ""},
      {"comments and blank lines, CR", "# control\r\r  # more\r5,6,7,8", {{5, 6, 7, 8}}, ""},
      {"empty file", "", {}, ""},
      {"three numbers",
       "1,2,3,4\n\n5,6,7\n",
       {},
       "Line 3 of FILE does not hold four numbers: "
       "source X, Y, destination X, Y."},
      {"five numbers",
       "1,2,3,4,5\r\n",
       {},
       "Line 1 of FILE does not hold four numbers: "
       "source X, Y, destination X, Y."},
      {"a word",
       "# head\n1,2,3,4\n1,2,3,four\n",
       {},
       "Line 3 of FILE does not hold four "
       "numbers: source X, Y, destination X, Y."},
      {"a unit after a number",
       "1,2,3,4m\n",
       {},
       "Line 1 of FILE does not hold four numbers: "
       "source X, Y, destination X, Y."},
  };
  TempFolder folder;
  for (const Row& row : rows) {
    const std::filesystem::path path = folder.path() / "pairs.txt";
    WriteWholeFile(path, row.text);
    const PairsOutcome outcome = ReadControlPairsFile(path.string());
    std::string error = row.error;
    if (const std::size_t at = error.find("FILE"); at != std::string::npos) {
      error.replace(at, 4, path.string());
    }
    EXPECT_EQ(outcome.error, error) << row.name;
    EXPECT_EQ(CoordinatesOf(outcome.pairs), row.pairs) << row.name;
    for (const ControlPair& pair : outcome.pairs) {
      EXPECT_EQ(pair.sourceNumber, "") << row.name;
      EXPECT_EQ(pair.destNumber, "") << row.name;
    }
  }
}

TEST(ReadControlPairsFile, MissingFileOrFolder) {
  TempFolder folder;
  for (const std::string& path : {(folder.path() / "none.txt").string(), folder.path().string()}) {
    const PairsOutcome outcome = ReadControlPairsFile(path);
    EXPECT_EQ(outcome.error, "Unable to open the control pairs file " + path + ".");
    EXPECT_TRUE(outcome.pairs.empty());
  }
}

TEST(LookUpControlPairs, NumbersFromTheReferenceList) {
  SessionState session;
  // Number, X, Y; a later duplicate number is never found.
  const std::vector<std::tuple<std::string, double, double>> points = {
      {"101", 1000000.1234, 400000.5},
      {"201", 1000250.5, 399870.25},
      {"102", 1000812.345, 400103.5},
      {"202", 1001005.9125, 399553.6478},
      {"101", 1, 2},
  };
  for (const auto& [number, x, y] : points) {
    PointRecord point;
    point.pointNum = number;
    point.x = x;
    point.y = y;
    session.referenceLines.push_back(ReferenceListLine(point, session.controlDecimals));
  }

  struct Row {
    std::vector<std::pair<std::string, std::string>> numbers;
    Coordinates pairs;
    std::vector<std::string> pointNumbers;
    std::string error;
  };
  const Row rows[] = {
      {{{"101", "201"}, {" 102 ", "202"}},
       {{1000000.1234, 400000.5, 1000250.5, 399870.25},
        {1000812.345, 400103.5, 1001005.9125, 399553.6478}},
       {"101", "201", "102", "202"},
       ""},
      {{{"101", "201"}, {"103", "202"}}, {}, {}, "Point 103 is not in the reference file."},
      {{{"101", "299"}}, {}, {}, "Point 299 is not in the reference file."},
      {{{"101", ""}}, {}, {}, "A control pair needs two point numbers."},
      {{{" ", "201"}}, {}, {}, "A control pair needs two point numbers."},
  };
  for (const Row& row : rows) {
    const PairsOutcome outcome = LookUpControlPairs(session, row.numbers);
    EXPECT_EQ(outcome.error, row.error);
    EXPECT_EQ(CoordinatesOf(outcome.pairs), row.pairs);
    std::vector<std::string> numbers;
    for (const ControlPair& pair : outcome.pairs) {
      numbers.push_back(pair.sourceNumber);
      numbers.push_back(pair.destNumber);
    }
    EXPECT_EQ(numbers, row.pointNumbers);
  }
}

TEST(LookUpControlPairs, RealSurveyFileFitsItsOwnMove) {
  const std::filesystem::path real =
      std::filesystem::path(VELKORA_REAL_DATA_DIR) / "delimited" / "bezitopo_topo0_pnezd.asc";
  if (!std::filesystem::exists(real)) {
    GTEST_SKIP() << "no real survey data at " << real;
  }
  SessionState session;
  MainForm form;
  testing::ScriptedPrompter prompter;
  form.rFileName.text = real.string();
  ASSERT_TRUE(LoadReferenceFile(session, form, prompter));
  PairsOutcome outcome = LookUpControlPairs(
      session, {{"1", "1"}, {"2", "2"}, {"3", "3"}, {"226", "226"}, {"50", "50"}});
  ASSERT_EQ(outcome.error, "");
  ASSERT_EQ(outcome.pairs.size(), 5u);
  EXPECT_EQ(outcome.pairs[0].sourceX, 538542.57);
  EXPECT_EQ(outcome.pairs[0].sourceY, 1455644.371);

  // Turn them 1 30 00 anticlockwise about point 1, scale 0.9996, and move point 1 by
  // (-1234.5, 2345.25).
  const double r = -1.5 * DegreesToRadians;
  const ControlPair pivot = outcome.pairs[0];
  for (ControlPair& pair : outcome.pairs) {
    const double u = pair.sourceX - pivot.sourceX;
    const double v = pair.sourceY - pivot.sourceY;
    pair.destX = pivot.sourceX - 1234.5 + 0.9996 * (u * std::cos(r) + v * std::sin(r));
    pair.destY = pivot.sourceY + 2345.25 + 0.9996 * (v * std::cos(r) - u * std::sin(r));
  }
  const FitOutcome fit = FitControlPairs(outcome.pairs);
  ASSERT_TRUE(fit.fit) << fit.error;
  EXPECT_EQ(fit.fit->dxText, "-1234.5000");
  EXPECT_EQ(fit.fit->dyText, "2345.2500");
  EXPECT_NEAR(ParseAngle(session, fit.fit->angleText).value_or(0), r, 1e-12);
  EXPECT_NEAR(ReadNumber(fit.fit->scaleText), 0.9996, 1e-12);
  for (const PairResidual& residual : fit.fit->residuals) {
    EXPECT_LT(residual.length, 1e-6);
    EXPECT_FALSE(residual.flagged);
  }
}

}  // namespace
}  // namespace velkora
