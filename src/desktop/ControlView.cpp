// Model-to-widget mirroring for the kinds of controls the main window uses.
#include "desktop/ControlView.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringList>

#include "desktop/CommonView.h"

namespace velkora {

namespace {

void ShowItems(QComboBox* box, const Control& control) {
  QStringList items;
  items.reserve(static_cast<qsizetype>(control.items.size()));
  for (const std::string& item : control.items) {
    items.append(ToQt(item));
  }
  const QSignalBlocker quiet(box);
  bool same = box->count() == items.size();
  for (int i = 0; same && i < box->count(); ++i) {
    same = box->itemText(i) == items.at(i);
  }
  if (!same) {
    box->clear();
    box->addItems(items);
  }
  const bool inRange = control.selected >= 0 && control.selected < box->count();
  box->setCurrentIndex(inRange ? static_cast<int>(control.selected) : -1);
  if (box->isEditable() && !inRange && box->currentText() != ToQt(control.text)) {
    box->setEditText(ToQt(control.text));
  }
}

// A check box caption too wide for its box goes on two lines, broken at the last blank that
// fits, as the layout's two-line check boxes expect.
QString FittedCaption(const QAbstractButton* button, const QString& caption) {
  const QFontMetrics metrics(button->font());
  const int room = button->width() - button->iconSize().width() - 8;
  if (qobject_cast<const QCheckBox*>(button) == nullptr ||
      metrics.horizontalAdvance(caption) <= room) {
    return caption;
  }
  for (qsizetype blank = caption.lastIndexOf(u' '); blank > 0;
       blank = caption.lastIndexOf(u' ', blank - 1)) {
    if (metrics.horizontalAdvance(caption.left(blank)) <= room) {
      return caption.left(blank) + u'\n' + caption.mid(blank + 1);
    }
  }
  return caption;
}

}  // namespace

void ShowControl(QObject* target, const Control& control) {
  if (auto* action = qobject_cast<QAction*>(target)) {
    action->setText(ToQt(control.text));
    action->setEnabled(control.enabled);
    action->setVisible(control.visible);
    return;
  }
  auto* widget = qobject_cast<QWidget*>(target);
  if (widget == nullptr) {
    return;
  }
  widget->setHidden(!control.visible);
  widget->setEnabled(control.enabled);
  if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    if (box->text() != ToQt(control.text)) {
      box->setText(ToQt(control.text));
    }
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(ToQt(control.text));
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    ShowItems(combo, control);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(FittedCaption(button, ToQt(control.text)));
    if (auto* check = qobject_cast<QCheckBox*>(button)) {
      const QSignalBlocker quiet(check);
      check->setChecked(control.checked != 0);
    }
  }
}

}  // namespace velkora
