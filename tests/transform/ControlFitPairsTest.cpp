// Control pairs from a pairs file and from the reference list by point number.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "conversion/TempFolder.h"
#include "session/SessionState.h"
#include "transform/ControlFit.h"
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

}  // namespace
}  // namespace velkora
