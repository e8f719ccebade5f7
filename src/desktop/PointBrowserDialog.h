// The point browser: every point of the reference file as one fixed-column line, from which
// the user picks a control point.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "engine/transform/ReferenceList.h"

class QListView;
class QPushButton;

namespace velkora {

class ReferenceLinesModel;

class PointBrowserDialog : public QDialog {
  Q_OBJECT

 public:
  // Lists `reference`, which may be reloaded between two picks.
  PointBrowserDialog(const ReferenceList& reference, QWidget* owner = nullptr);
  ~PointBrowserDialog() override;

  // Shows the reference points modally under `caption`; the point chosen, if any.
  std::optional<ListedPoint> Pick(const QString& caption);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Select();

  const ReferenceList& reference_;
  std::optional<ListedPoint> chosen_;
  ReferenceLinesModel* lines_;
  QListView* pointList_;
  QPushButton* btnSelect_;
  QPushButton* btnCancel_;
  // The line highlighted at the last Select, highlighted again while the list still holds it.
  std::string lastChosenLine_;
  std::int64_t lastChosenRow_ = -1;
};

}  // namespace velkora
