// The main window driven by the mouse alone: control points picked by double-click, factors
// computed, files chosen through the dialogs, the format from the list, and Compute.
#include <QComboBox>
#include <QListView>
#include <QPushButton>
#include <fstream>
#include <sstream>

#include "desktop/GuiFixture.h"

namespace velkora::testing {
namespace {

class MouseTest : public MainWindowFixture {
 public:
  void Click(const char* name) {
    QWidget* widget = Find(name);
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    QApplication::processEvents();
  }

  // Opens the browser by the pick button and double-clicks the point on `row` of its list.
  void PickByDoubleClick(const char* button, int row) {
    WhenModal(window.get(), [row](QWidget* browser) {
      auto* list = browser->findChild<QListView*>(QStringLiteral("pointList"));
      const QPoint where = list->visualRect(list->model()->index(row, 0)).center();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, where);
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, where);
    });
    Click(button);
  }
};

TEST_F(MouseTest, WholeConversionWithoutTheKeyboard) {
  const std::string output = programFolder.filePath(QStringLiteral("mouse.txt")).toStdString();
  prompter.fileAnswers = {DataFile("comma-delimited.txt"), DataFile("comma-delimited.txt"), output};

  Click("btnGetRName");
  PickByDoubleClick("btnSPP", 0);
  PickByDoubleClick("btnSRP", 2);
  PickByDoubleClick("btnDPP", 1);
  PickByDoubleClick("btnDRP", 4);
  EXPECT_EQ(form.SPPN.text, "101");
  EXPECT_EQ(form.SRPN.text, "103");
  EXPECT_EQ(form.DPPN.text, "102");
  EXPECT_EQ(form.DRPN.text, "106");
  Click("compDeltas");
  EXPECT_EQ(form.txtDX.text, "66.8260");
  EXPECT_EQ(form.txtDY.text, "14.6260");

  Click("btnAdd");
  Click("btnGetOName");
  auto* format = Find<QComboBox>("outFormat");
  QTest::mouseClick(format, Qt::LeftButton, Qt::NoModifier,
                    QPoint(format->width() - 6, format->height() / 2));
  QApplication::processEvents();
  QListView* entries = qobject_cast<QListView*>(format->view());
  ASSERT_NE(entries, nullptr);
  ASSERT_TRUE(entries->isVisible());
  // The list ignores a release that comes as quickly as the one of the opening click.
  QTest::qWait(QApplication::doubleClickInterval() + 100);
  QTest::mouseClick(entries->viewport(), Qt::LeftButton, Qt::NoModifier,
                    entries->visualRect(entries->model()->index(0, 0)).center());
  QApplication::processEvents();
  EXPECT_EQ(form.outFormat.selected, 0);

  bool reportShown = false;
  WhenModal(window.get(), [&reportShown](QWidget* report) {
    reportShown = true;
    auto* close = report->findChild<QPushButton*>(QStringLiteral("btnClose"));
    QTest::mouseClick(close, Qt::LeftButton, Qt::NoModifier, close->rect().center());
  });
  Click("btnCompute");
  EXPECT_TRUE(reportShown);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_NE(session.reportText.find("  5 Points"), std::string::npos);

  std::ifstream in(output, std::ios::binary);
  std::ostringstream written;
  written << in.rdbuf();
  EXPECT_NE(written.str().find("\r\n106,"), std::string::npos);
}

}  // namespace
}  // namespace velkora::testing
