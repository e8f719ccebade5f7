// Construction of the main window's controls and menus, and the wiring of their events to the
// engine's handlers. The window holds no logic: every event changes the model through a
// handler and the window then shows the model.
#include "desktop/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
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

#include "app/ControlPointPick.h"
#include "app/ConversionRun.h"
#include "app/FactorCommands.h"
#include "app/InputFileList.h"
#include "app/MainFormCommands.h"
#include "app/OutputSelection.h"
#include "app/ReferenceFile.h"
#include "app/ReportCommands.h"
#include "desktop/AboutDialog.h"
#include "desktop/CommonView.h"
#include "desktop/ControlView.h"
#include "desktop/FitDialog.h"
#include "desktop/HeaderDialog.h"
#include "desktop/PointBrowserDialog.h"
#include "desktop/ReportWindow.h"
#include "desktop/RunProgressView.h"
#include "engine/points/Layouts.h"
#include "engine/report/ReportText.h"

namespace velkora {

namespace {

// Client area of the window, in twips.
constexpr double kClientWidth = 5865;
constexpr double kClientHeight = 8550;

// An arrow for the pick buttons.
constexpr char16_t kPickArrow = u'\u25C4';

QString Name(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

template <typename Widget>
Widget* Place(QWidget* parent, const char* name, const QRect& rect) {
  auto* widget = new Widget(parent);
  widget->setObjectName(Name(name));
  widget->setGeometry(rect);
  return widget;
}

// A caption a little wider than its label in the system's font is set a little tighter
// rather than cut off by the control beside it.
void FitToWidth(QLabel* label) {
  QFont font = label->font();
  for (int spacing = 99; spacing >= 85 && label->sizeHint().width() > label->width(); --spacing) {
    font.setLetterSpacing(QFont::PercentageSpacing, spacing);
    label->setFont(font);
  }
}

QLabel* PlaceLabel(QWidget* parent, const char* name, const char* caption, const QRect& rect) {
  auto* label = Place<QLabel>(parent, name, rect);
  label->setTextFormat(Qt::PlainText);
  label->setText(Name(caption));
  FitToWidth(label);
  return label;
}

QPushButton* PlaceButton(QWidget* parent, const char* name, const char* caption,
                         const char* tooltip, const QRect& rect) {
  auto* button = Place<QPushButton>(parent, name, rect);
  button->setText(Name(caption));
  button->setAutoDefault(false);
  if (tooltip != nullptr) {
    button->setToolTip(Name(tooltip));
  }
  return button;
}

QLineEdit* PlaceBox(QWidget* parent, const char* name, const QRect& rect,
                    const char* tooltip = nullptr) {
  auto* box = Place<QLineEdit>(parent, name, rect);
  if (tooltip != nullptr) {
    box->setToolTip(Name(tooltip));
  }
  return box;
}

void PlaceSeparator(QWidget* parent, double top) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(TwipRect(240, top, kClientWidth - 480, 30));
}

// The four control-point frames: their captions, places, boxes and pick buttons.
struct PointFrame {
  const char* frame;
  const char* caption;
  double left;
  double top;
  const char* numberBox;
  const char* xBox;
  const char* yBox;
  const char* pickButton;
  ControlRole role;
};

constexpr std::array<PointFrame, 4> kPointFrames = {{
    {"Frame1", "Source Pivot Point", 360, 960, "SPPN", "SPPX", "SPPY", "btnSPP",
     ControlRole::kSourcePivot},
    {"Frame2", "Source Reference Point", 3000, 960, "SRPN", "SRPX", "SRPY", "btnSRP",
     ControlRole::kSourceReference},
    {"Frame3", "Destination Pivot Point", 360, 2520, "DPPN", "DPPX", "DPPY", "btnDPP",
     ControlRole::kDestinationPivot},
    {"Frame4", "Destination Reference Point", 3000, 2520, "DRPN", "DRPX", "DRPY", "btnDRP",
     ControlRole::kDestinationReference},
}};

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

  PlaceLabel(client, "Label18", "Coordinate File for Source and Destination Control Points :",
             TwipRect(360, 240, 5200, 240));
  PlaceBox(client, "rFileName", TwipRect(360, 480, 4335, 285),
           "Enter or drag the coordinate point reference file.")
      ->setAcceptDrops(true);
  PlaceButton(client, "btnGetRName", "Select", "Select a coordinate point filename.",
              TwipRect(4800, 435, 735, 375));
  PlaceSeparator(client, 870);

  for (const PointFrame& point : kPointFrames) {
    auto* frame =
        Place<QGroupBox>(client, point.frame, TwipRect(point.left, point.top, 2535, 1335));
    frame->setTitle(Name(point.caption));
    const std::array<const char*, 3> labels = {"Point Number", "X-Coordinate", "Y-Coordinate"};
    const std::array<const char*, 3> boxes = {point.numberBox, point.xBox, point.yBox};
    for (int row = 0; row < 3; ++row) {
      const double top = 240 + 360 * row;
      PlaceLabel(frame, "", labels[row], TwipRect(120, top + 45, 1080, 195));
      PlaceBox(frame, boxes[row], TwipRect(1200, top, row == 0 ? 855 : 1215, 285));
    }
    auto* pick = PlaceButton(frame, point.pickButton, "",
                             "Select this point from the Coordinate File above.",
                             TwipRect(2535 - 255 - 60, 30, 255, 255));
    pick->setText(QString(QChar(kPickArrow)));
  }
  PlaceButton(client, "compDeltas", "Calculate the Translate, Rotate, and/or Scale Factors",
              "Compute the conversion factors based on the Points above.",
              TwipRect(960, 4000, 3975, 325));
  PlaceSeparator(client, 4440);

