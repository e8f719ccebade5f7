// Every caption of every window is shown whole: no label, check box or button is narrower
// or lower than the text it carries in the windows' font.
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "desktop/AboutDialog.h"
#include "desktop/HeaderDialog.h"
#include "desktop/PointBrowserDialog.h"
#include "desktop/ProjectionScaleDialog.h"
#include "desktop/ReportWindow.h"
#include "desktop/WindowFixture.h"

namespace velkora::testing {
namespace {

// Where the captions of `window` do not fit, one line each: "name: caption".
std::vector<std::string> ClippedCaptions(QWidget* window) {
  std::vector<std::string> clipped;
  auto note = [&clipped](const QWidget* widget, const QString& text) {
    clipped.push_back(widget->objectName().toStdString() + ": " + text.toStdString());
  };
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (label->window() != window || label->text().isEmpty() || label->isHidden()) {
      continue;
    }
    const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                        : label->sizeHint().width() <= label->width();
    if (!fits) {
      note(label, label->text());
    }
  }
  for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    const QString text = button->text().remove(QLatin1Char('&'));
    if (button->window() != window || text.isEmpty() || button->isHidden()) {
      continue;
    }
    int needed = button->fontMetrics().size(0, text).width();
    if (qobject_cast<QCheckBox*>(button) != nullptr) {
      const QStyle* style = button->style();
      needed += style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    } else {
      needed += 6;  // the button's bevel
    }
    if (needed > button->width()) {
      note(button, text);
    }
  }
  return clipped;
}

using TextFitTest = WindowFixture;

TEST_F(TextFitTest, EveryWindowShowsItsCaptionsWhole) {
  HeaderDialog header(session, prompter, window.get());
  AboutDialog about(prompter, window.get());
  ProjectionScaleDialog projection(session, form, prompter, window.get());
  struct Row {
    const char* window;
    QWidget* widget;
  };
  const Row rows[] = {
      {"main window", window.get()},
      {"header dialog", &header},
      {"About box", &about},
      {"projection dialog", &projection},
      {"point browser", &window->Browser()},
      {"report window", &window->Report()},
  };
  for (const Row& row : rows) {
    row.widget->show();
    QApplication::processEvents();
    EXPECT_EQ(ClippedCaptions(row.widget), std::vector<std::string>()) << row.window;
    if (row.widget != window.get()) {
      row.widget->hide();
    }
  }
}

}  // namespace
}  // namespace velkora::testing
