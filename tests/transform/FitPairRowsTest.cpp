// The fit dialog's rows: the starting rows, point lookups in the reference list and the pairs
// (or the first error) the rows give.
#include "transform/FitPairRows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ScriptedPrompter.h"
#include "transform/ReferenceList.h"

namespace velkora {
namespace {

TEST(FitPairRows, StartWithTheMainWindowsControlPoints) {
  MainForm form;
  form.SPPN.text = "1";
  form.SPPX.text = "1000";
  form.SPPY.text = "1000.5";
  form.DPPX.text = "5000";
  form.DPPY.text = "5000";
  form.SRPN.text = "2";
  form.DRPN.text = "12";
  const std::vector<FitPairRow> expected = {
      {"1", "1000", "1000.5", "", "5000", "5000"},
      {"2", "", "", "12", "", ""},
  };
  EXPECT_EQ(StartingFitRows(form), expected);
}

TEST(FitPairRows, RowsGivePairsOrTheFirstError) {
  struct Row {
    const char* what;
    std::vector<FitPairRow> rows;
    std::size_t pairs;
    const char* error;
  };
  const Row rows[] = {
      {"two typed pairs",
       {{"1", "1000", "2000", "101", "5000", "6000"},
        {"", " 1,100.5 ", "2000", "", "5100", "6000"}},
       2,
       ""},
      {"blank rows are skipped", {{"", "", "", "", "", ""}, {" ", "1", "2", "", "3", "4"}}, 1, ""},
      {"no rows at all", {}, 0, ""},
      {"an empty coordinate",
       {{"1", "1", "2", "", "3", "4"}, {"7", "1", "", "", "3", "4"}},
       0,
       "Row 2: the source Y is empty."},
      {"a coordinate that is not a number",
       {{"", "1", "2", "", "3x", "4"}},
       0,
       "Row 1: the destination X \"3x\" is not a number."},
      {"a number alone is not a pair",
       {{"", "", "", "", "", "9"}},
       0,
       "Row 1: the source X is empty."},
  };
  for (const Row& row : rows) {
    const PairsOutcome outcome = PairsFromRows(row.rows);
    EXPECT_EQ(outcome.error, row.error) << row.what;
    EXPECT_EQ(outcome.pairs.size(), row.pairs) << row.what;
  }
}

TEST(FitPairRows, PairsKeepNumbersAndValues) {
  const PairsOutcome outcome = PairsFromRows({{" 1 ", "1000.25", "-2000", "D1", "1.5E+6", "6000"}});
  ASSERT_EQ(outcome.pairs.size(), 1u);
  const ControlPair& pair = outcome.pairs[0];
  EXPECT_EQ(pair.sourceNumber, "1");
  EXPECT_EQ(pair.destNumber, "D1");
  EXPECT_EQ(pair.sourceX, 1000.25);
  EXPECT_EQ(pair.sourceY, -2000);
  EXPECT_EQ(pair.destX, 1500000);
  EXPECT_EQ(pair.destY, 6000);
}

TEST(FitPairRows, LookUpAndFillOneSideOfARow) {
  SessionState session;
  MainForm form;
  testing::ScriptedPrompter prompter;
  form.rFileName.text = std::string(VELKORA_TEST_DATA_DIR) + "/transform/reference.csv";
  ASSERT_TRUE(LoadReferenceFile(session, form, prompter));

  struct Row {
    const char* what;
    bool withReferenceFile;
    FitColumn side;
    const char* typed;
    FitPairRow expected;
  };
  const FitPairRow before = {"x", "1", "2", "y", "3", "4"};
  const Row rows[] = {
      {"source found",
       true,
       kSourceNumber,
       " 105 ",
       {"105", "2345.6789", "3456.789", "y", "3", "4"}},
      {"destination found, first of two",
       true,
       kDestNumber,
       "2",
       {"x", "1", "2", "2", "1000.1234", "2000"}},
      {"not found empties the coordinates", true, kDestNumber, "02", {"x", "1", "2", "y", "", ""}},
      {"no reference file: typed freely", false, kSourceNumber, "105", before},
  };
  for (const Row& row : rows) {
    MainForm lookupForm = form;
    if (!row.withReferenceFile) {
      lookupForm.rFileName.text.clear();
    }
    FitPairRow filled = before;
    ApplyFitLookup(filled, row.side, LookUpFitPoint(session, lookupForm, row.typed));
    EXPECT_EQ(filled, row.expected) << row.what;
  }
}

}  // namespace
}  // namespace velkora