  PlaceLabel(client, "lblCount", "Input File List :", TwipRect(360, 4680, 4455, 255));
  PlaceButton(client, "btnListClr", "Clear", nullptr, TwipRect(360, 4650, 615, 255));
  auto* list = Place<QComboBox>(client, "loadedFiles", TwipRect(360, 4920, 4335, 315));
  list->setToolTip(QStringLiteral("Drag files here to add them to the session."));
  list->setAcceptDrops(true);
  PlaceButton(client, "btnAdd", "Select", "Load or Add files to the session via Windows dialog.",
              TwipRect(4800, 4875, 735, 375))
      ->setAcceptDrops(true);
  PlaceSeparator(client, 5310);

  auto* translate = Place<QGroupBox>(client, "Frame5", TwipRect(360, 5400, 1815, 975));
  translate->setTitle(QStringLiteral("Translate"));
  PlaceLabel(translate, "", "d X", TwipRect(120, 285, 360, 195));
  PlaceBox(translate, "txtDX", TwipRect(480, 240, 1215, 285));
  PlaceLabel(translate, "", "d Y", TwipRect(120, 645, 360, 195));
  PlaceBox(translate, "txtDY", TwipRect(480, 600, 1215, 285));

  auto* rotate = Place<QGroupBox>(client, "Frame6", TwipRect(2400, 5400, 1455, 975));
  rotate->setTitle(QStringLiteral("Rotate"));
  auto* angle = PlaceLabel(rotate, "", "Angle", TwipRect(735, 15, 600, 195));
  angle->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  PlaceBox(rotate, "txtDR", TwipRect(120, 240, 1215, 285),
           "Rotation angle, either DD.DDSSss or DD MM SS.ss");
  auto* ignoreRotation = Place<QCheckBox>(rotate, "ignoreDR", TwipRect(120, 600, 1275, 285));
  ignoreRotation->setToolTip(QStringLiteral("Check to skip rotation calculation."));

  auto* scale = Place<QGroupBox>(client, "Frame7", TwipRect(4080, 5400, 1455, 975));
  scale->setTitle(QStringLiteral("Scale"));
  PlaceBox(scale, "txtDS", TwipRect(120, 240, 1215, 285));
  auto* ignoreScale = Place<QCheckBox>(scale, "ignoreDS", TwipRect(120, 600, 1275, 285));
  ignoreScale->setToolTip(QStringLiteral("Check to skip scale factor calculation."));
  PlaceSeparator(client, 6480);

  PlaceLabel(client, "Label16", "Output File :", TwipRect(360, 6600, 2000, 240));
  PlaceBox(client, "oFileName", TwipRect(360, 6840, 4335, 285),
           "Enter file that will contain the converted coordinates.")
      ->setAcceptDrops(true);
  PlaceButton(client, "btnGetOName", "Select", "Select the output file.",
              TwipRect(4800, 6795, 735, 375));
  PlaceLabel(client, "Label17", "Output File Format :", TwipRect(360, 7360, 1440, 240));
  auto* format = Place<QComboBox>(client, "outFormat", TwipRect(1800, 7300, 2055, 315));
  format->setEditable(true);
  format->setInsertPolicy(QComboBox::NoInsert);
  format->setToolTip(QStringLiteral("Select one of the standard file formats."));
  auto* suppress = Place<QCheckBox>(client, "chkSuppress", TwipRect(4320, 7300, 1455, 375));
  suppress->setToolTip(QStringLiteral("Do not output any value if elevations are zero or blank."));
  PlaceSeparator(client, 7860);

  PlaceButton(client, "btnHeader", "Header", nullptr, TwipRect(495, 8040, 855, 375));
  PlaceButton(client, "btnClr", "Clear All", "Clear all fields on this form.",
              TwipRect(1830, 8040, 855, 375));
  PlaceButton(client, "btnCompute", "Compute", "Do the coordinate conversion as specified.",
              TwipRect(3165, 8040, 855, 375));
  PlaceButton(client, "btnExit", "Exit", "End the program.", TwipRect(4500, 8040, 855, 375));

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
  onClick("compDeltas", [this] { ComputeFactors(form_); });
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
  // "Clear All" forgets the pairs of the fit last used, as it forgets the control points.
  connect(findChild<QPushButton*>(QStringLiteral("btnClr")), &QPushButton::clicked, this,
          [this] { Report().SetFitPairs({}); });

  // Esc anywhere in the window presses Exit.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, findChild<QPushButton*>(QStringLiteral("btnExit")),
          &QPushButton::click);
}

void MainWindow::SetTabOrder() {
  const std::array<const char*, 36> order = {
      "rFileName",  "btnGetRName", "SPPN",        "SPPX",     "SPPY",       "btnSPP",
      "SRPN",       "SRPX",        "SRPY",        "btnSRP",   "DPPN",       "DPPX",
      "DPPY",       "btnDPP",      "DRPN",        "DRPX",     "DRPY",       "btnDRP",
      "compDeltas", "btnListClr",  "loadedFiles", "btnAdd",   "txtDX",      "txtDY",
      "txtDR",      "ignoreDR",    "txtDS",       "ignoreDS", "oFileName",  "btnGetOName",
      "outFormat",  "chkSuppress", "btnHeader",   "btnClr",   "btnCompute", "btnExit"};
  QWidget* previous = nullptr;
  for (const char* name : order) {
    auto* widget = findChild<QWidget*>(Name(name));
    if (previous != nullptr) {
      setTabOrder(previous, widget);
    }
    previous = widget;
  }
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
