// Model logic of the main window's load and "Clear All" handlers.
#include "app/MainFormCommands.h"

#include "app/FactorCommands.h"
#include "app/InputFileList.h"
#include "app/ReportCommands.h"

namespace velkora {

void FormLoad(MainForm& form) {
  form.btnListClr.visible = false;
  form.mnuListClr.enabled = false;
  form.mnuRptClr.enabled = false;
  form.chkSuppress.checked = 1;
}

void ClearAll(Session& session, MainForm& form) {
  form.rFileName.text.clear();
  form.oFileName.text.clear();
  ResetFileList(session, form);
  for (Control* box : {&form.SPPN, &form.SPPX, &form.SPPY, &form.SRPN, &form.SRPX, &form.SRPY,
                       &form.DPPN, &form.DPPX, &form.DPPY, &form.DRPN, &form.DRPX, &form.DRPY}) {
    box->text.clear();
  }
  for (std::string* description : {&form.SPPD, &form.SRPD, &form.DPPD, &form.DRPD}) {
    description->clear();
  }
  for (Control* box : {&form.txtDX, &form.txtDY, &form.txtDZ, &form.txtDR, &form.txtDS}) {
    box->text.clear();
  }
  RotationTextChanged(form);
  ScaleTextChanged(form);
  form.ignoreDR.checked = 0;
  form.ignoreDS.checked = 0;
  form.outFormat.selected = -1;
  form.outFormat.text.clear();
  ClearReport(session, form);
}

}  // namespace velkora
