// The fit dialog from the Report menu: it opens with the main window's pairs, looks typed
// numbers up, fits, draws the fit, tells a fit it cannot make, withdraws a fit an edit made
// stale, and puts the fitted factors into the main window.
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "app/FitPairRows.h"
#include "desktop/CommonView.h"
#include "desktop/PictureMarksView.h"
#include "desktop/WindowFixture.h"

namespace velkora::testing {
namespace {

FitPairRow RowOf(QTableWidget* table, int row) {
  FitPairRow cells;
  for (int c = 0; c < table->columnCount(); ++c) {
    const QTableWidgetItem* item = table->item(row, c);
    cells[static_cast<std::size_t>(c)] = item != nullptr ? item->text().toStdString() : "";
  }
  return cells;
}

void SetCell(QTableWidget* table, int row, FitColumn column, const char* text) {
  table->item(row, column)->setText(QString::fromLatin1(text));
}

int PixelsOfColour(QWidget* picture, const QColor& colour) {
  const QImage image = picture->grab().toImage();
  int pixels = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      pixels += QColor(image.pixel(x, y)) == colour ? 1 : 0;
    }
  }
  return pixels;
}

class FitDialogFlow : public WindowFixture {
 public:
  void SetUp() override {
    WindowFixture::SetUp();
    PickTwoControlPairs();
  }

  void InFitDialog(const std::function<void(QWidget*, QTableWidget*)>& act) {
    bool opened = false;
    WhenModal(window.get(), [&](QWidget* dialog) {
      opened = true;
      act(dialog, In<QTableWidget>(dialog, "pairTable"));
      In<QPushButton>(dialog, "btnClose")->click();
    });
    Entry("mnuFitPairs")->trigger();
    EXPECT_TRUE(opened);
  }
};

TEST_F(FitDialogFlow, FitsDrawsAndUsesTheFactors) {
  std::vector<FitPairRow> rows;
  InFitDialog([&](QWidget* dialog, QTableWidget* table) {
    EXPECT_EQ(RowOf(table, 0), (FitPairRow{"1", "1000", "1000", "101", "5000", "5000"}));
    EXPECT_EQ(RowOf(table, 1), (FitPairRow{"2", "1000", "1100", "102", "5100", "5000"}));
    EXPECT_FALSE(In(dialog, "btnUseFactors")->isEnabled());
    // A number typed as the user does and committed with Enter is looked up.
    In<QPushButton>(dialog, "btnAddRow")->click();
    table->editItem(table->item(2, kSourceNumber));
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("3"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    SetCell(table, 2, kDestNumber, "103");
    EXPECT_EQ(RowOf(table, 2), (FitPairRow{"3", "1100", "1100", "103", "5100", "4900"}));
    // A number not in the file empties its coordinates; coordinates typed after it stay.
    In<QPushButton>(dialog, "btnAddRow")->click();
    SetCell(table, 3, kSourceX, "1100");
    SetCell(table, 3, kSourceY, "1000");
    SetCell(table, 3, kDestX, "1");
    SetCell(table, 3, kDestNumber, "999");
    EXPECT_EQ(RowOf(table, 3), (FitPairRow{"", "1100", "1000", "999", "", ""}));
    SetCell(table, 3, kDestX, "5000.05");
    SetCell(table, 3, kDestY, "4900");

    In<QPushButton>(dialog, "btnFit")->click();
    for (int r = 0; r < table->rowCount(); ++r) {
      rows.push_back(RowOf(table, r));
    }
    const PairsOutcome pairs = PairsFromRows(rows);
    const FitOutcome fit = FitControlPairs(pairs.pairs);
    ASSERT_TRUE(fit.fit.has_value());
    EXPECT_EQ(In<QPlainTextEdit>(dialog, "txtResiduals")->toPlainText(),
              ToQtLines(FormatResidualTable(pairs.pairs, *fit.fit)));
    // Four destination squares and the legend's: more than the legend alone.
    EXPECT_GT(PixelsOfColour(In(dialog, "picFit"), picture::kDestination), 4 * 36);

    // An edit withdraws the fit until the next Fit; then its factors are used at once.
    SetCell(table, 1, kDestX, "5100.5");
    EXPECT_FALSE(In(dialog, "btnUseFactors")->isEnabled());
    SetCell(table, 1, kDestX, "5100");
    In<QPushButton>(dialog, "btnFit")->click();
    In<QPushButton>(dialog, "btnUseFactors")->click();
    EXPECT_EQ(Find<QLineEdit>("txtDX")->text().toStdString(), fit.fit->texts.dx);
  });
  const FitOutcome fit = FitControlPairs(PairsFromRows(rows).pairs);
  EXPECT_EQ(Find<QLineEdit>("txtDR")->text().toStdString(), fit.fit->texts.angle);
  EXPECT_EQ(Find<QLineEdit>("txtDS")->text().toStdString(), fit.fit->texts.scale);
  EXPECT_EQ(Find<QLineEdit>("SPPX")->text().toStdString(), "1000");
  EXPECT_TRUE(Find("ignoreDR")->isEnabled());
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(FitDialogFlow, AFitThatCannotBeMadeIsTold) {
  InFitDialog([](QWidget* dialog, QTableWidget* table) {
    SetCell(table, 1, kSourceX, "abc");
    In<QPushButton>(dialog, "btnFit")->click();
    EXPECT_FALSE(In(dialog, "btnUseFactors")->isEnabled());
    EXPECT_TRUE(In<QPlainTextEdit>(dialog, "txtResiduals")->toPlainText().isEmpty());
    In<QPushButton>(dialog, "btnRemoveRow")->click();
    EXPECT_EQ(table->rowCount(), 1);
  });
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0],
            (Message{"Row 2: the source X \"abc\" is not a number.", MessageIcon::kExclamation,
                     MessageButtons::kOk, "Fit From Control Pairs"}));
  EXPECT_TRUE(form.txtDX.text.empty());
}

}  // namespace
}  // namespace velkora::testing
