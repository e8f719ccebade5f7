// The main window as the user drives it: a whole conversion by keyboard alone and one by mouse
// alone, each with a factor ticked off, and the drops, keys and commands around the boxes.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>

#include "desktop/WindowFixture.h"

namespace velkora::testing {
namespace {

class MainWindowFlow : public WindowFixture {
 public:
  // The key goes where the user's key would: to the open menu, else to the focused control.
  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::activePopupWidget();
    target = target != nullptr ? target : QApplication::focusWidget();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    QApplication::processEvents();
  }

  void TabTo(const char* name) {
    for (int presses = 0; presses < 60 && FocusName() != name; ++presses) {
      Press(Qt::Key_Tab);
    }
    ASSERT_EQ(FocusName(), name);
  }

  void TypeKeys(const char* text) {
    QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text));
  }

  void Click(QWidget* widget, QPoint at = {}) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier,
                      at.isNull() ? widget->rect().center() : at);
    QApplication::processEvents();
  }

  // Opens the point browser by its pick button and double-clicks line `row` of its list.
  void PickByDoubleClick(const char* button, int row) {
    WhenModal(window.get(), [row](QWidget* browser) {
      auto* list = In<QListView>(browser, "pointList");
      const QPoint where = list->visualRect(list->model()->index(row, 0)).center();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, where);
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, where);
    });
    Click(Find(button));
  }

  // Computes and closes the report window with `key`; its caption.
  std::string ComputeWith(const std::function<void()>& press) {
    std::string caption;
    WhenModal(window.get(), [&caption](QWidget* report) {
      caption = report->windowTitle().toStdString();
      QTest::keyClick(report, Qt::Key_Escape);
    });
    press();
    return caption;
  }
};

// The menus, Tab, typing and Space only; "No Rotation" ticked drops the angle typed, which
// would otherwise need a pivot.
TEST_F(MainWindowFlow, KeyboardOnlyConversion) {
  prompter.fileAnswers.push_back(DataPath("comma-delimited.txt").string());
  Press(Qt::Key_F, Qt::AltModifier);
  Press(Qt::Key_Down);
  Press(Qt::Key_Return);
  ASSERT_EQ(prompter.dialogs.size(), 1u);
  EXPECT_EQ(prompter.dialogs[0].title, "Select An Input File");
  TabTo("txtDX");
  TypeKeys("100");
  TabTo("txtDY");
  TypeKeys("-200.5");
  TabTo("txtDR");
  TypeKeys("90 00 00");
  TabTo("ignoreDR");
  Press(Qt::Key_Space);
  TabTo("oFileName");
  TypeKeys(Path("keyboard.txt").c_str());
  TabTo("outFormat");
  Press(Qt::Key_Down);
  TabTo("btnCompute");
  EXPECT_EQ(ComputeWith([this] { Press(Qt::Key_Space); }), "Velkora Report     (Contains 1 Run)");
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_NE(ReadWhole(Path("keyboard.txt"))
                .find("\r\n101,1285743.2150,412187.4320,245.1180,IRON PIN FOUND,IPF\r\n"),
            std::string::npos);
}

