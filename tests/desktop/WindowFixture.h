// A main window over a fresh session in a scratch folder, shown offscreen, with helpers that
// act as the user does: typing, leaving a box, dropping files, answering the modal windows.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/Startup.h"
#include "desktop/MainWindow.h"
#include "support/Files.h"
#include "support/ScriptedPrompter.h"

namespace velkora::testing {

template <typename Widget = QWidget>
Widget* In(QObject* parent, const char* name) {
  auto* found = parent->findChild<Widget*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

// Runs `act` on the modal window once one is open (the caller then opens it). The wait ends
// with `context`, so a window that never opened cannot reach into a later test.
inline void WhenModal(QObject* context, std::function<void(QWidget*)> act, int triesLeft = 500) {
  QTimer::singleShot(5, context, [context, act, triesLeft] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
      if (triesLeft > 0) {
        WhenModal(context, act, triesLeft - 1);
      }
      return;
    }
    act(modal);
  });
}

class WindowFixture : public ::testing::Test {
 public:
  void SetUp() override {
    std::filesystem::create_directory(folder / "bin");
    StartUp(session, form, (folder / "bin").string(), {});
    window = std::make_unique<MainWindow>(session, form, prompter);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  template <typename Widget = QWidget>
  Widget* Find(const char* name) {
    return In<Widget>(window.get(), name);
  }
  QAction* Entry(const char* name) { return Find<QAction>(name); }
  std::string Path(const std::string& name) const { return (folder / name).string(); }

  // Types into a box as the user does, replacing its text.
  void Type(const char* box, const std::string& text) {
    auto* edit = Find<QLineEdit>(box);
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, QString::fromStdString(text));
  }

  // Moves the focus from `box` to `next`, as a Tab or a click does.
  void Leave(const char* box, const char* next = "compDeltas") {
    Find(box)->setFocus(Qt::TabFocusReason);
    Find(next)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }

  // Loads the sample reference file and picks its two control pairs: 1 onto 101, 2 onto 102.
  void PickTwoControlPairs() {
    Type("rFileName", DataPath("fit/control-pairs.csv").string());
    Leave("rFileName");
    for (const auto& [box, number] : {std::pair{"SPPN", "1"}, std::pair{"DPPN", "101"},
                                      std::pair{"SRPN", "2"}, std::pair{"DRPN", "102"}}) {
      Type(box, number);
      Leave(box);
    }
  }

  void Drop(const char* target, const std::vector<std::string>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& path : paths) {
      urls.append(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Find(target), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Find(target), &drop);
  }

  // The control with the focus in the main window, or the one that gets it back.
  std::string FocusName() const {
    QWidget* focused = window->focusWidget();
    return focused != nullptr ? focused->objectName().toStdString() : std::string();
  }

  ScratchFolder folder;
  Session session;
  MainForm form;
  ScriptedPrompter prompter;
  std::unique_ptr<MainWindow> window;
};

}  // namespace velkora::testing
