// Construction of the main window's controls and menus, and the wiring of their events to the
// engine's handlers. The window holds no logic: every event changes the model through a
// handler and the window then shows the model.
#include "desktop/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <array>

#include "app/ColumnOrderChoice.h"
#include "app/ControlPointPick.h"
#include "app/ConversionRun.h"
#include "app/FactorCommands.h"
#include "app/InputFileList.h"
#include "app/MainFormCommands.h"
#include "app/OutputSelection.h"
#include "app/ReferenceFile.h"
#include "app/ReportCommands.h"
#include "app/ReverseFactors.h"
#include "desktop/AboutDialog.h"
#include "desktop/CommonView.h"
#include "desktop/ControlTable.h"
#include "desktop/ControlView.h"
#include "desktop/FitDialog.h"
#include "desktop/HeaderDialog.h"
#include "desktop/PointBrowserDialog.h"
#include "desktop/ProjectionScaleDialog.h"
#include "desktop/ReportWindow.h"
#include "desktop/RunProgressView.h"
#include "engine/points/Layouts.h"
#include "engine/report/ReportText.h"

namespace velkora {

namespace {

using enum ControlKind;

// Client area of the window, in twips.
constexpr double kClientWidth = 5865;
constexpr double kClientHeight = 9330;
constexpr double kLineWidth = kClientWidth - 480;

constexpr const char* kPickArrow = "\u25C4";
constexpr const char* kPickTip = "Select this point from the Coordinate File above.";

// Every control of the client area, frames before what sits in them.
constexpr ControlRow kControls[] = {
    {kLabel, "Label18", "Coordinate File for Source and Destination Control Points :", nullptr, 360,
     240, 5200, 240},
    {kBox, "rFileName", "", "Enter or drag the coordinate point reference file.", 360, 480, 4335,
     285},
    {kButton, "btnGetRName", "Select", "Select a coordinate point filename.", 4800, 435, 735, 375},
    {kLine, "", "", nullptr, 240, 870, kLineWidth, 30},

    {kFrame, "Frame1", "Source Pivot Point", nullptr, 360, 960, 2535, 1335},
    {kLabel, "", "Point Number", nullptr, 120, 285, 1080, 195, "Frame1"},
    {kBox, "SPPN", "", nullptr, 1200, 240, 855, 285, "Frame1"},
    {kLabel, "", "X-Coordinate", nullptr, 120, 645, 1080, 195, "Frame1"},
    {kBox, "SPPX", "", nullptr, 1200, 600, 1215, 285, "Frame1"},
    {kLabel, "", "Y-Coordinate", nullptr, 120, 1005, 1080, 195, "Frame1"},
    {kBox, "SPPY", "", nullptr, 1200, 960, 1215, 285, "Frame1"},
    {kButton, "btnSPP", kPickArrow, kPickTip, 2220, 30, 255, 255, "Frame1"},

    {kFrame, "Frame2", "Source Reference Point", nullptr, 3000, 960, 2535, 1335},
    {kLabel, "", "Point Number", nullptr, 120, 285, 1080, 195, "Frame2"},
    {kBox, "SRPN", "", nullptr, 1200, 240, 855, 285, "Frame2"},
    {kLabel, "", "X-Coordinate", nullptr, 120, 645, 1080, 195, "Frame2"},
    {kBox, "SRPX", "", nullptr, 1200, 600, 1215, 285, "Frame2"},
    {kLabel, "", "Y-Coordinate", nullptr, 120, 1005, 1080, 195, "Frame2"},
    {kBox, "SRPY", "", nullptr, 1200, 960, 1215, 285, "Frame2"},
    {kButton, "btnSRP", kPickArrow, kPickTip, 2220, 30, 255, 255, "Frame2"},

    {kFrame, "Frame3", "Destination Pivot Point", nullptr, 360, 2520, 2535, 1335},
    {kLabel, "", "Point Number", nullptr, 120, 285, 1080, 195, "Frame3"},
    {kBox, "DPPN", "", nullptr, 1200, 240, 855, 285, "Frame3"},
    {kLabel, "", "X-Coordinate", nullptr, 120, 645, 1080, 195, "Frame3"},
    {kBox, "DPPX", "", nullptr, 1200, 600, 1215, 285, "Frame3"},
    {kLabel, "", "Y-Coordinate", nullptr, 120, 1005, 1080, 195, "Frame3"},
    {kBox, "DPPY", "", nullptr, 1200, 960, 1215, 285, "Frame3"},
    {kButton, "btnDPP", kPickArrow, kPickTip, 2220, 30, 255, 255, "Frame3"},

    {kFrame, "Frame4", "Destination Reference Point", nullptr, 3000, 2520, 2535, 1335},
    {kLabel, "", "Point Number", nullptr, 120, 285, 1080, 195, "Frame4"},
    {kBox, "DRPN", "", nullptr, 1200, 240, 855, 285, "Frame4"},
    {kLabel, "", "X-Coordinate", nullptr, 120, 645, 1080, 195, "Frame4"},
    {kBox, "DRPX", "", nullptr, 1200, 600, 1215, 285, "Frame4"},
    {kLabel, "", "Y-Coordinate", nullptr, 120, 1005, 1080, 195, "Frame4"},
    {kBox, "DRPY", "", nullptr, 1200, 960, 1215, 285, "Frame4"},
    {kButton, "btnDRP", kPickArrow, kPickTip, 2220, 30, 255, 255, "Frame4"},

    {kButton, "compDeltas", "Calculate the Translate, Rotate, and/or Scale Factors",
     "Compute the conversion factors based on the Points above.", 960, 4000, 3975, 325},
    {kLine, "", "", nullptr, 240, 4440, kLineWidth, 30},

    {kLabel, "lblCount", "Input File List :", nullptr, 360, 4680, 4455, 255},
    {kButton, "btnListClr", "Clear", nullptr, 360, 4650, 615, 255},
    {kList, "loadedFiles", "", "Drag files here to add them to the session.", 360, 4920, 4335, 315},
    {kButton, "btnAdd", "Select", "Load or Add files to the session via Windows dialog.", 4800,
     4875, 735, 375},
    {kLine, "", "", nullptr, 240, 5310, kLineWidth, 30},

    {kFrame, "Frame5", "Translate", nullptr, 360, 5400, 1815, 1335},
    {kLabel, "", "d X", nullptr, 120, 285, 360, 195, "Frame5"},
    {kBox, "txtDX", "", nullptr, 480, 240, 1215, 285, "Frame5"},
    {kLabel, "", "d Y", nullptr, 120, 645, 360, 195, "Frame5"},
    {kBox, "txtDY", "", nullptr, 480, 600, 1215, 285, "Frame5"},
    {kLabel, "", "d Z", nullptr, 120, 1005, 360, 195, "Frame5"},
    {kBox, "txtDZ", "", "Added to every elevation written; a point without one keeps none.", 480,
     960, 1215, 285, "Frame5"},
    {kFrame, "Frame6", "Rotate", nullptr, 2400, 5400, 1455, 1335},
    {kLabel, "lblAngle", "Angle", nullptr, 735, 15, 600, 195, "Frame6"},
    {kBox, "txtDR", "", "Rotation angle, either DD.DDSSss or DD MM SS.ss", 120, 240, 1215, 285,
     "Frame6"},
    {kCheck, "ignoreDR", "", "Check to skip rotation calculation.", 120, 600, 1275, 285, "Frame6"},
    {kFrame, "Frame7", "Scale", nullptr, 4080, 5400, 1455, 1335},
    {kBox, "txtDS", "", nullptr, 120, 240, 1215, 285, "Frame7"},
    {kCheck, "ignoreDS", "", "Check to skip scale factor calculation.", 120, 600, 1275, 285,
     "Frame7"},
    {kButton, "btnProjection", "Projection...",
     "Compute the grid-to-ground scale from a projection at the project site.", 120, 945, 1215, 315,
     "Frame7"},
    {kLine, "", "", nullptr, 240, 6840, kLineWidth, 30},

    {kLabel, "Label16", "Output File :", nullptr, 360, 6960, 2000, 240},
    {kBox, "oFileName", "", "Enter file that will contain the converted coordinates.", 360, 7200,
     4335, 285},
    {kButton, "btnGetOName", "Select", "Select the output file.", 4800, 7155, 735, 375},
    {kLabel, "Label17", "Output File Format :", nullptr, 360, 7720, 1440, 240},
    {kEditableList, "outFormat", "", "Select one of the standard file formats.", 1800, 7660, 2055,
     315},
    {kCheck, "chkSuppress", "", "Do not output any value if elevations are zero or blank.", 4320,
     7660, 1455, 375},
    // The column order of the delimited layouts, one list for what is read and one for what is
    // written, on a row of their own under the output format they belong with.
    {kLabel, "Label19", "Delimited Columns :", nullptr, 360, 8140, 1440, 240},
    {kLabel, "Label20", "Input", nullptr, 1920, 8140, 480, 240},
    {kList, "inOrder", "",
     "Column order of delimited input and reference files: point, X (easting), Y (northing), or "
     "northing first. A header line naming the columns overrides it.",
     2400, 8080, 1095, 315},
    {kLabel, "Label21", "Output", nullptr, 3720, 8140, 600, 240},
    {kList, "outOrder", "", "Column order of a Comma-Delimited or Geopak Delimited output file.",
     4320, 8080, 1215, 315},
    {kLine, "", "", nullptr, 240, 8640, kLineWidth, 30},

    {kButton, "btnHeader", "Header", nullptr, 495, 8820, 855, 375},
    {kButton, "btnClr", "Clear All", "Clear all fields on this form.", 1830, 8820, 855, 375},
    {kButton, "btnCompute", "Compute", "Do the coordinate conversion as specified.", 3165, 8820,
     855, 375},
    {kButton, "btnExit", "Exit", "End the program.", 4500, 8820, 855, 375},
};

// The control points' number boxes and pick buttons.
struct PointFrame {
  const char* numberBox;
  const char* pickButton;
  ControlRole role;
};

constexpr std::array<PointFrame, 4> kPointFrames = {{
    {"SPPN", "btnSPP", ControlRole::kSourcePivot},
    {"SRPN", "btnSRP", ControlRole::kSourceReference},
    {"DPPN", "btnDPP", ControlRole::kDestinationPivot},
    {"DRPN", "btnDRP", ControlRole::kDestinationReference},
}};

QString Name(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The commands of the "Output File Format" menu, each selecting the outFormat entry of the
// same index and caption.
constexpr std::array<const char*, 7> kOutputFormatMenuCommands = {
    "mnuFilSavCDF", "mnuFilSavGDF", "mnuFilSavGDFs", "mnuFilSavGpN",
    "mnuFilSavGPX", "mnuFilSavSDM", "mnuFilSavUCC"};

ListKey ListKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Backspace:
      return ListKey::kBackspace;
    case Qt::Key_Delete:
      return ListKey::kDelete;
    default:
      return ListKey::kOther;
  }
}

std::vector<std::string> DroppedPaths(const QMimeData* data) {
  std::vector<std::string> paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) {
      paths.push_back(FromQt(url.toLocalFile()));
    }
  }
  return paths;
}

}  // namespace

