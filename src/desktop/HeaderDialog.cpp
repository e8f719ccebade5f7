// The header dialog's layout and its Continue, Cancel, Clear and Save commands, with the
// defaults file that Save writes named at the bottom.
#include "desktop/HeaderDialog.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <initializer_list>
#include <string>

#include "desktop/CommonView.h"
#include "desktop/ControlTable.h"
#include "engine/settings/HeaderDefaults.h"
#include "engine/settings/SettingsLocation.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

constexpr const char* kCannotSaveDefaultsText = "Unable To Save The Header Defaults In:";
constexpr const char* kDefaultsFileCaption = "Defaults file: ";

using enum ControlKind;

// The defaults file's line is the last row: the dialog is one line taller than its buttons need.
constexpr ControlRow kControls[] = {
    {kNote, "Label4",
     "Enter additional information to be included in the report header. Only those items that "
     "contain data will appear in the report.",
     nullptr, 120, 120, 4455, 600},
    {kLabel, "Label1", "T.H. #", nullptr, 120, 720, 700, 240},
    {kBox, "txtTH", "", nullptr, 120, 960, 495, 285},
    {kLabel, "Label2", "S.P. Number", nullptr, 840, 720, 1150, 240},
    {kBox, "txtSP", "", nullptr, 840, 960, 975, 285},
    {kLabel, "Label5", "Datum/Adjustment", nullptr, 2040, 720, 1500, 240},
    {kEditableList, "txtHD", "", nullptr, 2040, 960, 1335, 315},
    {kLabel, "Label7", "Vert. Datum", nullptr, 3600, 720, 1000, 240},
    {kEditableList, "txtVD", "", nullptr, 3600, 960, 975, 315},
    {kLabel, "Label6", "Coordinate Projection :", nullptr, 120, 1620, 1680, 240},
    {kEditableList, "txtPR", "", nullptr, 1800, 1560, 2775, 315},
    {kLabel, "Label3", "General Description / Job Limits / Etc.", nullptr, 120, 2160, 4455, 240},
    {kTextArea, "txtCM", "", nullptr, 120, 2400, 4455, 495},
    {kButton, "btnSave", "Save", "Save the current header information as default values.", 120,
     3240, 855, 375},
    {kButton, "btnClear", "Clear", "Clear all the input boxes.", 1320, 3240, 855, 375},
    {kButton, "btnContinue", "Continue",
     "Set the header information as displayed and close the dialog.", 2520, 3240, 855, 375},
    {kButton, "btnCancel", "Cancel", "Close the dialog without changing header information.", 3720,
     3240, 855, 375},
    {kLabel, "lblDefaultsFile", "", nullptr, 120, 3780, 4455, 240},
};

// The choices offered by the three lists; any other text may be typed.
struct ListChoices {
  const char* list;
  std::initializer_list<const char*> choices;
};
const ListChoices kListChoices[] = {
    {"txtHD", {"NAD83(96)", "NAD83(86)", "NAD27", "Other"}},
    {"txtVD", {"NAVD88", "NGVD29", "Other"}},
    {"txtPR",
     {"State Plane North Zone", "State Plane Central Zone", "State Plane South Zone",
      "UTM Zone 15E", "Latitude & Longitude"}},
};

constexpr const char* kTabOrder[] = {"txtTH", "txtSP",   "txtHD",    "txtVD",       "txtPR",
                                     "txtCM", "btnSave", "btnClear", "btnContinue", "btnCancel"};

std::string Trimmed(const QString& text) {
  return std::string(Trim(FromQt(text)));
}

// The description box is multi-line; its line breaks are kept as CR LF like every other
// line end of the report.
std::string DescriptionText(const QString& text) {
  QString lines = text;
  lines.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return Trimmed(lines);
}

}  // namespace

