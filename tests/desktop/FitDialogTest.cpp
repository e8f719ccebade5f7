// The fit dialog from the Report menu: pairs looked up and typed, Fit with its residual table
// and picture, the messages of a refused fit, "Use These Factors", and the report window's
// preview after a run. Pictures are saved as PNG files and checked for size and content.
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <set>

#include "app/FitPairRows.h"
#include "desktop/CommonView.h"
#include "desktop/FitDialog.h"
#include "desktop/PictureMarksView.h"
#include "desktop/ReportWindow.h"
#include "engine/text/NumberText.h"
#include "desktop/GuiFixture.h"

namespace velkora::testing {
namespace {

template <typename Widget = QWidget>
Widget* In(QWidget* dialog, const char* name) {
  auto* found = dialog->findChild<Widget*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

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

// What a saved picture holds: its size, how many colours, how many pixels of one colour.
struct SavedPicture {
  bool saved = false;
  QSize size;
  std::size_t colours = 0;
  int pixelsOfColour = 0;
};

SavedPicture SaveAndRead(QWidget* picture, const QString& path, const QColor& colour) {
  SavedPicture result;
  result.saved = picture->grab().save(path, "PNG");
  const QImage image(path);
  result.size = image.size();
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      colours.insert(pixel);
      if (qRed(pixel) == colour.red() && qGreen(pixel) == colour.green() &&
          qBlue(pixel) == colour.blue()) {
        ++result.pixelsOfColour;
      }
    }
  }
  result.colours = colours.size();
  return result;
}

void ExpectDrawn(const SavedPicture& picture, const QSize& widgetSize, int fewestOfColour,
                 const char* what) {
  EXPECT_TRUE(picture.saved) << what;
  EXPECT_EQ(picture.size, widgetSize) << what;
  EXPECT_GE(picture.size.width(), 300) << what;
  EXPECT_GE(picture.size.height(), 200) << what;
  EXPECT_GT(picture.colours, 2u) << what;
  EXPECT_GE(picture.pixelsOfColour, fewestOfColour) << what;
}

class FitDialogTest : public MainWindowFixture {
 public:
  void LoadControlPairs() {
    Type("rFileName", QString::fromStdString(DataFile("fit/control-pairs.csv")));
    Leave("rFileName");
    const std::pair<const char*, const char*> numbers[] = {
        {"SPPN", "1"}, {"DPPN", "101"}, {"SRPN", "2"}, {"DRPN", "102"}};
    for (const auto& [box, number] : numbers) {
      Type(box, QString::fromLatin1(number));
      Leave(box);
    }
  }

  // Opens the dialog from the Report menu and runs `act` in it.
  void OpenFitDialog(const std::function<void(QWidget*)>& act) {
    bool opened = false;
    WhenModal(window.get(), [&](QWidget* dialog) {
      opened = true;
      act(dialog);
      In<QPushButton>(dialog, "btnClose")->click();
    });
    Entry("mnuFitPairs")->trigger();
    EXPECT_TRUE(opened);
  }