MainWindow::MainWindow(Session& session, MainForm& form, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), session_(session), form_(form), prompter_(prompter) {
  setObjectName(QStringLiteral("frmVelkora"));
  setWindowTitle(QStringLiteral(" Velkora"));
  setFont(DesignFont());
  BuildControls();
  BuildMenus();
  ConnectEdits();
  ConnectCommands();
  SetTabOrder();
  ShowForm();

  setFixedSize(sizeHint());
  if (const QScreen* screen = QApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(Twips(kClientWidth), Twips(kClientHeight));
  setCentralWidget(client);
  PlaceControls(client, kControls);

  for (const char* target : {"rFileName", "loadedFiles", "btnAdd", "oFileName"}) {
    findChild<QWidget*>(Name(target))->setAcceptDrops(true);
  }
  findChild<QLabel*>(QStringLiteral("lblAngle"))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  // The list's Clear button lies over the start of the count caption.
  findChild<QPushButton*>(QStringLiteral("btnListClr"))->raise();
}

void MainWindow::BuildMenus() {
  auto addEntry = [this](QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(Name(caption));
    action->setObjectName(Name(name));
    return action;
  };
  auto addSeparator = [](QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(Name(name));
  };

  // The ampersands give the menus their Alt keys; they are not shown as text.
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("file"));
  addEntry(file, "mnuRefFile", "Select a Coordinate File");
  addSeparator(file, "sep21");
  addEntry(file, "mnuFileAdd", "Load An Input File");
  addEntry(file, "mnuListClr", "Clear Input File List");
  addSeparator(file, "sep1");
  addEntry(file, "mnuOutFile", "Select  the Output File");
  QMenu* formats = file->addMenu(QStringLiteral("Output File Format"));
  formats->setObjectName(QStringLiteral("mnuFilSavMenu"));
  formats->menuAction()->setObjectName(QStringLiteral("mnuFilSav"));
  for (std::size_t i = 0; i < kOutputFormatMenuCommands.size(); ++i) {
    QAction* entry = formats->addAction(Name(kOutputFormatNames[i]));
    entry->setObjectName(Name(kOutputFormatMenuCommands[i]));
  }
  addSeparator(file, "sep2");
  addEntry(file, "mnuFilCmp", "Compute");
  addEntry(file, "mnuFilClr", "Clear All Data");
  addEntry(file, "mnuFilExit", "Exit");

  QMenu* report = menuBar()->addMenu(QStringLiteral("&Report"));
  report->setObjectName(QStringLiteral("mnuReport"));
  addEntry(report, "mnuHeaderInfo", "Enter Header Info");
  addEntry(report, "mnuRptClr", "Clear Report Contents");
  addSeparator(report, "sepFit");
  addEntry(report, "mnuFitPairs", "Fit From Control Pairs...");
  addEntry(report, "mnuProjection", "Scale From Projection...");
  addEntry(report, "mnuReverse", "Reverse Factors");

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  addEntry(help, "mnuHlpAbout", "About Velkora");
}

