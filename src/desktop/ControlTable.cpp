// Building a window's widgets from its control table.
#include "desktop/ControlTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "desktop/CommonView.h"

namespace velkora {

namespace {

void FitToWidth(QLabel* label) {
  QFont font = label->font();
  for (int spacing = 99; spacing >= 85 && label->sizeHint().width() > label->width(); --spacing) {
    font.setLetterSpacing(QFont::PercentageSpacing, spacing);
    label->setFont(font);
  }
}

QWidget* MakeWidget(const ControlRow& row, QWidget* parent) {
  const QString caption = QString::fromUtf8(row.caption);
  switch (row.kind) {
    case ControlKind::kLabel:
      return PlaceLabel(parent, row.name, caption,
                        TwipRect(row.left, row.top, row.width, row.height));
    case ControlKind::kNote: {
      auto* note = new QLabel(caption, parent);
      note->setTextFormat(Qt::PlainText);
      note->setWordWrap(true);
      note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return note;
    }
    case ControlKind::kBox:
      return new QLineEdit(parent);
    case ControlKind::kTextArea: {
      auto* area = new QPlainTextEdit(parent);
      area->setTabChangesFocus(true);
      return area;
    }
    case ControlKind::kButton: {
      auto* button = new QPushButton(caption, parent);
      button->setAutoDefault(false);
      return button;
    }
    case ControlKind::kCheck:
      return new QCheckBox(caption, parent);
    case ControlKind::kList:
    case ControlKind::kEditableList: {
      auto* list = new QComboBox(parent);
      if (row.kind == ControlKind::kEditableList) {
        list->setEditable(true);
        list->setInsertPolicy(QComboBox::NoInsert);
      }
      return list;
    }
    case ControlKind::kFrame:
      return new QGroupBox(caption, parent);
    case ControlKind::kLine: {
      auto* line = new QFrame(parent);
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Sunken);
      return line;
    }
  }
  return nullptr;
}

}  // namespace

void ChainTabOrder(QWidget* window, std::span<const char* const> names) {
  QWidget* previous = nullptr;
  for (const char* name : names) {
    auto* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (previous != nullptr) {
      QWidget::setTabOrder(previous, widget);
    }
    previous = widget;
  }
}

QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& caption, const QRect& rect) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setText(caption);
  label->setGeometry(rect);
  FitToWidth(label);
  return label;
}

void PlaceControls(QWidget* window, std::span<const ControlRow> rows) {
  for (const ControlRow& row : rows) {
    QWidget* parent = window;
    if (row.parent != nullptr) {
      parent = window->findChild<QWidget*>(QString::fromLatin1(row.parent));
    }
    QWidget* widget = MakeWidget(row, parent);
    widget->setObjectName(QString::fromLatin1(row.name));
    widget->setGeometry(TwipRect(row.left, row.top, row.width, row.height));
    if (row.tooltip != nullptr) {
      widget->setToolTip(QString::fromLatin1(row.tooltip));
    }
  }
}

}  // namespace velkora