  QTemporaryDir pictures;
};

TEST_F(FitDialogTest, ReportMenuOpensTheDialogWithTheFormsPairs) {
  EXPECT_EQ(Entry("mnuFitPairs")->text().toStdString(), "Fit From Control Pairs...");
  LoadControlPairs();
  OpenFitDialog([](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Fit From Control Pairs");
    auto* table = In<QTableWidget>(dialog, "pairTable");
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(RowOf(table, 0), (FitPairRow{"1", "1000", "1000", "101", "5000", "5000"}));
    EXPECT_EQ(RowOf(table, 1), (FitPairRow{"2", "1000", "1100", "102", "5100", "5000"}));
    EXPECT_EQ(table->horizontalHeaderItem(3)->text().toStdString(), "Destination Point");
    EXPECT_FALSE(In<QPushButton>(dialog, "btnUseFactors")->isEnabled());
  });
}

TEST_F(FitDialogTest, FitShowsTheResidualTableAndThePictureThenFillsTheForm) {
  LoadControlPairs();
  ASSERT_TRUE(pictures.isValid());
  ControlFit expectedFit;
  std::vector<ControlPair> expectedPairs;
  OpenFitDialog([&](QWidget* dialog) {
    auto* table = In<QTableWidget>(dialog, "pairTable");
    In<QPushButton>(dialog, "btnAddRow")->click();
    // A number typed as the user does, committed with Enter, is looked up.
    table->editItem(table->item(2, kSourceNumber));
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("3"));
    QTest::keyClick(editor, Qt::Key_Return);
    // The table commits a typed cell from its event queue.
    QApplication::processEvents();
    SetCell(table, 2, kDestNumber, "103");
    EXPECT_EQ(RowOf(table, 2), (FitPairRow{"3", "1100", "1100", "103", "5100", "4900"}));
    // A number not in the file empties its coordinates; coordinates typed after it stay.
    In<QPushButton>(dialog, "btnAddRow")->click();
    SetCell(table, 3, kSourceX, "1100");
    SetCell(table, 3, kSourceY, "1000");
    SetCell(table, 3, kDestX, "1");
    SetCell(table, 3, kDestY, "2");
    SetCell(table, 3, kDestNumber, "999");
    EXPECT_EQ(RowOf(table, 3), (FitPairRow{"", "1100", "1000", "999", "", ""}));
    SetCell(table, 3, kDestX, "5000.05");
    SetCell(table, 3, kDestY, "4900");
    In<QPushButton>(dialog, "btnFit")->click();

    std::vector<FitPairRow> rows;
    for (int r = 0; r < table->rowCount(); ++r) {
      rows.push_back(RowOf(table, r));
    }
    expectedPairs = PairsFromRows(rows).pairs;
    ASSERT_EQ(expectedPairs.size(), 4u);
    const FitOutcome outcome = FitControlPairs(expectedPairs);
    ASSERT_TRUE(outcome.fit.has_value());
    expectedFit = *outcome.fit;
    EXPECT_EQ(In<QPlainTextEdit>(dialog, "txtResiduals")->toPlainText(),
              ToQtLines(FormatResidualTable(expectedPairs, expectedFit)));

    QWidget* picture = In(dialog, "picFit");
    const SavedPicture saved = SaveAndRead(
        picture, pictures.filePath(QStringLiteral("fit-dialog.png")), picture::kDestination);
    // Four destination squares and the legend's, 8 pixels across.
    ExpectDrawn(saved, picture->size() * picture->devicePixelRatio(), 5 * 36, "fit picture");

    ASSERT_TRUE(In<QPushButton>(dialog, "btnUseFactors")->isEnabled());
    In<QPushButton>(dialog, "btnUseFactors")->click();
    // The main window shows the fitted factors at once, behind the dialog.
    EXPECT_EQ(Find<QLineEdit>("txtDX")->text().toStdString(), expectedFit.dxText);
  });

  struct Row {
    const char* box;
    std::string expected;
  };
  const Row rows[] = {
      {"txtDX", expectedFit.dxText},
      {"txtDY", expectedFit.dyText},
      {"txtDR", expectedFit.angleText},
      {"txtDS", expectedFit.scaleText},
      {"SPPN", "1"},
      {"SPPX", "1000"},
      {"SPPY", "1000"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Find<QLineEdit>(row.box)->text().toStdString(), row.expected) << row.box;
  }
  EXPECT_TRUE(Find("ignoreDR")->isEnabled());
  EXPECT_FALSE(session.fittedFactors.residualTable.empty());
}

