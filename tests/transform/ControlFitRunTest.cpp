// A run with the fitted factors in the boxes moves each control pair's source point onto its
// fitted destination, to the printed decimals.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "conversion/ConversionRun.h"
#include "conversion/TempFolder.h"
#include "support/ScriptedPrompter.h"
#include "transform/ControlFit.h"
#include "transform/NumberText.h"

namespace velkora {
namespace {

using testing::ReadWholeFile;
using testing::RecordingView;
using testing::TempFolder;
using testing::WriteWholeFile;

// Coordinates near those of a state plane grid, moved by about 30 degrees and 1.0002.
std::vector<ControlPair> PairsFrom(const std::vector<std::vector<double>>& rows) {
  std::vector<ControlPair> pairs;
  for (const std::vector<double>& row : rows) {
    pairs.push_back(ControlPair{"", "", row[0], row[1], row[2], row[3]});
  }
  return pairs;
}

// The X and Y of every line of a comma-delimited output.
std::vector<std::pair<double, double>> OutputCoordinates(const std::string& text) {
  std::vector<std::pair<double, double>> coordinates;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t first = line.find(',');
    const std::size_t second = line.find(',', first + 1);
    const std::size_t third = line.find(',', second + 1);
    coordinates.emplace_back(ReadNumber(line.substr(first + 1, second - first - 1)),
                             ReadNumber(line.substr(second + 1, third - second - 1)));
  }
  return coordinates;
}

TEST(ControlFitRun, RunReproducesTheFittedDestinations) {
  struct Row {
    std::string name;
    std::vector<ControlPair> pairs;
  };
  const Row rows[] = {
      {"six exact pairs", PairsFrom({{1000000, 400000, 1000250.5, 399870.25},
                                     {1000812.345, 400103.5, 1001005.91250932, 399553.647891264},
                                     {1000401.25, 400950.125, 1001073.21969521, 400492.581788372},
                                     {999350.5, 400620.75, 999998.84108889, 400732.757749128},
                                     {999510.0625, 399240.875, 999446.478426627, 399457.714688127},
                                     {1000730.5, 399310.25, 1000538.31408826, 398907.466487498}})},
      {"six pairs, one disturbed",
       PairsFrom({{1000000, 400000, 1000250.5, 399870.25},
                  {1000812.345, 400103.5, 1001005.91250932, 399553.647891264},
                  {1000401.25, 400950.125, 1001073.21969521, 400492.581788372},
                  {999350.5, 400620.75, 999999.34108889, 400732.757749128},
                  {999510.0625, 399240.875, 999446.478426627, 399457.714688127},
                  {1000730.5, 399310.25, 1000538.31408826, 398907.466487498}})},
      {"two pairs, turned back",
       PairsFrom({{2000.5, 3000.25, 2010, 2990}, {2100.75, 3050.5, 2061.1234, 3073.9876}})},
      {"three pairs, negative coordinates",
       PairsFrom({{-500, -200, 100, 50}, {-100, -300, 478.4, -139.1}, {-250, 150, 293.3, 445.2}})},
  };
  for (const Row& row : rows) {
    const FitOutcome outcome = FitControlPairs(row.pairs);
    ASSERT_TRUE(outcome.fit) << row.name << ": " << outcome.error;
    TempFolder folder;
    std::string input;
    for (std::size_t i = 0; i < row.pairs.size(); ++i) {
      input += std::to_string(i + 1) + "," + GeneralForm(row.pairs[i].sourceX) + "," +
               GeneralForm(row.pairs[i].sourceY) + ",100,,\r\n";
    }
    WriteWholeFile(folder.path() / "control.csv", input);

    SessionState session;
    MainForm form;
    testing::ScriptedPrompter prompter;
    RecordingView view;
    UseFitFactors(session, form, row.pairs, *outcome.fit);
    form.loadedFiles.items = {(folder.path() / "control.csv").string()};
    form.oFileName.text = (folder.path() / "moved.csv").string();
    form.outFormat.selected = 0;
    ASSERT_EQ(RunConversion(session, form, prompter, view), RunResult::kCompleted) << row.name;

    const std::vector<std::pair<double, double>> moved =
        OutputCoordinates(ReadWholeFile(folder.path() / "moved.csv"));
    ASSERT_EQ(moved.size(), row.pairs.size()) << row.name;
    for (std::size_t i = 0; i < moved.size(); ++i) {
      const ControlPair& pair = row.pairs[i];
      const PairResidual& residual = outcome.fit->residuals[i];
      // Four written decimals and the four of the shift boxes.
      EXPECT_NEAR(moved[i].first, pair.destX + residual.dx, 0.0001) << row.name << " " << i;
      EXPECT_NEAR(moved[i].second, pair.destY + residual.dy, 0.0001) << row.name << " " << i;
    }
    EXPECT_NE(session.reportText.find(session.fittedFactors.residualTable), std::string::npos)
        << row.name;
  }
}

}  // namespace
}  // namespace velkora
