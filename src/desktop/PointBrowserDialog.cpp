// The point browser's list, its size from the widest reference line, and Select and Cancel.
#include "desktop/PointBrowserDialog.h"

#include <QAbstractListModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "app/ControlPointPick.h"
#include "desktop/CommonView.h"

namespace velkora {

namespace {

// The window's frame adds 120 twips to the width and 420 to the height of the client area.
constexpr double kFrameWidth = 120;
constexpr double kFrameHeight = 420;

// The outer width in twips for a list width of `listWidth` characters.
double OuterWidth(std::size_t listWidth) {
  return static_cast<double>(listWidth) * 112 + 360;
}

// Places and sizes, in twips, of the controls that follow the window's size.
struct BrowserLayout {
  double listWidth = 5655;
  double listHeight = 2580;
  double buttonTop = 3120;
  double selectLeft = 1275;
  double cancelLeft = 3720;
};

// Fits the list and the buttons to an outer window size in twips; below each rule's threshold
// the affected controls keep their last size and place.
void ResizeBrowser(BrowserLayout& layout, double outerWidth, double outerHeight) {
  if (outerHeight > 1440) {
    layout.listHeight = outerHeight - 1440;
  }
  if (outerHeight > 2000) {
    layout.buttonTop = outerHeight - 900;
  }
  if (outerWidth > 2190) {
    // The gaps are single-precision values, as the window's twip positions are.
    const float gap = static_cast<float>((outerWidth - 2190) / 3);
    layout.listWidth = outerWidth - 360;
    layout.selectLeft = gap;
    layout.cancelLeft = 2 * gap + 1095.0F;
  }
}

}  // namespace

// The reference lines as the list shows them, read straight from the session so that a
// reference file of any size opens at once.
class ReferenceLinesModel : public QAbstractListModel {
 public:
  ReferenceLinesModel(const std::vector<std::string>& lines, QObject* parent)
      : QAbstractListModel(parent), lines_(lines) {}

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) {
      return {};
    }
    return ToQt(lines_[static_cast<std::size_t>(index.row())]);
  }
  // The session's lines may have been reloaded while the browser was hidden.
  void Refresh() {
    beginResetModel();
    endResetModel();
  }

 private:
  const std::vector<std::string>& lines_;
};

PointBrowserDialog::PointBrowserDialog(const ReferenceList& reference, QWidget* owner)
    : QDialog(owner), reference_(reference) {
  setObjectName(QStringLiteral("frmBrowsePts"));
  setWindowTitle(QStringLiteral("Select a Reference Point"));
  setFont(DesignFont());
  setModal(true);

  auto* heading =
      new QLabel(QStringLiteral(" Point No       X            Y        Description"), this);
  heading->setObjectName(QStringLiteral("Label1"));
  heading->setFont(FixedFont(8.25, true));
  heading->setGeometry(TwipRect(120, 120, 5145, 210));

  lines_ = new ReferenceLinesModel(reference_.lines, this);
  pointList_ = new QListView(this);
  pointList_->setObjectName(QStringLiteral("pointList"));
  pointList_->setModel(lines_);
  pointList_->setFont(FixedFont(8.25));
  pointList_->setUniformItemSizes(true);
  pointList_->setSelectionMode(QAbstractItemView::SingleSelection);
  pointList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  pointList_->setToolTip(
      QStringLiteral("Double-click a point to select, or highlight a point and click Select."));
  pointList_->setGeometry(TwipRect(120, 360, 5655, 2580));

  btnSelect_ = new QPushButton(QStringLiteral("Select"), this);
  btnSelect_->setObjectName(QStringLiteral("btnSelect"));
  btnSelect_->setGeometry(TwipRect(1275, 3120, 1095, 375));
  btnSelect_->setDefault(true);
  btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  btnCancel_->setObjectName(QStringLiteral("btnCancel"));
  btnCancel_->setGeometry(TwipRect(3720, 3120, 1095, 375));
  btnCancel_->setAutoDefault(false);

  connect(btnSelect_, &QPushButton::clicked, this, &PointBrowserDialog::Select);
  connect(pointList_, &QListView::doubleClicked, this, &PointBrowserDialog::Select);
  connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
  // Cancel, Esc and the title bar's close all choose nothing.
  resize(Twips(5895), Twips(3600));
}

PointBrowserDialog::~PointBrowserDialog() = default;

std::optional<ListedPoint> PointBrowserDialog::Pick(const QString& caption) {
  setWindowTitle(caption);
  chosen_.reset();
  lines_->Refresh();
  const auto rows = static_cast<std::int64_t>(reference_.lines.size());
  if (lastChosenRow_ >= 0 && lastChosenRow_ < rows &&
      reference_.lines[static_cast<std::size_t>(lastChosenRow_)] == lastChosenLine_) {
    pointList_->setCurrentIndex(lines_->index(static_cast<int>(lastChosenRow_)));
  }
  // Sized before it shows, so that it opens centred at its new width.
  double outerWidth = OuterWidth(reference_.width);
  // Very long descriptions would put the buttons beyond the screen's edge; the list then
  // scrolls instead.
  if (const QScreen* shownOn = screen()) {
    outerWidth =
        std::min(outerWidth, shownOn->availableGeometry().width() * 1440.0 / logicalDpiX());
  }
  resize(Twips(outerWidth - kFrameWidth), height());
  exec();
  return chosen_;
}

void PointBrowserDialog::resizeEvent(QResizeEvent* event) {
  const double twipsPerPixel = 1440.0 / logicalDpiX();
  BrowserLayout layout;
  layout.listWidth = pointList_->width() * twipsPerPixel;
  layout.listHeight = pointList_->height() * twipsPerPixel;
  layout.buttonTop = btnSelect_->y() * twipsPerPixel;
  layout.selectLeft = btnSelect_->x() * twipsPerPixel;
  layout.cancelLeft = btnCancel_->x() * twipsPerPixel;
  ResizeBrowser(layout, width() * twipsPerPixel + kFrameWidth,
                height() * twipsPerPixel + kFrameHeight);
  pointList_->resize(Twips(layout.listWidth), Twips(layout.listHeight));
  btnSelect_->move(Twips(layout.selectLeft), Twips(layout.buttonTop));
  btnCancel_->move(Twips(layout.cancelLeft), Twips(layout.buttonTop));
  QDialog::resizeEvent(event);
}

// Select with no highlighted line is ignored: there is no point to take.
void PointBrowserDialog::Select() {
  const QModelIndex current = pointList_->currentIndex();
  if (!current.isValid() || !pointList_->selectionModel()->isSelected(current)) {
    return;
  }
  const std::string& line = reference_.lines[static_cast<std::size_t>(current.row())];
  chosen_ = PointFromBrowserLine(line);
  lastChosenLine_ = line;
  lastChosenRow_ = current.row();
  accept();
}

}  // namespace velkora
