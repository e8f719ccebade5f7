// The point browser: every point of the reference file as one fixed-column line, from which
// the user picks a control point.
#pragma once

#include <QDialog>
#include <string>

#include "session/SessionState.h"

class QListView;
class QPushButton;

namespace velkora {

class ReferenceLinesModel;

class PointBrowserDialog : public QDialog {
  Q_OBJECT

 public:
  PointBrowserDialog(SessionState& session, QWidget* owner = nullptr);
  ~PointBrowserDialog() override;

  // Shows the reference points modally under `caption`. Afterwards session.point holds the
  // chosen point, or an empty pointNum when none was chosen.
  void Pick(const QString& caption);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Select();
  void Cancel();

  SessionState& session_;
  ReferenceLinesModel* lines_;
  QListView* pointList_;
  QPushButton* btnSelect_;
  QPushButton* btnCancel_;
  // The line highlighted at the last Select, highlighted again while the list still holds it.
  std::string lastChosenLine_;
  std::int64_t lastChosenRow_ = -1;
};

}  // namespace velkora
