// A main window over a fresh session, shown offscreen, with helpers that act as the user
// does: typing, leaving a box, dropping files and answering the modal windows that open.
#pragma once

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "app/MainForm.h"
#include "app/Session.h"
#include "app/Startup.h"
#include "desktop/MainWindow.h"
#include "support/ScriptedPrompter.h"

namespace velkora::testing {

inline std::string DataFile(const char* name) {
  return std::string(VELKORA_TEST_DATA_DIR) + "/" + name;
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

class MainWindowFixture : public ::testing::Test {
 public:
  void SetUp() override {
    ASSERT_TRUE(programFolder.isValid());
    StartUp(session, form, programFolder.path().toStdString(), {});
    window = std::make_unique<MainWindow>(session, form, prompter);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  template <typename Widget = QWidget>
  Widget* Find(const char* name) {
    auto* found = window->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QAction* Entry(const char* name) { return Find<QAction>(name); }

  // Types into a box as the user does, replacing its text.
  void Type(const char* box, const QString& text) {
    auto* edit = Find<QLineEdit>(box);
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }

  // Moves the focus from `box` to `next`, as a Tab or a click does.
  void Leave(const char* box, const char* next = "compDeltas") {
    Find(box)->setFocus(Qt::TabFocusReason);
    Find(next)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }

  void Drop(const char* target, const std::vector<std::string>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& path : paths) {
      urls.append(QUrl::fromLocalFile(QString::fromStdString(path)));
    }
    data.setUrls(urls);
    QWidget* widget = Find(target);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &drop);
  }

  // The control that has the focus in the main window, or gets it when the window is active
  // again after a dialog.
  std::string FocusName() const {
    QWidget* focused = window->focusWidget();
    return focused != nullptr ? focused->objectName().toStdString() : std::string();
  }

  QTemporaryDir programFolder;
  Session session;
  MainForm form;
  ScriptedPrompter prompter;
  std::unique_ptr<MainWindow> window;
};

}  // namespace velkora::testing
