// "Scale From Projection" from the Report menu, as a user drives it: the source pivot as the
// grid point, the CRS's name once typed, a refusal told, a stale result not usable, and "Use
// This Scale" filling the scale box; then "Reverse Factors" on the main window.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "desktop/WindowFixture.h"

namespace velkora::testing {
namespace {

void TypeIn(QWidget* dialog, const char* box, const char* text) {
  auto* edit = In<QLineEdit>(dialog, box);
  edit->setFocus(Qt::TabFocusReason);
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClicks(edit, QString::fromLatin1(text));
}

using ProjectionDialogTest = WindowFixture;

TEST_F(ProjectionDialogTest, ComputesAtThePivotAndUsesTheScale) {
  Type("SPPX", "1285643.215");
  Type("SPPY", "412387.932");
  bool opened = false;
  WhenModal(window.get(), [&](QWidget* dialog) {
    opened = true;
    EXPECT_EQ(In<QLineEdit>(dialog, "txtGridX")->text().toStdString(), "1285643.215");
    TypeIn(dialog, "txtCrs", "EPSG:99999");
    In<QPushButton>(dialog, "btnComputeScale")->click();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "unknown coordinate reference system: EPSG:99999");
    EXPECT_FALSE(In<QPushButton>(dialog, "btnUseScale")->isEnabled());

    TypeIn(dialog, "txtCrs", "EPSG:2264");
    TypeIn(dialog, "txtElevation", "245");
    TypeIn(dialog, "txtGeoid", "-102.5");
    In<QPushButton>(dialog, "btnComputeScale")->click();
    EXPECT_EQ(In<QLabel>(dialog, "lblCrsName")->text().toStdString(),
              "NAD83 / North Carolina (ftUS); unit: US survey foot");
    EXPECT_TRUE(In<QPlainTextEdit>(dialog, "txtFigures")
                    ->toPlainText()
                    .contains(QStringLiteral("combined factor: 0.9998890573\n")));
    // A box edited after Compute makes the figures stale.
    TypeIn(dialog, "txtElevation", "2450");
    EXPECT_FALSE(In<QPushButton>(dialog, "btnUseScale")->isEnabled());
    In<QComboBox>(dialog, "lstDirection")->setCurrentIndex(1);
    TypeIn(dialog, "txtElevation", "245");
    In<QPushButton>(dialog, "btnComputeScale")->click();
    In<QPushButton>(dialog, "btnUseScale")->click();
    // The main window shows the scale at once, behind the dialog.
    EXPECT_EQ(Find<QLineEdit>("txtDS")->text().toStdString(), "0.999889057348664");
    In<QPushButton>(dialog, "btnClose")->click();
  });
  Entry("mnuProjection")->trigger();
  EXPECT_TRUE(opened);
  EXPECT_TRUE(Find("ignoreDS")->isEnabled());
  EXPECT_EQ(session.projectionScale.direction, GridDirection::kGroundToGrid);

  Entry("mnuReverse")->trigger();
  EXPECT_EQ(Find<QLineEdit>("txtDS")->text().toStdString(), "1.00011095496097");
  EXPECT_EQ(session.projectionScale.direction, GridDirection::kGridToGround);
}

}  // namespace
}  // namespace velkora::testing