TEST_F(FitDialogTest, RefusedFitsAreToldAndLeaveTheFormAlone) {
  const ControlPair onePair{"", "", 1000, 1000, 5000, 5000};
  struct Row {
    const char* what;
    FitPairRow first;
    FitPairRow second;
    std::string message;
  };
  const Row rows[] = {
      {"a coordinate that is not a number",
       {"", "abc", "1000", "", "5000", "5000"},
       {},
       "Row 1: the source X \"abc\" is not a number."},
      {"an empty coordinate",
       {"", "1000", "1000", "", "5000", "5000"},
       {"", "1000", "1100", "", "5100", ""},
       "Row 2: the destination Y is empty."},
      {"one pair is not enough",
       {"", "1000", "1000", "", "5000", "5000"},
       {},
       FitControlPairs({onePair}).error},
  };
  for (const Row& row : rows) {
    prompter.messages.clear();
    OpenFitDialog([&](QWidget* dialog) {
      auto* table = In<QTableWidget>(dialog, "pairTable");
      for (FitColumn column : {kSourceNumber, kSourceX, kSourceY, kDestNumber, kDestX, kDestY}) {
        SetCell(table, 0, column, row.first[column].c_str());
        SetCell(table, 1, column, row.second[column].c_str());
      }
      In<QPushButton>(dialog, "btnFit")->click();
      EXPECT_FALSE(In<QPushButton>(dialog, "btnUseFactors")->isEnabled()) << row.what;
      EXPECT_TRUE(In<QPlainTextEdit>(dialog, "txtResiduals")->toPlainText().isEmpty());
    });
    ASSERT_EQ(prompter.messages.size(), 1u) << row.what;
    EXPECT_EQ(prompter.messages[0], (Message{row.message, MessageIcon::kExclamation,
                                             MessageButtons::kOk, "Fit From Control Pairs"}))
        << row.what;
    EXPECT_TRUE(form.txtDX.text.empty()) << row.what;
  }
}

TEST_F(FitDialogTest, AnEditAfterTheFitWithdrawsItsFactors) {
  LoadControlPairs();
  OpenFitDialog([](QWidget* dialog) {
    auto* useFactors = In<QPushButton>(dialog, "btnUseFactors");
    In<QPushButton>(dialog, "btnFit")->click();
    EXPECT_TRUE(useFactors->isEnabled());
    SetCell(In<QTableWidget>(dialog, "pairTable"), 1, kDestX, "5100.5");
    EXPECT_FALSE(useFactors->isEnabled());
    In<QPushButton>(dialog, "btnFit")->click();
    EXPECT_TRUE(useFactors->isEnabled());
    In<QPushButton>(dialog, "btnRemoveRow")->click();
    EXPECT_EQ(In<QTableWidget>(dialog, "pairTable")->rowCount(), 1);
    EXPECT_FALSE(useFactors->isEnabled());
  });
}

TEST_F(FitDialogTest, ReportPreviewPlotsTheRunsPointsAndControl) {
  ASSERT_TRUE(pictures.isValid());
  LoadControlPairs();
  Find<QPushButton>("compDeltas")->click();
  Drop("btnAdd", {DataFile("fit/job-points.csv")});
  Type("oFileName", programFolder.filePath(QStringLiteral("converted.txt")));
  Entry("mnuFilSavCDF")->trigger();

  SavedPicture points;
  SavedPicture control;
  QSize pictureSize;
  WhenModal(window.get(), [&](QWidget* report) {
    WhenModal(report, [&](QWidget* preview) {
      EXPECT_EQ(preview->windowTitle().toStdString(), " Velkora Preview ");
      QWidget* picture = In(preview, "picPreview");
      pictureSize = picture->size() * picture->devicePixelRatio();
      const QString path = pictures.filePath(QStringLiteral("preview.png"));
      points = SaveAndRead(picture, path, picture::kPoint);
      control = SaveAndRead(picture, path, picture::kDestination);
      In<QPushButton>(preview, "btnClose")->click();
    });
    In<QPushButton>(report, "btnPreview")->click();
    In<QPushButton>(report, "btnClose")->click();
  });
  Find<QPushButton>("btnCompute")->click();
  // Six points and the legend's, 4 pixels square; two destination control points and the
  // legend's, 8 pixels square.
  ExpectDrawn(points, pictureSize, 7 * 16, "converted points");
  ExpectDrawn(control, pictureSize, 3 * 36, "control points");
  EXPECT_EQ(prompter.messages.size(), 0u);
}

}  // namespace
}  // namespace velkora::testing
