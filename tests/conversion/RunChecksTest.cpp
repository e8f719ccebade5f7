// The checks before a run: refusals with their messages and focus, and the run settings
// taken from the main window's boxes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "conversion/RunChecks.h"
#include "session/MainForm.h"
#include "session/SessionState.h"
#include "transform/NumberText.h"

namespace velkora {
namespace {

using FormEdit = std::function<void(MainForm&)>;

// A form that passes: one input file, an output name and layout, and a translation.
MainForm PassingForm() {
  MainForm form;
  form.loadedFiles.items = {"/data/topo.csv"};
  form.oFileName.text = "/data/out.txt";
  form.outFormat.selected = 0;
  form.txtDX.text = "10";
  return form;
}

struct RefusalCase {
  const char* name;
  FormEdit edit;
  std::string message;
  std::string focus;
};

TEST(CheckRun, RefusalsInOrderWithTheirFocus) {
  const std::vector<RefusalCase> cases = {
      {"no input file", [](MainForm& f) { f.loadedFiles.items.clear(); }, "No input files loaded.",
       "loadedFiles"},
      {"no input file comes before an unreadable box",
       [](MainForm& f) {
         f.loadedFiles.items.clear();
         f.txtDX.text = "12,a";
       },
       "No input files loaded.", "loadedFiles"},
      {"output box of blanks", [](MainForm& f) { f.oFileName.text = "   "; },
       "Output file is not specified.", "oFileName"},
      {"format typed, none chosen", [](MainForm& f) { f.outFormat.selected = -1; },
       "Output file format is not specified.", "outFormat"},
      {"nothing to compute", [](MainForm& f) { f.txtDX.text = ""; },
       "No computation has been specified.", "txtDX"},
      {"zero translation, rotation ignored",
       [](MainForm& f) {
         f.txtDX.text = "0";
         f.txtDR.text = "+90 00 00";
         f.ignoreDR.checked = 1;
       },
       "No computation has been specified.", "txtDX"},
      {"rotation without pivot", [](MainForm& f) { f.txtDR.text = "+90 00 00"; },
       "Pivot point coordinates must be entered.", "SPPX"},
      {"scale with a pivot at 0,0",
       [](MainForm& f) {
         f.txtDS.text = "2";
         f.SPPX.text = "0";
         f.SPPY.text = "0.000";
       },
       "Pivot point coordinates must be entered.", "SPPX"},
      {"typed scale of 1 counts as a scale", [](MainForm& f) { f.txtDS.text = "1"; },
       "Pivot point coordinates must be entered.", "SPPX"},
      {"translation X", [](MainForm& f) { f.txtDX.text = "12,a"; }, "Translation X is not valid.",
       "txtDX"},
      {"translation Y", [](MainForm& f) { f.txtDY.text = "1,2b"; }, "Translation Y is not valid.",
       "txtDY"},
      {"pivot X", [](MainForm& f) { f.SPPX.text = "500,x"; }, "Pivot point X is not valid.",
       "SPPX"},
      {"pivot Y", [](MainForm& f) { f.SPPY.text = ",,"; }, "Pivot point Y is not valid.", "SPPY"},
      {"angle without minutes and seconds", [](MainForm& f) { f.txtDR.text = "45"; },
       "Rotation angle is not valid.", "txtDR"},
      {"angle with a single blank", [](MainForm& f) { f.txtDR.text = "45 30"; },
       "Rotation angle is not valid.", "txtDR"},
      {"unreadable angle refused even when ignored",
       [](MainForm& f) {
         f.txtDR.text = "45.30";
         f.ignoreDR.checked = 1;
       },
       "Rotation angle is not valid.", "txtDR"},
      {"scale factor", [](MainForm& f) { f.txtDS.text = "1,0a"; }, "Scale factor is not valid.",
       "txtDS"},
      {"unreadable box before the missing format",
       [](MainForm& f) {
         f.outFormat.selected = -1;
         f.SPPY.text = "1,x";
       },
       "Pivot point Y is not valid.", "SPPY"},
  };
  for (const RefusalCase& c : cases) {
    SessionState session;
    MainForm form = PassingForm();
    c.edit(form);
    EXPECT_EQ(CheckRun(session, form), c.message) << c.name;
    EXPECT_EQ(form.focus, c.focus) << c.name;
  }
}

TEST(CheckRun, UnreadableBoxStoresNothing) {
  SessionState session;
  session.outFileName = "earlier.txt";
  session.deltaX = 5;
  MainForm form = PassingForm();
  form.txtDS.text = "2,x";
  ASSERT_EQ(CheckRun(session, form), "Scale factor is not valid.");
  EXPECT_EQ(session.outFileName, "earlier.txt");
  EXPECT_EQ(session.deltaX, 5);
}

TEST(CheckRun, MissingFormatKeepsTheOutputNameStored) {
  SessionState session;
  MainForm form = PassingForm();
  form.oFileName.text = "  out.txt";
  form.outFormat.selected = -1;
  ASSERT_EQ(CheckRun(session, form), "Output file format is not specified.");
  EXPECT_EQ(session.outFileName, "  out.txt");
}

struct SettingsCase {
  const char* name;
  FormEdit edit;
  FileFormat outFormatCode;
  char outDelim;
  bool doTranslate, hasPivot, doRotate, doScale;
  double rotationDegrees, scaleFactor, destPivotX, destPivotY;
};

TEST(CheckRun, RunSettingsFromTheBoxes) {
  // The session starts with '#' as separator and (77, 88) as an earlier destination pivot.
  const std::vector<SettingsCase> cases = {
      {"translation only", [](MainForm&) {}, 0, '#', true, false, false, false, 0, 1, 77, 88},
      {"slash-delimited folds into code 1", [](MainForm& f) { f.outFormat.selected = 2; }, 1, '/',
       true, false, false, false, 0, 1, 77, 88},
      {"semicolon-delimited", [](MainForm& f) { f.outFormat.selected = 1; }, 1, ';', true, false,
       false, false, 0, 1, 77, 88},
      {"other layouts keep the separator", [](MainForm& f) { f.outFormat.selected = 6; }, 6, '#',
       true, false, false, false, 0, 1, 77, 88},
      {"ignored angle and scale",
       [](MainForm& f) {
         f.txtDR.text = "12 30 00";
         f.ignoreDR.checked = 1;
         f.txtDS.text = "2";
         f.ignoreDS.checked = 2;
       },
       0, '#', true, false, false, false, 0, 1, 77, 88},
      {"zero angle and zero scale",
       [](MainForm& f) {
         f.txtDR.text = "0 00 00";
         f.txtDS.text = "0";
       },
       0, '#', true, false, false, false, 0, 1, 77, 88},
      {"rotation about a pivot moved by the translation",
       [](MainForm& f) {
         f.txtDR.text = "-12.3000";
         f.txtDY.text = "-5";
         f.SPPX.text = "1000";
         f.SPPY.text = "2000";
       },
       0, '#', true, true, true, false, -12.5, 1, 1010, 1995},
      {"scale about a pivot, no translation",
       [](MainForm& f) {
         f.txtDX.text = "";
         f.txtDS.text = "1.0001";
         f.SPPY.text = "100";
       },
       0, '#', false, true, false, true, 0, 1.0001, 0, 100},
  };
  for (const SettingsCase& c : cases) {
    SessionState session;
    session.outDelim = '#';
    session.destPivotX = 77;
    session.destPivotY = 88;
    MainForm form = PassingForm();
    c.edit(form);
    ASSERT_EQ(CheckRun(session, form), "OK") << c.name;
    EXPECT_EQ(session.outFileName, "/data/out.txt") << c.name;
    EXPECT_EQ(session.outFormatCode, c.outFormatCode) << c.name;
    EXPECT_EQ(session.outDelim, c.outDelim) << c.name;
    EXPECT_EQ(session.doTranslate, c.doTranslate) << c.name;
    EXPECT_EQ(session.hasPivot, c.hasPivot) << c.name;
    EXPECT_EQ(session.doRotate, c.doRotate) << c.name;
    EXPECT_EQ(session.doScale, c.doScale) << c.name;
    EXPECT_DOUBLE_EQ(session.rotationAngle, c.rotationDegrees * DegreesToRadians) << c.name;
    EXPECT_EQ(session.scaleFactor, c.scaleFactor) << c.name;
    EXPECT_EQ(session.destPivotX, c.destPivotX) << c.name;
    EXPECT_EQ(session.destPivotY, c.destPivotY) << c.name;
  }
}

}  // namespace
}  // namespace velkora
