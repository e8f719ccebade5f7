// A window's controls as data: one row per control with its kind, object name, caption,
// tooltip and place in twips, built in one pass. The windows keep only what a row cannot say.
#pragma once

#include <QString>
#include <span>

class QLabel;
class QRect;
class QWidget;

namespace velkora {

enum class ControlKind {
  kLabel,
  kNote,      // a label whose caption wraps over several lines
  kBox,       // one-line text box
  kTextArea,  // multi-line text box
  kButton,
  kCheck,
  kList,          // drop-down list
  kEditableList,  // drop-down list whose text may be typed
  kFrame,         // a titled group that other rows sit in
  kLine,          // a sunken separator
};

struct ControlRow {
  ControlKind kind;
  const char* name;                 // the object name; "" for a label that nothing reads
  const char* caption;              // the text of a label, button, check box or frame
  const char* tooltip;              // nullptr: none
  double left, top, width, height;  // twips, within the parent
  const char* parent = nullptr;     // the frame's name, or nullptr for the window itself
};

// Creates the rows' widgets in order (a frame before what sits in it) as children of `window`.
void PlaceControls(QWidget* window, std::span<const ControlRow> rows);

// Tab moves through the named controls of `window` in the order given.
void ChainTabOrder(QWidget* window, std::span<const char* const> names);

// A plain-text label; a caption a little wider than its place is set a little tighter rather
// than cut off by the control beside it.
QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& caption, const QRect& rect);

}  // namespace velkora
