// The output file dialog, drops on the output box, the suppression box and the format menu.
#include <gtest/gtest.h>

#include "conversion/OutputSelection.h"
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

TEST(OutputSelection, FormatMenuSelectsItsEntry) {
  MainForm form;
  SelectOutputFormat(form, 2);
  EXPECT_EQ(form.outFormat.selected, 2);
  EXPECT_EQ(form.outFormat.text, "Geopak Delimited /");
  SelectOutputFormat(form, 7);
  EXPECT_EQ(form.outFormat.selected, 2);
}

}  // namespace
}  // namespace velkora