// User edits go into the model before any handler reads it.
void MainWindow::ConnectEdits() {
  for (const NamedControl& named : MainFormControls()) {
    Control& control = form_.*named.member;
    auto* box = findChild<QLineEdit*>(Name(named.name));
    if (box != nullptr) {
      connect(box, &QLineEdit::textEdited, this,
              [&control](const QString& text) { control.text = FromQt(text); });
    }
  }
  auto* rotation = findChild<QLineEdit*>(QStringLiteral("txtDR"));
  connect(rotation, &QLineEdit::textEdited, this,
          [this] { Handle([this] { RotationTextChanged(form_); }); });
  auto* scale = findChild<QLineEdit*>(QStringLiteral("txtDS"));
  connect(scale, &QLineEdit::textEdited, this,
          [this] { Handle([this] { ScaleTextChanged(form_); }); });

  for (const char* name : {"ignoreDR", "ignoreDS"}) {
    Control& control = name == std::string_view("ignoreDR") ? form_.ignoreDR : form_.ignoreDS;
    connect(findChild<QCheckBox*>(Name(name)), &QCheckBox::clicked, this,
            [&control](bool checked) { control.checked = checked ? 1 : 0; });
  }
  connect(findChild<QCheckBox*>(QStringLiteral("chkSuppress")), &QCheckBox::clicked, this,
          [this](bool checked) { form_.chkSuppress.checked = checked ? 1 : 0; });
  connect(findChild<QComboBox*>(QStringLiteral("inOrder")), &QComboBox::activated, this,
          [this](int index) {
            Handle([this, index] {
              SelectInputOrder(session_, form_, prompter_, static_cast<std::size_t>(index));
            });
          });
  connect(findChild<QComboBox*>(QStringLiteral("outOrder")), &QComboBox::activated, this,
          [this](int index) {
            Handle([this, index] { SelectOutputOrder(form_, static_cast<std::size_t>(index)); });
          });

  auto* list = findChild<QComboBox*>(QStringLiteral("loadedFiles"));
  connect(list, &QComboBox::activated, this,
          [this](int index) { form_.loadedFiles.selected = index; });

  // A typed format name that is one of the entries selects that entry.
  auto* format = findChild<QComboBox*>(QStringLiteral("outFormat"));
  connect(format, &QComboBox::activated, this, [this, format](int index) {
    form_.outFormat.selected = index;
    form_.outFormat.text = FromQt(format->itemText(index));
  });
  connect(format->lineEdit(), &QLineEdit::textEdited, this, [this, format](const QString& text) {
    form_.outFormat.text = FromQt(text);
    form_.outFormat.selected = format->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  });

  for (const char* name : {"rFileName", "SPPN", "SRPN", "DPPN", "DRPN"}) {
    findChild<QLineEdit*>(Name(name))->installEventFilter(this);
  }
  for (const char* name : {"oFileName", "btnAdd"}) {
    findChild<QWidget*>(Name(name))->installEventFilter(this);
  }
  list->installEventFilter(this);
}

