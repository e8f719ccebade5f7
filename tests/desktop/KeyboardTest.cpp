// The main window driven by the keyboard alone: the menus open on their Alt keys, and a
// whole conversion is set up and run with the menus, Tab, typing, arrows, Space and Esc.
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <fstream>
#include <sstream>

#include "desktop/GuiFixture.h"

namespace velkora::testing {
namespace {

class KeyboardTest : public MainWindowFixture {
 public:
  // The key goes where the user's key would: to the open menu, else to the focused control.
  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::activePopupWidget();
    if (target == nullptr) {
      target = QApplication::focusWidget();
    }
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    QApplication::processEvents();
  }

  // Tabs forward until `name` has the focus.
  void TabTo(const char* name) {
    for (int presses = 0; presses < 60; ++presses) {
      if (FocusName() == name) {
        return;
      }
      Press(Qt::Key_Tab);
    }
    FAIL() << "Tab never reached " << name;
  }

  void TypeKeys(const QString& text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
    QApplication::processEvents();
  }
};

TEST_F(KeyboardTest, AltKeysOpenTheMenus) {
  const std::pair<Qt::Key, const char*> rows[] = {
      {Qt::Key_F, "file"}, {Qt::Key_R, "mnuReport"}, {Qt::Key_H, "mnuHelp"}};
  for (const auto& [key, menu] : rows) {
    Press(key, Qt::AltModifier);
    QWidget* open = QApplication::activePopupWidget();
    ASSERT_NE(open, nullptr) << menu;
    EXPECT_EQ(open->objectName().toStdString(), menu);
    Press(Qt::Key_Escape);
    Press(Qt::Key_Escape);
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr) << menu;
    ASSERT_TRUE(window->isVisible()) << menu;
  }
}

TEST_F(KeyboardTest, WholeConversionWithoutTheMouse) {
  const std::string output = programFolder.filePath(QStringLiteral("keyboard.txt")).toStdString();
  prompter.fileAnswers.push_back(DataFile("comma-delimited.txt"));

  // File > Load An Input File: the entry under the first separator.
  Press(Qt::Key_F, Qt::AltModifier);
  Press(Qt::Key_Down);
  Press(Qt::Key_Return);
  ASSERT_EQ(prompter.dialogs.size(), 1u);
  EXPECT_EQ(prompter.dialogs[0].title, "Select An Input File");
  ASSERT_EQ(Find<QComboBox>("loadedFiles")->count(), 1);

  TabTo("txtDX");
  TypeKeys(QStringLiteral("100"));
  TabTo("txtDY");
  TypeKeys(QStringLiteral("-200.5"));
  TabTo("oFileName");
  TypeKeys(QString::fromStdString(output));
  TabTo("outFormat");
  Press(Qt::Key_Down);
  EXPECT_EQ(form.outFormat.selected, 0);
  TabTo("btnCompute");

  std::string caption;
  WhenModal(window.get(), [&caption](QWidget* report) {
    caption = report->windowTitle().toStdString();
    QTest::keyClick(report, Qt::Key_Escape);
  });
  Press(Qt::Key_Space);
  EXPECT_EQ(caption, "Velkora Report     (Contains 1 Run)");
  EXPECT_TRUE(prompter.messages.empty());

  std::ifstream in(output, std::ios::binary);
  std::ostringstream written;
  written << in.rdbuf();
  EXPECT_NE(written.str().find("\r\n101,1285743.2150,412187.4320,245.1180,IRON PIN FOUND,IPF\r\n"),
            std::string::npos);
}

// A format name the box completes as it is typed is the name the run uses.
TEST_F(KeyboardTest, TypedFormatNameIsTakenAsTheBoxCompletesIt) {
  const std::pair<const char*, std::int64_t> rows[] = {
      {"Comma", 0}, {"Geopak Delimited /", 2}, {"SDMS", 5}, {"Tavrin 80", 6}};
  for (const auto& [typed, entry] : rows) {
    Find("outFormat")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    auto* box = Find<QComboBox>("outFormat");
    box->lineEdit()->selectAll();
    Press(Qt::Key_Backspace);
    TypeKeys(QString::fromLatin1(typed));
    Press(Qt::Key_Tab);
    EXPECT_EQ(box->currentText().toStdString(), kOutputFormatNames[entry]) << typed;
    EXPECT_EQ(form.outFormat.selected, entry) << typed;
    EXPECT_EQ(form.outFormat.text, kOutputFormatNames[entry]) << typed;
  }
}

}  // namespace
}  // namespace velkora::testing