HeaderDialog::HeaderDialog(Session& session, Prompter& prompter, QWidget* owner)
    : QDialog(owner), session_(session), prompter_(prompter) {
  setObjectName(QStringLiteral("frmVelkoraHeader"));
  setWindowTitle(QStringLiteral(" Velkora Header Information"));
  setFont(DesignFont());
  setFixedSize(Twips(4710), Twips(4230));
  PlaceControls(this, kControls);
  for (const ListChoices& list : kListChoices) {
    auto* box = Find<QComboBox>(list.list);
    for (const char* choice : list.choices) {
      box->addItem(QString::fromLatin1(choice));
    }
  }
  ChainTabOrder(this, kTabOrder);
  txtTH_ = Find<QLineEdit>("txtTH");
  txtSP_ = Find<QLineEdit>("txtSP");
  txtHD_ = Find<QComboBox>("txtHD");
  txtVD_ = Find<QComboBox>("txtVD");
  txtPR_ = Find<QComboBox>("txtPR");
  txtCM_ = Find<QPlainTextEdit>("txtCM");
  lblDefaultsFile_ = Find<QLabel>("lblDefaultsFile");

  auto* proceed = Find<QPushButton>("btnContinue");
  proceed->setDefault(true);
  connect(Find<QPushButton>("btnSave"), &QPushButton::clicked, this, &HeaderDialog::SaveDefaults);
  connect(Find<QPushButton>("btnClear"), &QPushButton::clicked, this, &HeaderDialog::ClearBoxes);
  connect(proceed, &QPushButton::clicked, this, &HeaderDialog::Continue);
  // Cancel, Esc and the title bar's close leave the header as it was.
  connect(Find<QPushButton>("btnCancel"), &QPushButton::clicked, this, &QDialog::reject);
}

void HeaderDialog::showEvent(QShowEvent* event) {
  const HeaderInfo& hdr = session_.header;
  txtTH_->setText(ToQt(hdr.THNumber));
  txtSP_->setText(ToQt(hdr.SPNumber));
  txtCM_->setPlainText(ToQtLines(hdr.Comments));
  txtHD_->setEditText(ToQt(hdr.HorDatum));
  txtVD_->setEditText(ToQt(hdr.VerDatum));
  txtPR_->setEditText(ToQt(hdr.CoordSys));
  ShowDefaultsFile();
  txtTH_->setFocus();
  QDialog::showEvent(event);
}

// A long path is shortened in the middle to the label's width; its tooltip holds it whole.
void HeaderDialog::ShowDefaultsFile() {
  const QString caption = QString::fromLatin1(kDefaultsFileCaption);
  const QString path = ToQt(session_.iniPath);
  const QFontMetrics metrics(lblDefaultsFile_->font());
  const int room = lblDefaultsFile_->width() - metrics.horizontalAdvance(caption) - 2;
  lblDefaultsFile_->setText(caption + metrics.elidedText(path, Qt::ElideMiddle, room));
  lblDefaultsFile_->setToolTip(path);
}

HeaderInfo HeaderDialog::Boxes() const {
  HeaderInfo boxes;
  boxes.THNumber = Trimmed(txtTH_->text());
  boxes.SPNumber = Trimmed(txtSP_->text());
  boxes.Comments = DescriptionText(txtCM_->toPlainText());
  boxes.HorDatum = Trimmed(txtHD_->currentText());
  boxes.VerDatum = Trimmed(txtVD_->currentText());
  boxes.CoordSys = Trimmed(txtPR_->currentText());
  return boxes;
}

void HeaderDialog::Continue() {
  session_.header = Boxes();
  accept();
}

void HeaderDialog::ClearBoxes() {
  for (QLineEdit* box : {txtTH_, txtSP_}) {
    box->clear();
  }
  for (QComboBox* box : {txtHD_, txtVD_, txtPR_}) {
    box->setEditText(QString());
  }
  txtCM_->clear();
}

void HeaderDialog::SaveDefaults() {
  std::string error;
  // The user's configuration folder may not exist yet.
  if (!CreateSettingsFolder(session_.iniPath) ||
      !WriteHeaderDefaults(session_.iniPath, Boxes(), error)) {
    prompter_.ShowMessage(FileErrorMessage(kCannotSaveDefaultsText, session_.iniPath));
  }
}

}  // namespace velkora
