// The fit dialog's controls and commands; the rows, the lookups and the fit are the engine's.
#include "desktop/FitDialog.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/FitCommands.h"
#include "desktop/CommonView.h"
#include "desktop/FitPictureView.h"

namespace velkora {

namespace {

constexpr int kResidualColumns = 80;

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

bool IsNumberColumn(int column) {
  return column == kSourceNumber || column == kDestNumber;
}

}  // namespace

FitDialog::FitDialog(Session& session, MainForm& form, Prompter& prompter, QWidget* owner)
    : QDialog(owner), session_(session), form_(form), prompter_(prompter) {
  setObjectName(QStringLiteral("frmFitPairs"));
  setWindowTitle(QString::fromLatin1(kFitDialogTitle));
  setFont(DesignFont());
  setModal(true);

  pairTable_ = new QTableWidget(0, static_cast<int>(kFitColumnCaptions.size()), this);
  pairTable_->setObjectName(QStringLiteral("pairTable"));
  QStringList captions;
  for (const char* caption : kFitColumnCaptions) {
    captions.append(QString::fromLatin1(caption));
  }
  pairTable_->setHorizontalHeaderLabels(captions);
  pairTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  pairTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
  pairTable_->setToolTip(QStringLiteral(
      "Type a point number of the reference file, or type the coordinates of the point."));

  auto* btnAddRow = MakeButton(this, "btnAddRow", "Add Row");
  auto* btnRemoveRow = MakeButton(this, "btnRemoveRow", "Remove Row");
  auto* btnFit = MakeButton(this, "btnFit", "Fit");
  btnFit->setToolTip(QStringLiteral("Fit the shift, rotation and scale to all the pairs."));
  btnUseFactors_ = MakeButton(this, "btnUseFactors", "Use These Factors");
  btnUseFactors_->setToolTip(
      QStringLiteral("Put the fitted factors and the source pivot into the main window."));
  btnUseFactors_->setEnabled(false);
  auto* btnClose = MakeButton(this, "btnClose", "Close");

  txtResiduals_ = new QPlainTextEdit(this);
  txtResiduals_->setObjectName(QStringLiteral("txtResiduals"));
  txtResiduals_->setFont(FixedFont(8.25));
  txtResiduals_->setReadOnly(true);
  txtResiduals_->setLineWrapMode(QPlainTextEdit::NoWrap);
  const QFontMetrics fixed(txtResiduals_->font());
  txtResiduals_->setMinimumWidth(fixed.horizontalAdvance(QString(kResidualColumns + 2, u'0')) +
                                 txtResiduals_->verticalScrollBar()->sizeHint().width());
  picture_ = new FitPictureView(this);

  auto* tableButtons = new QHBoxLayout;
  tableButtons->addWidget(btnAddRow);
  tableButtons->addWidget(btnRemoveRow);
  tableButtons->addStretch();
  tableButtons->addWidget(btnFit);
  auto* results = new QHBoxLayout;
  results->addWidget(txtResiduals_);
  results->addWidget(picture_, 1);
  auto* closing = new QHBoxLayout;
  closing->addStretch();
  closing->addWidget(btnUseFactors_);
  closing->addWidget(btnClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pairTable_, 1);
  layout->addLayout(tableButtons);
  layout->addLayout(results, 2);
  layout->addLayout(closing);

  for (const FitPairRow& row : StartingFitRows(form_)) {
    AddRow(row);
  }
  connect(pairTable_, &QTableWidget::itemChanged, this, &FitDialog::CellEdited);
  connect(btnAddRow, &QPushButton::clicked, this, [this] { AddRow(FitPairRow{}); });
  connect(btnRemoveRow, &QPushButton::clicked, this, &FitDialog::RemoveRow);
  connect(btnFit, &QPushButton::clicked, this, &FitDialog::Fit);
  connect(btnUseFactors_, &QPushButton::clicked, this, &FitDialog::UseFactors);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
  QSize size = sizeHint().expandedTo(QSize(1100, 640));
  if (const QScreen* shownOn = screen()) {
    size = size.boundedTo(shownOn->availableGeometry().size());
  }
  resize(size);
}

void FitDialog::AddRow(const FitPairRow& row) {
  const int rowIndex = pairTable_->rowCount();
  pairTable_->insertRow(rowIndex);
  WriteRow(rowIndex, row);
}

std::vector<FitPairRow> FitDialog::Rows() const {
  std::vector<FitPairRow> rows;
  for (int r = 0; r < pairTable_->rowCount(); ++r) {
    FitPairRow row;
    for (int c = 0; c < pairTable_->columnCount(); ++c) {
      const QTableWidgetItem* item = pairTable_->item(r, c);
      row[static_cast<std::size_t>(c)] = item != nullptr ? FromQt(item->text()) : std::string();
    }
    rows.push_back(row);
  }
  return rows;
}

void FitDialog::WriteRow(int rowIndex, const FitPairRow& row) {
  writing_ = true;
  for (int c = 0; c < pairTable_->columnCount(); ++c) {
    const QString text = ToQt(row[static_cast<std::size_t>(c)]);
    QTableWidgetItem* item = pairTable_->item(rowIndex, c);
    if (item == nullptr) {
      pairTable_->setItem(rowIndex, c, new QTableWidgetItem(text));
    } else if (item->text() != text) {
      item->setText(text);
    }
  }
  writing_ = false;
}

// Any edit makes the shown fit stale: its factors may no longer be used.
void FitDialog::CellEdited(QTableWidgetItem* item) {
  if (writing_) {
    return;
  }
  btnUseFactors_->setEnabled(false);
  if (!IsNumberColumn(item->column())) {
    return;
  }
  const int rowIndex = item->row();
  FitPairRow row = Rows()[static_cast<std::size_t>(rowIndex)];
  const auto column = static_cast<FitColumn>(item->column());
  ApplyFitLookup(row, column, LookUpFitPoint(session_, form_, FromQt(item->text())));
  WriteRow(rowIndex, row);
}

void FitDialog::RemoveRow() {
  const int current = pairTable_->currentRow();
  pairTable_->removeRow(current >= 0 ? current : pairTable_->rowCount() - 1);
  btnUseFactors_->setEnabled(false);
}

void FitDialog::Fit() {
  const PairsOutcome rows = PairsFromRows(Rows());
  FitOutcome outcome;
  if (rows.error.empty()) {
    outcome = FitControlPairs(rows.pairs);
  }
  const std::string& error = rows.error.empty() ? outcome.error : rows.error;
  if (!outcome.fit) {
    btnUseFactors_->setEnabled(false);
    prompter_.ShowMessage(
        Message{error, MessageIcon::kExclamation, MessageButtons::kOk, kFitDialogTitle});
    return;
  }
  pairs_ = rows.pairs;
  fit_ = *outcome.fit;
  txtResiduals_->setPlainText(ToQtLines(FormatResidualTable(pairs_, *fit_)));
  picture_->SetFit(pairs_, *fit_);
  btnUseFactors_->setEnabled(true);
}

void FitDialog::UseFactors() {
  if (!fit_) {
    return;
  }
  UseFitFactors(session_, form_, pairs_, *fit_);
  usedPairs_ = pairs_;
  emit FactorsUsed();
}

}  // namespace velkora
