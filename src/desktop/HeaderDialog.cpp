// The header dialog's layout and its Continue, Cancel, Clear and Save commands, with the
// defaults file that Save writes named at the bottom.
#include "desktop/HeaderDialog.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string>

#include "desktop/CommonView.h"
#include "engine/settings/HeaderDefaults.h"
#include "engine/settings/SettingsLocation.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

constexpr const char* kCannotSaveDefaultsText = "Unable To Save The Header Defaults In:";
constexpr const char* kDefaultsFileCaption = "Defaults file: ";

QLabel* PlaceLabel(QWidget* parent, const char* name, const char* caption, const QRect& rect) {
  auto* label = new QLabel(QString::fromLatin1(caption), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(rect);
  return label;
}

QComboBox* PlaceList(QWidget* parent, const char* name, const QStringList& items,
                     const QRect& rect) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->addItems(items);
  box->setGeometry(rect);
  return box;
}

QPushButton* PlaceButton(QWidget* parent, const char* name, const char* caption,
                         const char* tooltip, double left) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(QString::fromLatin1(tooltip));
  button->setAutoDefault(false);
  button->setGeometry(TwipRect(left, 3240, 855, 375));
  return button;
}

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
  // Taller than the buttons need by one line: the defaults file's name.
  setFixedSize(Twips(4710), Twips(4230));

  QLabel* intro = PlaceLabel(this, "Label4",
                             "Enter additional information to be included in the report header. "
                             "Only those items that contain data will appear in the report.",
                             TwipRect(120, 120, 4455, 600));
  // Down to the row of labels below: the text takes three lines in most fonts.
  intro->setWordWrap(true);
  intro->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  PlaceLabel(this, "Label1", "T.H. #", TwipRect(120, 720, 700, 240));
  txtTH_ = new QLineEdit(this);
  txtTH_->setObjectName(QStringLiteral("txtTH"));
  txtTH_->setGeometry(TwipRect(120, 960, 495, 285));

  PlaceLabel(this, "Label2", "S.P. Number", TwipRect(840, 720, 1150, 240));
  txtSP_ = new QLineEdit(this);
  txtSP_->setObjectName(QStringLiteral("txtSP"));
  txtSP_->setGeometry(TwipRect(840, 960, 975, 285));

  PlaceLabel(this, "Label5", "Datum/Adjustment", TwipRect(2040, 720, 1500, 240));
  txtHD_ = PlaceList(this, "txtHD",
                     {QStringLiteral("NAD83(96)"), QStringLiteral("NAD83(86)"),
                      QStringLiteral("NAD27"), QStringLiteral("Other")},
                     TwipRect(2040, 960, 1335, 315));

  PlaceLabel(this, "Label7", "Vert. Datum", TwipRect(3600, 720, 1000, 240));
  txtVD_ = PlaceList(this, "txtVD",
                     {QStringLiteral("NAVD88"), QStringLiteral("NGVD29"), QStringLiteral("Other")},
                     TwipRect(3600, 960, 975, 315));

  PlaceLabel(this, "Label6", "Coordinate Projection :", TwipRect(120, 1620, 1680, 240));
  txtPR_ = PlaceList(
      this, "txtPR",
      {QStringLiteral("State Plane North Zone"), QStringLiteral("State Plane Central Zone"),
       QStringLiteral("State Plane South Zone"), QStringLiteral("UTM Zone 15E"),
       QStringLiteral("Latitude & Longitude")},
      TwipRect(1800, 1560, 2775, 315));

  PlaceLabel(this, "Label3", "General Description / Job Limits / Etc.",
             TwipRect(120, 2160, 4455, 240));
  txtCM_ = new QPlainTextEdit(this);
  txtCM_->setObjectName(QStringLiteral("txtCM"));
  txtCM_->setGeometry(TwipRect(120, 2400, 4455, 495));
  txtCM_->setTabChangesFocus(true);

  QPushButton* save = PlaceButton(this, "btnSave", "Save",
                                  "Save the current header information as default values.", 120);
  QPushButton* clear = PlaceButton(this, "btnClear", "Clear", "Clear all the input boxes.", 1320);
  QPushButton* proceed =
      PlaceButton(this, "btnContinue", "Continue",
                  "Set the header information as displayed and close the dialog.", 2520);
  proceed->setDefault(true);
  QPushButton* cancel = PlaceButton(this, "btnCancel", "Cancel",
                                    "Close the dialog without changing header information.", 3720);

  lblDefaultsFile_ = PlaceLabel(this, "lblDefaultsFile", "", TwipRect(120, 3780, 4455, 240));

  QWidget* order[] = {txtTH_, txtSP_, txtHD_, txtVD_, txtPR_, txtCM_, save, clear, proceed, cancel};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    setTabOrder(order[i - 1], order[i]);
  }

  connect(save, &QPushButton::clicked, this, &HeaderDialog::SaveDefaults);
  connect(clear, &QPushButton::clicked, this, &HeaderDialog::ClearBoxes);
  connect(proceed, &QPushButton::clicked, this, &HeaderDialog::Continue);
  // Cancel, Esc and the title bar's close leave the header as it was.
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
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
