// The projection-scale dialog's controls and commands; reading the boxes, the computation and
// the use of the scale are the app layer's.
#include "desktop/ProjectionScaleDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "desktop/CommonView.h"
#include "desktop/ControlTable.h"

namespace velkora {

namespace {

using enum ControlKind;

constexpr ControlRow kControls[] = {
    {kLabel, "lblCrs", "Coordinate reference system (EPSG:2227, or a PROJ string) :", nullptr, 120,
     120, 5160, 240},
    {kBox, "txtCrs", "", "A projected CRS: an authority code, a PROJ string or WKT.", 120, 360,
     5160, 285},
    {kLabel, "lblCrsName", "", nullptr, 120, 690, 5160, 240},
    {kLabel, "", "Grid Point X", nullptr, 120, 1080, 1680, 240},
    {kBox, "txtGridX", "", "In the CRS's unit; the source pivot to start with.", 1800, 1035, 1800,
     285},
    {kLabel, "", "Grid Point Y", nullptr, 120, 1440, 1680, 240},
    {kBox, "txtGridY", "", nullptr, 1800, 1395, 1800, 285},
    {kLabel, "", "Elevation", nullptr, 120, 1800, 1680, 240},
    {kBox, "txtElevation", "", "The orthometric height at the point, in the CRS's unit.", 1800,
     1755, 1800, 285},
    {kLabel, "", "Geoid Separation", nullptr, 120, 2160, 1680, 240},
    {kBox, "txtGeoid", "", "Ellipsoid minus geoid (the geoid height), in the CRS's unit.", 1800,
     2115, 1800, 285},
    {kLabel, "", "Direction", nullptr, 120, 2520, 1680, 240},
    {kList, "lstDirection", "", nullptr, 1800, 2475, 3480, 315},
    {kButton, "btnComputeScale", "Compute", "Compute the factors at the grid point.", 3960, 1005,
     1320, 375},
    {kTextArea, "txtFigures", "", nullptr, 120, 2940, 5160, 2220},
    {kButton, "btnUseScale", "Use This Scale",
     "Put the scale into the main window's scale box; nothing else changes.", 2520, 5310, 1560,
     375},
    {kButton, "btnClose", "Close", nullptr, 4200, 5310, 1080, 375},
};

constexpr const char* kTabOrder[] = {"txtCrs",          "txtGridX",    "txtGridY",
                                     "txtElevation",    "txtGeoid",    "lstDirection",
                                     "btnComputeScale", "btnUseScale", "btnClose"};

// The entries of lstDirection, in the order of GridDirection.
constexpr const char* kDirections[] = {"Grid to ground (1 / combined factor)",
                                       "Ground to grid (combined factor)"};

}  // namespace

ProjectionScaleDialog::ProjectionScaleDialog(Session& session, MainForm& form, Prompter& prompter,
                                             QWidget* owner)
    : QDialog(owner), session_(session), form_(form), prompter_(prompter) {
  setObjectName(QStringLiteral("frmProjectionScale"));
  setWindowTitle(QString::fromLatin1(kProjectionDialogTitle));
  setFont(DesignFont());
  setModal(true);
  setFixedSize(Twips(5400), Twips(5820));
  PlaceControls(this, kControls);
  ChainTabOrder(this, kTabOrder);
  txtCrs_ = Find<QLineEdit>("txtCrs");
  lblCrsName_ = Find<QLabel>("lblCrsName");
  txtGridX_ = Find<QLineEdit>("txtGridX");
  txtGridY_ = Find<QLineEdit>("txtGridY");
  txtElevation_ = Find<QLineEdit>("txtElevation");
  txtGeoid_ = Find<QLineEdit>("txtGeoid");
  lstDirection_ = Find<QComboBox>("lstDirection");
  txtFigures_ = Find<QPlainTextEdit>("txtFigures");
  btnUseScale_ = Find<QPushButton>("btnUseScale");
  for (const char* direction : kDirections) {
    lstDirection_->addItem(QString::fromLatin1(direction));
  }
  txtFigures_->setFont(FixedFont(8.25));
  txtFigures_->setReadOnly(true);
  txtFigures_->setLineWrapMode(QPlainTextEdit::NoWrap);
  btnUseScale_->setEnabled(false);

  const ProjectionScaleBoxes start = StartingProjectionBoxes(session_, form_);
  txtCrs_->setText(ToQt(start.crs));
  txtGridX_->setText(ToQt(start.x));
  txtGridY_->setText(ToQt(start.y));
  txtElevation_->setText(ToQt(start.elevation));
  txtGeoid_->setText(ToQt(start.geoidSeparation));
  lstDirection_->setCurrentIndex(static_cast<int>(start.direction));
  ShowCrsName();

  for (QLineEdit* box : {txtCrs_, txtGridX_, txtGridY_, txtElevation_, txtGeoid_}) {
    connect(box, &QLineEdit::textEdited, this, &ProjectionScaleDialog::BoxEdited);
  }
  connect(txtCrs_, &QLineEdit::editingFinished, this, &ProjectionScaleDialog::ShowCrsName);
  connect(lstDirection_, &QComboBox::activated, this, &ProjectionScaleDialog::BoxEdited);
  auto* compute = Find<QPushButton>("btnComputeScale");
  compute->setDefault(true);
  connect(compute, &QPushButton::clicked, this, &ProjectionScaleDialog::Compute);
  connect(btnUseScale_, &QPushButton::clicked, this, &ProjectionScaleDialog::UseScale);
  connect(Find<QPushButton>("btnClose"), &QPushButton::clicked, this, &QDialog::accept);
}

ProjectionScaleBoxes ProjectionScaleDialog::Boxes() const {
  return {FromQt(txtCrs_->text()),   FromQt(txtGridX_->text()),
          FromQt(txtGridY_->text()), FromQt(txtElevation_->text()),
          FromQt(txtGeoid_->text()), static_cast<GridDirection>(lstDirection_->currentIndex())};
}

// The name of the CRS typed, with its unit, or why it cannot be used.
void ProjectionScaleDialog::ShowCrsName() {
  const std::string crs = FromQt(txtCrs_->text());
  if (crs.find_first_not_of(' ') == std::string::npos) {
    lblCrsName_->clear();
    return;
  }
  const CrsDescription description = DescribeCrs(crs);
  lblCrsName_->setText(ToQt(description.error.empty()
                                ? description.name + "; unit: " + description.unitName
                                : description.error));
}

// Any edit makes the figures shown stale: their scale may no longer be used.
void ProjectionScaleDialog::BoxEdited() {
  computed_.reset();
  btnUseScale_->setEnabled(false);
}

void ProjectionScaleDialog::Compute() {
  ShowCrsName();
  ProjectionScaleResult result = ComputeScaleFromProjection(Boxes());
  if (!result.use) {
    BoxEdited();
    txtFigures_->clear();
    prompter_.ShowMessage(Message{result.error, MessageIcon::kExclamation, MessageButtons::kOk,
                                  kProjectionDialogTitle});
    return;
  }
  computed_ = std::move(result.use);
  txtFigures_->setPlainText(ToQt(ProjectionFigureLines(computed_->scale, computed_->direction)));
  btnUseScale_->setEnabled(true);
}

void ProjectionScaleDialog::UseScale() {
  if (!computed_) {
    return;
  }
  UseProjectionScale(session_, form_, *computed_);
  emit ScaleUsed();
}

}  // namespace velkora