void MainWindow::ConnectCommands() {
  auto onClick = [this](const char* name, const std::function<void()>& handler) {
    connect(findChild<QPushButton*>(Name(name)), &QPushButton::clicked, this,
            [this, handler] { Handle(handler); });
  };
  auto pressOnTrigger = [this](const char* entry, const char* button) {
    auto* target = findChild<QPushButton*>(Name(button));
    connect(findChild<QAction*>(Name(entry)), &QAction::triggered, target, &QPushButton::click);
  };

  onClick("btnGetRName", [this] { SelectReferenceFile(session_, form_, prompter_); });
  for (const PointFrame& point : kPointFrames) {
    const ControlRole role = point.role;
    onClick(point.pickButton, [this, role] {
      if (!MayPickControlPoint(form_)) {
        return;
      }
      ApplyPickedPoint(form_, role, Browser().Pick(ToQt(BrowserCaption(role))));
    });
  }
  onClick("compDeltas", [this] { ComputeFactors(form_, prompter_); });
  onClick("btnListClr", [this] { ResetFileList(session_, form_); });
  onClick("btnAdd", [this] { AddFileByDialog(session_, form_, prompter_); });
  onClick("btnGetOName", [this] { SelectOutputFileByDialog(form_, prompter_); });
  onClick("btnClr", [this] { ClearAll(session_, form_); });
  connect(findChild<QPushButton*>(QStringLiteral("btnCompute")), &QPushButton::clicked, this,
          &MainWindow::Compute);
  connect(findChild<QPushButton*>(QStringLiteral("btnHeader")), &QPushButton::clicked, this,
          &MainWindow::ShowHeaderDialog);
  connect(findChild<QPushButton*>(QStringLiteral("btnExit")), &QPushButton::clicked, this,
          &QWidget::close);

  pressOnTrigger("mnuRefFile", "btnGetRName");
  pressOnTrigger("mnuFileAdd", "btnAdd");
  pressOnTrigger("mnuListClr", "btnListClr");
  pressOnTrigger("mnuOutFile", "btnGetOName");
  pressOnTrigger("mnuFilCmp", "btnCompute");
  pressOnTrigger("mnuFilClr", "btnClr");
  pressOnTrigger("mnuFilExit", "btnExit");
  pressOnTrigger("mnuHeaderInfo", "btnHeader");
  for (std::size_t i = 0; i < kOutputFormatMenuCommands.size(); ++i) {
    auto* entry = findChild<QAction*>(Name(kOutputFormatMenuCommands[i]));
    connect(entry, &QAction::triggered, this,
            [this, i] { Handle([this, i] { SelectOutputFormat(form_, i); }); });
  }
  connect(findChild<QAction*>(QStringLiteral("mnuRptClr")), &QAction::triggered, this,
          [this] { Handle([this] { ClearReport(session_, form_); }); });
  connect(findChild<QAction*>(QStringLiteral("mnuHlpAbout")), &QAction::triggered, this,
          &MainWindow::ShowAboutBox);
  connect(findChild<QAction*>(QStringLiteral("mnuFitPairs")), &QAction::triggered, this,
          &MainWindow::ShowFitDialog);
  connect(findChild<QPushButton*>(QStringLiteral("btnProjection")), &QPushButton::clicked, this,
          &MainWindow::ShowProjectionDialog);
  pressOnTrigger("mnuProjection", "btnProjection");
  connect(findChild<QAction*>(QStringLiteral("mnuReverse")), &QAction::triggered, this,
          [this] { Handle([this] { ReverseFactors(session_, form_, prompter_); }); });
  // "Clear All" forgets the pairs of the fit last used, as it forgets the control points.
  connect(findChild<QPushButton*>(QStringLiteral("btnClr")), &QPushButton::clicked, this,
          [this] { Report().SetFitPairs({}); });

  // Esc anywhere in the window presses Exit.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, findChild<QPushButton*>(QStringLiteral("btnExit")),
          &QPushButton::click);
}

