// The main window's controls as plain data. Handlers change this model and tests read it;
// the Qt window only mirrors it, so every handler runs without a screen.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velkora {

// One control: its text (a caption for buttons, labels and menu entries), its list items and
// selected index (-1: none), its check value (0 unchecked, 1 checked), and whether it is
// visible and enabled.
struct Control {
  std::string text;
  std::vector<std::string> items;
  std::int64_t selected = -1;
  int checked = 0;
  bool visible = true;
  bool enabled = true;
};

struct MainForm {
  // Reference file of control points.
  Control rFileName;
  Control btnGetRName;

  // Control points: number, X and Y boxes, plus the description of each point.
  Control SPPN, SPPX, SPPY;
  Control SRPN, SRPX, SRPY;
  Control DPPN, DPPX, DPPY;
  Control DRPN, DRPX, DRPY;
  std::string SPPD, SRPD, DPPD, DRPD;
  Control compDeltas;

  // Input-file list.
  Control lblCount;
  Control btnListClr;
  Control loadedFiles;
  Control btnAdd;

  // Factors.
  Control txtDX, txtDY, txtDZ, txtDR, txtDS;
  Control ignoreDR, ignoreDS;

  // Output.
  Control oFileName;
  Control btnGetOName;
  Control outFormat;
  Control chkSuppress;

  // Column order of the delimited layouts: of the input files and the reference file, and of
  // the output file (its first entry: as the input).
  Control inOrder;
  Control outOrder;

  // Commands and menu entries whose state changes.
  Control btnCompute;
  Control mnuFileAdd;
  Control mnuListClr;
  Control mnuRptClr;

  // Name of the control that has the keyboard focus.
  std::string focus;

  MainForm();
};

// The four control points of the main window.
enum class ControlRole { kSourcePivot, kSourceReference, kDestinationPivot, kDestinationReference };

// The boxes and description of one control point.
struct ControlPointBoxes {
  Control MainForm::*number;
  Control MainForm::*x;
  Control MainForm::*y;
  std::string MainForm::*description;
  const char* numberName;  // the control that takes the focus back
};
const ControlPointBoxes& BoxesOf(ControlRole role);

// Control names and their members, for views that bind widgets by object name.
struct NamedControl {
  std::string_view name;
  Control MainForm::*member;
};
const std::vector<NamedControl>& MainFormControls();

}  // namespace velkora
