// Initial state of the main window's controls, as the window shows them after loading.
#include "app/MainForm.h"

#include <array>

#include "app/ColumnOrderChoice.h"
#include "engine/points/Layouts.h"

namespace velkora {

MainForm::MainForm() {
  btnGetRName.text = "Select";
  compDeltas.text = "Calculate the Translate, Rotate, and/or Scale Factors";
  lblCount.text = "Input File List :";
  btnListClr.text = "Clear";
  btnListClr.visible = false;
  btnAdd.text = "Load";
  ignoreDR.text = "No Rotation";
  ignoreDR.enabled = false;
  ignoreDS.text = "No Scaling";
  ignoreDS.enabled = false;
  btnGetOName.text = "Select";
  for (std::string_view name : kOutputFormatNames) {
    outFormat.items.emplace_back(name);
  }
  chkSuppress.text = "Suppress Zero Elevations";
  chkSuppress.checked = 1;
  inOrder.items = {kInputOrderItems.begin(), kInputOrderItems.end()};
  inOrder.selected = 0;
  inOrder.text = inOrder.items.front();
  outOrder.items = {kOutputOrderItems.begin(), kOutputOrderItems.end()};
  outOrder.selected = 0;
  outOrder.text = outOrder.items.front();
  btnCompute.text = "Compute";
  mnuFileAdd.text = "Load An Input File";
  mnuListClr.text = "Clear Input File List";
  mnuListClr.enabled = false;
  mnuRptClr.text = "Clear Report Contents";
  mnuRptClr.enabled = false;
}

const ControlPointBoxes& BoxesOf(ControlRole role) {
  static constexpr std::array<ControlPointBoxes, 4> kBoxes = {{
      {&MainForm::SPPN, &MainForm::SPPX, &MainForm::SPPY, &MainForm::SPPD, "SPPN"},
      {&MainForm::SRPN, &MainForm::SRPX, &MainForm::SRPY, &MainForm::SRPD, "SRPN"},
      {&MainForm::DPPN, &MainForm::DPPX, &MainForm::DPPY, &MainForm::DPPD, "DPPN"},
      {&MainForm::DRPN, &MainForm::DRPX, &MainForm::DRPY, &MainForm::DRPD, "DRPN"},
  }};
  return kBoxes[static_cast<std::size_t>(role)];
}

const std::vector<NamedControl>& MainFormControls() {
  static const std::vector<NamedControl> controls = {
      {"rFileName", &MainForm::rFileName},
      {"btnGetRName", &MainForm::btnGetRName},
      {"SPPN", &MainForm::SPPN},
      {"SPPX", &MainForm::SPPX},
      {"SPPY", &MainForm::SPPY},
      {"SRPN", &MainForm::SRPN},
      {"SRPX", &MainForm::SRPX},
      {"SRPY", &MainForm::SRPY},
      {"DPPN", &MainForm::DPPN},
      {"DPPX", &MainForm::DPPX},
      {"DPPY", &MainForm::DPPY},
      {"DRPN", &MainForm::DRPN},
      {"DRPX", &MainForm::DRPX},
      {"DRPY", &MainForm::DRPY},
      {"compDeltas", &MainForm::compDeltas},
      {"lblCount", &MainForm::lblCount},
      {"btnListClr", &MainForm::btnListClr},
      {"loadedFiles", &MainForm::loadedFiles},
      {"btnAdd", &MainForm::btnAdd},
      {"txtDX", &MainForm::txtDX},
      {"txtDY", &MainForm::txtDY},
      {"txtDZ", &MainForm::txtDZ},
      {"txtDR", &MainForm::txtDR},
      {"txtDS", &MainForm::txtDS},
      {"ignoreDR", &MainForm::ignoreDR},
      {"ignoreDS", &MainForm::ignoreDS},
      {"oFileName", &MainForm::oFileName},
      {"btnGetOName", &MainForm::btnGetOName},
      {"outFormat", &MainForm::outFormat},
      {"chkSuppress", &MainForm::chkSuppress},
      {"inOrder", &MainForm::inOrder},
      {"outOrder", &MainForm::outOrder},
      {"btnCompute", &MainForm::btnCompute},
      {"mnuFileAdd", &MainForm::mnuFileAdd},
      {"mnuListClr", &MainForm::mnuListClr},
      {"mnuRptClr", &MainForm::mnuRptClr},
  };
  return controls;
}

}  // namespace velkora