void MainWindow::SetTabOrder() {
  const std::array<const char*, 40> order = {
      "rFileName",  "btnGetRName", "SPPN",        "SPPX",        "SPPY",     "btnSPP",
      "SRPN",       "SRPX",        "SRPY",        "btnSRP",      "DPPN",     "DPPX",
      "DPPY",       "btnDPP",      "DRPN",        "DRPX",        "DRPY",     "btnDRP",
      "compDeltas", "btnListClr",  "loadedFiles", "btnAdd",      "txtDX",    "txtDY",
      "txtDZ",      "txtDR",       "ignoreDR",    "txtDS",       "ignoreDS", "btnProjection",
      "oFileName",  "btnGetOName", "outFormat",   "chkSuppress", "inOrder",  "outOrder",
      "btnHeader",  "btnClr",      "btnCompute",  "btnExit"};
  ChainTabOrder(this, order);
}

void MainWindow::ShowForm() {
  for (const NamedControl& named : MainFormControls()) {
    const QString name = Name(named.name);
    QObject* target = findChild<QWidget*>(name);
    if (target == nullptr) {
      target = findChild<QAction*>(name);
    }
    if (target != nullptr) {
      ShowControl(target, form_.*named.member);
    }
  }
  ShowFocus();
}

void MainWindow::ShowFocus() {
  if (form_.focus.empty() || form_.focus == FocusedControlName()) {
    return;
  }
  QWidget* target = findChild<QWidget*>(ToQt(form_.focus));
  if (target == nullptr) {
    return;
  }
  // A focus move from inside a lost-focus event would fight the move that raised it.
  if (leavingBox_) {
    QTimer::singleShot(0, target, [target] { target->setFocus(Qt::OtherFocusReason); });
  } else {
    target->setFocus(Qt::OtherFocusReason);
  }
}

