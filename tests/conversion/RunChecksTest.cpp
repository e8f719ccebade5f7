// The checks before a run: refusals with their messages and focus, and the run settings
// taken from the main window's boxes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion/RunChecks.h"
#include "transform/NumberText.h"

namespace velkora {
namespace {

// The boxes CheckRun reads; an empty files text means an empty input list.
struct Boxes {
  const char* files = "/data/topo.csv";
  const char* output = "/data/out.txt";
  int format = 0;
  const char *dx = "10", *dy = "", *angle = "", *scale = "", *pivotX = "", *pivotY = "";
  int ignoreDR = 0, ignoreDS = 0;
};

MainForm FormWith(const Boxes& b) {
  MainForm form;
  if (*b.files != '\0') {
    form.loadedFiles.items = {b.files};
  }
  form.oFileName.text = b.output;
  form.outFormat.selected = b.format;
  form.txtDX.text = b.dx;
  form.txtDY.text = b.dy;
  form.txtDR.text = b.angle;
  form.txtDS.text = b.scale;
  form.SPPX.text = b.pivotX;
  form.SPPY.text = b.pivotY;
  form.ignoreDR.checked = b.ignoreDR;
  form.ignoreDS.checked = b.ignoreDS;
  return form;
}

struct RefusalCase {
  Boxes boxes;
  const char* message;
  const char* focus;
  bool outputNameStored;  // a refusal after the boxes were read keeps what it stored
};

TEST(CheckRun, RefusalsInOrderWithTheirFocus) {
  const char* const noFiles = "";
  const std::vector<RefusalCase> cases = {
      {{.files = noFiles, .dx = "12,a"}, "No input files loaded.", "loadedFiles", false},
      {{.output = "   "}, "Output file is not specified.", "oFileName", false},
      {{.format = -1}, "Output file format is not specified.", "outFormat", true},
      {{.dx = ""}, "No computation has been specified.", "txtDX", true},
      {{.dx = "0", .angle = "+90 00 00", .ignoreDR = 1},
       "No computation has been specified.",
       "txtDX",
       true},
      {{.angle = "+90 00 00"}, "Pivot point coordinates must be entered.", "SPPX", true},
      {{.scale = "2", .pivotX = "0", .pivotY = "0.000"},
       "Pivot point coordinates must be entered.",
       "SPPX",
       true},
      {{.scale = "1"}, "Pivot point coordinates must be entered.", "SPPX", true},
      {{.dx = "12,a"}, "Translation X is not valid.", "txtDX", true},
      {{.dy = "1,2b"}, "Translation Y is not valid.", "txtDY", true},
      {{.pivotX = "500,x"}, "Pivot point X is not valid.", "SPPX", true},
      {{.pivotY = ",,"}, "Pivot point Y is not valid.", "SPPY", true},
      {{.format = -1, .pivotY = ",,"}, "Output file format is not specified.", "outFormat", true},
      {{.angle = "45"}, "Rotation angle is not valid.", "txtDR", true},
      {{.angle = "45 30"}, "Rotation angle is not valid.", "txtDR", true},
      {{.angle = "45.30", .ignoreDR = 1}, "Rotation angle is not valid.", "txtDR", true},
      {{.scale = "1,0a"}, "Scale factor is not valid.", "txtDS", true},
  };
  for (const RefusalCase& c : cases) {
    SessionState session;
    session.outFileName = "earlier.txt";
    MainForm form = FormWith(c.boxes);
    EXPECT_EQ(CheckRun(session, form), c.message);
    EXPECT_EQ(form.focus, c.focus) << c.message;
    EXPECT_EQ(session.outFileName, c.outputNameStored ? "/data/out.txt" : "earlier.txt")
        << c.message;
  }
}

struct SettingsCase {
  Boxes boxes;
  FileFormat outFormatCode;
  char outDelim;
  bool doTranslate, hasPivot, doRotate, doScale;
  double rotationDegrees, scaleFactor, destPivotX, destPivotY;
};

TEST(CheckRun, RunSettingsFromTheBoxes) {
  // The session starts with '#' as separator and (77, 88) as an earlier destination pivot.
  const std::vector<SettingsCase> cases = {
      {{}, 0, '#', true, false, false, false, 0, 1, 77, 88},
      {{.format = 2}, 1, '/', true, false, false, false, 0, 1, 77, 88},
      {{.format = 1}, 1, ';', true, false, false, false, 0, 1, 77, 88},
      {{.format = 6}, 6, '#', true, false, false, false, 0, 1, 77, 88},
      {{.angle = "12 30 00", .scale = "2", .ignoreDR = 1, .ignoreDS = 2},
       0,
       '#',
       true,
       false,
       false,
       false,
       0,
       1,
       77,
       88},
      {{.angle = "0 00 00", .scale = "0"}, 0, '#', true, false, false, false, 0, 1, 77, 88},
      {{.dy = "-5", .angle = "-12.3000", .pivotX = "1000", .pivotY = "2000"},
       0,
       '#',
       true,
       true,
       true,
       false,
       -12.5,
       1,
       1010,
       1995},
      {{.output = "  out.txt", .dx = "", .scale = "1.0001", .pivotY = "100"},
       0,
       '#',
       false,
       true,
       false,
       true,
       0,
       1.0001,
       0,
       100},
  };
  for (const SettingsCase& c : cases) {
    SessionState session;
    session.outDelim = '#';
    session.destPivotX = 77;
    session.destPivotY = 88;
    MainForm form = FormWith(c.boxes);
    const std::string row = std::string(c.boxes.output) + " " + c.boxes.angle + " " +
                            c.boxes.scale + " " + std::to_string(c.boxes.format);
    ASSERT_EQ(CheckRun(session, form), "OK") << row;
    EXPECT_EQ(session.outFileName, c.boxes.output) << row;
    EXPECT_EQ(session.outFormatCode, c.outFormatCode) << row;
    EXPECT_EQ(session.outDelim, c.outDelim) << row;
    EXPECT_EQ(session.doTranslate, c.doTranslate) << row;
    EXPECT_EQ(session.hasPivot, c.hasPivot) << row;
    EXPECT_EQ(session.doRotate, c.doRotate) << row;
    EXPECT_EQ(session.doScale, c.doScale) << row;
    EXPECT_DOUBLE_EQ(session.rotationAngle, c.rotationDegrees * DegreesToRadians) << row;
    EXPECT_EQ(session.scaleFactor, c.scaleFactor) << row;
    EXPECT_EQ(session.destPivotX, c.destPivotX) << row;
    EXPECT_EQ(session.destPivotY, c.destPivotY) << row;
  }
}

}  // namespace
}  // namespace velkora