// A quarter turn and a scale of 2 calculated from picked points; "No Scaling" ticked by a
// click leaves the turn alone.
TEST_F(MainWindowFlow, MouseOnlyConversion) {
  WriteWhole(folder / "control.csv",
             "1,1000,1000\r\n2,1000,1100\r\n11,5000,5000\r\n12,5200,5000\r\n");
  WriteWhole(folder / "in.csv", "7,1000,1100\r\n");
  prompter.fileAnswers = {Path("control.csv"), Path("in.csv"), Path("mouse.txt")};
  Click(Find("btnGetRName"));
  PickByDoubleClick("btnSPP", 0);
  PickByDoubleClick("btnSRP", 1);
  PickByDoubleClick("btnDPP", 2);
  PickByDoubleClick("btnDRP", 3);
  Click(Find("compDeltas"));
  EXPECT_EQ(Find<QLineEdit>("txtDR")->text().toStdString(), "+90 00 00");
  EXPECT_EQ(Find<QLineEdit>("txtDS")->text().toStdString(), "2");
  Click(Find("ignoreDS"));
  Click(Find("btnAdd"));
  Click(Find("btnGetOName"));
  auto* format = Find<QComboBox>("outFormat");
  Click(format, QPoint(format->width() - 6, format->height() / 2));
  auto* entries = qobject_cast<QListView*>(format->view());
  ASSERT_TRUE(entries != nullptr && entries->isVisible());
  // The list ignores a release that comes as quickly as the one of the opening click.
  QTest::qWait(QApplication::doubleClickInterval() + 100);
  Click(entries->viewport(), entries->visualRect(entries->model()->index(0, 0)).center());
  EXPECT_EQ(ComputeWith([this] { Click(Find("btnCompute")); }),
            "Velkora Report     (Contains 1 Run)");
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(ReadWhole(Path("mouse.txt")), "7,5100.0000,5000.0000\r\n");
}

TEST_F(MainWindowFlow, DropsKeysAndCommandsAroundTheBoxes) {
  const std::string comma = DataPath("comma-delimited.txt").string();
  const std::string sdms = DataPath("sdms.txt").string();
  Drop("rFileName", {comma, sdms});
  EXPECT_EQ(Find<QLineEdit>("rFileName")->text().toStdString(), comma);
  EXPECT_EQ(session.reference.lines.size(), 5u);
  Drop("oFileName", {sdms, comma});
  EXPECT_EQ(Find<QLineEdit>("oFileName")->text().toStdString(), sdms);
  Drop("btnAdd", {comma, Path("missing.txt"), sdms});
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Unable To Open Specified File:\r\n" + Path("missing.txt"));
  EXPECT_EQ(Find<QComboBox>("loadedFiles")->count(), 2);
  EXPECT_EQ(
      Find<QLabel>("lblCount")->text().toStdString(),
      std::string(15, ' ') + "Input File List :" + std::string(26, ' ') + "( 2 Files In List )");
  QTest::keyClick(Find("loadedFiles"), Qt::Key_Backspace);
  EXPECT_EQ(Find<QComboBox>("loadedFiles")->count(), 0);
  EXPECT_TRUE(Find("btnListClr")->isHidden());

  // A format name the box completes as it is typed is the one the run uses.
  Drop("loadedFiles", {comma});
  Find("outFormat")->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(Find<QComboBox>("outFormat")->lineEdit(), QStringLiteral("Tavrin 80"));
  QTest::keyClick(Find("outFormat"), Qt::Key_Tab);
  EXPECT_EQ(form.outFormat.selected, 6);

  // A refused run: its message, and the focus on the box at fault.
  Type("oFileName", "");
  Find<QPushButton>("btnCompute")->click();
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[1].text, "Output file is not specified.");
  QApplication::processEvents();
  EXPECT_EQ(FocusName(), "oFileName");

  // Clear All empties what the window shows but keeps the suppression choice.
  Find<QAbstractButton>("chkSuppress")->click();
  Type("txtDX", "12.5");
  Entry("mnuFilClr")->trigger();
  EXPECT_EQ(Find<QLineEdit>("txtDX")->text().toStdString(), "");
  EXPECT_EQ(Find<QLineEdit>("rFileName")->text().toStdString(), "");
  EXPECT_EQ(Find<QComboBox>("loadedFiles")->count(), 0);
  EXPECT_EQ(Find<QComboBox>("outFormat")->currentIndex(), -1);
  EXPECT_FALSE(Find<QAbstractButton>("chkSuppress")->isChecked());

  // Esc anywhere in the window presses Exit.
  QTest::keyClick(Find("txtDX"), Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace velkora::testing