std::string MainWindow::FocusedControlName() const {
  const QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr || focused->window() != this) {
    return {};
  }
  // The text box inside the editable format list belongs to the list.
  if (auto* combo = qobject_cast<const QComboBox*>(focused->parentWidget())) {
    focused = combo;
  }
  return FromQt(focused->objectName());
}

void MainWindow::Handle(const std::function<void()>& handler) {
  if (handling_) {
    return;
  }
  handling_ = true;
  form_.focus = FocusedControlName();
  handler();
  ShowForm();
  handling_ = false;
}

// Exit, Esc and the window's close button all end here: a report with runs neither saved nor
// printed is lost with the program, so the user is asked first.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (MayExit(session_, prompter_)) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusOut: {
      // Leaving the window for a dialog or a menu is not leaving the box.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        LostFocus(watched);
      }
      break;
    }
    case QEvent::DragEnter: {
      auto* drag = static_cast<QDragEnterEvent*>(event);
      if (drag->mimeData()->hasUrls()) {
        drag->acceptProposedAction();
        return true;
      }
      break;
    }
    case QEvent::DragMove:
      if (static_cast<QDragMoveEvent*>(event)->mimeData()->hasUrls()) {
        event->accept();
        return true;
      }
      break;
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const std::vector<std::string> paths = DroppedPaths(drop->mimeData());
      if (!paths.empty()) {
        drop->acceptProposedAction();
        Dropped(watched, paths);
        return true;
      }
      break;
    }
    case QEvent::KeyPress: {
      const ListKey key = ListKeyOf(static_cast<QKeyEvent*>(event)->key());
      if (watched->objectName() == QStringLiteral("loadedFiles") && key != ListKey::kOther) {
        Handle([this, key] { LoadedFilesKeyDown(session_, form_, key); });
        return true;
      }
      break;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::LostFocus(QObject* box) {
  const QString name = box->objectName();
  leavingBox_ = true;
  if (name == QStringLiteral("rFileName")) {
    Handle([this] { ReferenceFileLostFocus(session_, form_, prompter_); });
  } else {
    for (const PointFrame& point : kPointFrames) {
      if (name == Name(point.numberBox)) {
        const ControlRole role = point.role;
        Handle([this, role] { PointNumberLostFocus(session_, form_, role); });
      }
    }
  }
  leavingBox_ = false;
}

void MainWindow::Dropped(QObject* target, const std::vector<std::string>& paths) {
  const QString name = target->objectName();
  if (name == QStringLiteral("rFileName")) {
    Handle([this, &paths] { DropReferenceFile(session_, form_, prompter_, paths); });
  } else if (name == QStringLiteral("oFileName")) {
    Handle([this, &paths] { DropOutputFile(form_, paths); });
  } else {
    Handle([this, &paths] { AddDroppedFiles(session_, form_, prompter_, paths); });
  }
}

void MainWindow::Compute() {
  Handle([this] {
    RunProgressView view(Report(), this);
    RunConversion(session_, form_, prompter_, view);
  });
}

void MainWindow::ShowHeaderDialog() {
  HeaderDialog dialog(session_, prompter_, this);
  dialog.exec();
}

void MainWindow::ShowAboutBox() {
  AboutDialog about(prompter_, this);
  about.exec();
}

void MainWindow::ShowProjectionDialog() {
  ProjectionScaleDialog dialog(session_, form_, prompter_, this);
  connect(&dialog, &ProjectionScaleDialog::ScaleUsed, this, &MainWindow::ShowForm);
  dialog.exec();
}

void MainWindow::ShowFitDialog() {
  FitDialog dialog(session_, form_, prompter_, this);
  connect(&dialog, &FitDialog::FactorsUsed, this, [this, &dialog] {
    Report().SetFitPairs(dialog.UsedPairs());
    ShowForm();
  });
  dialog.exec();
}

ReportWindow& MainWindow::Report() {
  if (!report_) {
    report_ = std::make_unique<ReportWindow>(session_, form_, prompter_, this);
  }
  return *report_;
}

PointBrowserDialog& MainWindow::Browser() {
  if (!browser_) {
    browser_ = std::make_unique<PointBrowserDialog>(session_.reference, this);
  }
  return *browser_;
}

}  // namespace velkora
