// The output file dialog, drops on the output box, the suppression box and the format menu.
#include <gtest/gtest.h>

#include "conversion/OutputSelection.h"
#include "conversion/RunChecks.h"
#include "support/ScriptedPrompter.h"

namespace velkora {
namespace {

TEST(OutputSelection, DialogPresetsTheBoxAndCancelKeepsIt) {
  MainForm form;
  form.oFileName.text = "C:\\Jobs\\old.txt";
  testing::ScriptedPrompter prompter;
  prompter.fileAnswers = {std::nullopt, "C:\\Jobs\\new.txt"};

  SelectOutputFileByDialog(form, prompter);
  EXPECT_EQ(form.oFileName.text, "C:\\Jobs\\old.txt");
  SelectOutputFileByDialog(form, prompter);
  EXPECT_EQ(form.oFileName.text, "C:\\Jobs\\new.txt");

  ASSERT_EQ(prompter.dialogs.size(), 2u);
  for (const auto& dialog : prompter.dialogs) {
    EXPECT_EQ(dialog.kind, "save");
    EXPECT_EQ(dialog.title, "Select The Output File");
    EXPECT_EQ(dialog.presetName, "C:\\Jobs\\old.txt");
  }
}

TEST(OutputSelection, DropTakesTheFirstFile) {
  MainForm form;
  form.oFileName.text = "kept.txt";
  DropOutputFile(form, {});
  EXPECT_EQ(form.oFileName.text, "kept.txt");
  DropOutputFile(form, {"/a/first.txt", "/a/second.txt", "/a/third.txt"});
  EXPECT_EQ(form.oFileName.text, "/a/first.txt");
}

TEST(OutputSelection, SuppressionFollowsTheBox) {
  SessionState session;
  MainForm form;
  for (const int checked : {1, 0, 2}) {
    form.chkSuppress.checked = checked;
    SuppressZeroElevationsClicked(session, form);
    EXPECT_EQ(session.suppressZeroElev, checked != 0) << checked;
  }
}

TEST(OutputSelection, MenuSelectsTheEntryAndTheRunFollows) {
  struct MenuCase {
    std::size_t entry;
    const char* caption;
    FileFormat outFormatCode;
    char outDelim;
  };
  const MenuCase cases[] = {
      {0, "Comma-Delimited", 0, '#'},    {1, "Geopak Delimited ;", 1, ';'},
      {2, "Geopak Delimited /", 1, '/'}, {3, "Geopak Input N/E", 3, '#'},
      {4, "Geopak Input X/Y", 4, '#'},   {5, "SDMS Points", 5, '#'},
      {6, "Tavrin 80-Column", 6, '#'},
  };
  for (const MenuCase& c : cases) {
    MainForm form;
    form.loadedFiles.items = {"in.csv"};
    form.oFileName.text = "out.txt";
    form.txtDX.text = "1";
    SelectOutputFormat(form, c.entry);
    EXPECT_EQ(form.outFormat.selected, static_cast<std::int64_t>(c.entry));
    EXPECT_EQ(form.outFormat.text, c.caption);
    SessionState session;
    session.outDelim = '#';
    ASSERT_EQ(CheckRun(session, form), "OK") << c.caption;
    EXPECT_EQ(session.outFormatCode, c.outFormatCode) << c.caption;
    EXPECT_EQ(session.outDelim, c.outDelim) << c.caption;
  }
}

}  // namespace
}  // namespace velkora
