// The main window as the user meets it: its controls and menus, the input list, the
// control-point lookups and picks, Clear All and Exit.
#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>

#include "desktop/GuiFixture.h"

namespace velkora::testing {
namespace {

// The caption a control shows, its line breaks read as blanks.
std::string Caption(QObject* object) {
  QString text;
  if (auto* label = qobject_cast<QLabel*>(object)) {
    text = label->text();
  } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
    text = button->text();
  } else if (auto* frame = qobject_cast<QGroupBox*>(object)) {
    text = frame->title();
  } else if (auto* action = qobject_cast<QAction*>(object)) {
    text = action->text();
  }
  return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).toStdString();
}

std::string Tooltip(QObject* object) {
  if (auto* widget = qobject_cast<QWidget*>(object)) {
    return widget->toolTip().toStdString();
  }
  return {};
}

using MainWindowTest = MainWindowFixture;

TEST_F(MainWindowTest, ControlsCarryTheirNamesCaptionsAndTooltips) {
  struct Row {
    const char* name;
    const char* caption;
    const char* tooltip;
  };
  const char* pick = "Select this point from the Coordinate File above.";
  const Row rows[] = {
      {"Label18", "Coordinate File for Source and Destination Control Points :", ""},
      {"rFileName", "", "Enter or drag the coordinate point reference file."},
      {"btnGetRName", "Select", "Select a coordinate point filename."},
      {"Frame1", "Source Pivot Point", ""},
      {"Frame2", "Source Reference Point", ""},
      {"Frame3", "Destination Pivot Point", ""},
      {"Frame4", "Destination Reference Point", ""},
      {"SPPN", "", ""},
      {"SPPX", "", ""},
      {"SPPY", "", ""},
      {"SRPN", "", ""},
      {"SRPX", "", ""},
      {"SRPY", "", ""},
      {"DPPN", "", ""},
      {"DPPX", "", ""},
      {"DPPY", "", ""},
      {"DRPN", "", ""},
      {"DRPX", "", ""},
      {"DRPY", "", ""},
      {"btnSPP", "\u25C4", pick},
      {"btnSRP", "\u25C4", pick},
      {"btnDPP", "\u25C4", pick},
      {"btnDRP", "\u25C4", pick},
      {"compDeltas", "Calculate the Translate, Rotate, and/or Scale Factors",
       "Compute the conversion factors based on the Points above."},
      {"lblCount", "Input File List :", ""},
      {"btnListClr", "Clear", ""},
      {"loadedFiles", "", "Drag files here to add them to the session."},
      {"btnAdd", "Load", "Load or Add files to the session via Windows dialog."},
      {"Frame5", "Translate", ""},
      {"Frame6", "Rotate", ""},
      {"Frame7", "Scale", ""},
      {"txtDX", "", ""},
      {"txtDY", "", ""},
      {"txtDR", "", "Rotation angle, either DD.DDSSss or DD MM SS.ss"},
      {"txtDS", "", ""},
      {"ignoreDR", "No Rotation", "Check to skip rotation calculation."},
      {"ignoreDS", "No Scaling", "Check to skip scale factor calculation."},
      {"Label16", "Output File :", ""},
      {"oFileName", "", "Enter file that will contain the converted coordinates."},
      {"btnGetOName", "Select", "Select the output file."},
      {"Label17", "Output File Format :", ""},
      {"outFormat", "", "Select one of the standard file formats."},
      {"chkSuppress", "Suppress Zero Elevations",
       "Do not output any value if elevations are zero or blank."},
      {"btnHeader", "Header", ""},
      {"btnClr", "Clear All", "Clear all fields on this form."},
      {"btnCompute", "Compute", "Do the coordinate conversion as specified."},
      {"btnExit", "Exit", "End the program."},
      {"mnuRefFile", "Select a Coordinate File", ""},
      {"mnuFileAdd", "Load An Input File", ""},
      {"mnuListClr", "Clear Input File List", ""},
      {"mnuOutFile", "Select  the Output File", ""},
      {"mnuFilSav", "Output File Format", ""},
      {"mnuFilSavCDF", "Comma-Delimited", ""},
      {"mnuFilSavGDF", "Geopak Delimited ;", ""},
      {"mnuFilSavGDFs", "Geopak Delimited /", ""},
      {"mnuFilSavGpN", "Geopak Input N/E", ""},
      {"mnuFilSavGPX", "Geopak Input X/Y", ""},
      {"mnuFilSavSDM", "SDMS Points", ""},
      {"mnuFilSavUCC", "Tavrin 80-Column", ""},
      {"mnuFilCmp", "Compute", ""},
      {"mnuFilClr", "Clear All Data", ""},
      {"mnuFilExit", "Exit", ""},
      {"mnuHeaderInfo", "Enter Header Info", ""},
      {"mnuRptClr", "Clear Report Contents", ""},
      {"mnuHlpAbout", "About Velkora", ""},
  };
  for (const Row& row : rows) {
    QObject* control = window->findChild<QObject*>(QString::fromLatin1(row.name));
    ASSERT_NE(control, nullptr) << row.name;
    EXPECT_EQ(Caption(control), row.caption) << row.name;
    EXPECT_EQ(Tooltip(control), row.tooltip) << row.name;
  }
  for (const char* separator : {"sep21", "sep1", "sep2"}) {
    ASSERT_NE(Entry(separator), nullptr);
    EXPECT_TRUE(Entry(separator)->isSeparator()) << separator;
  }
  EXPECT_EQ(window->windowTitle().toStdString(), " Velkora");
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  auto* formats = Find<QComboBox>("outFormat");
  ASSERT_EQ(formats->count(), 7);
  EXPECT_EQ(formats->itemText(6).toStdString(), "Tavrin 80-Column");
  EXPECT_EQ(formats->currentIndex(), -1);
}

TEST_F(MainWindowTest, TabOrderFollowsTheLayoutFromTopToBottom) {
  const std::vector<std::string> expected = {
      "rFileName",  "btnGetRName", "SPPN",        "SPPX",     "SPPY",       "btnSPP",
      "SRPN",       "SRPX",        "SRPY",        "btnSRP",   "DPPN",       "DPPX",
      "DPPY",       "btnDPP",      "DRPN",        "DRPX",     "DRPY",       "btnDRP",
      "compDeltas", "btnListClr",  "loadedFiles", "btnAdd",   "txtDX",      "txtDY",
      "txtDR",      "ignoreDR",    "txtDS",       "ignoreDS", "oFileName",  "btnGetOName",
      "outFormat",  "chkSuppress", "btnHeader",   "btnClr",   "btnCompute", "btnExit"};
  std::vector<std::string> chain;
  QWidget* widget = Find("rFileName");
  for (std::size_t i = 0; i < 400 && chain.size() < expected.size(); ++i) {
    const std::string name = widget->objectName().toStdString();
    if (std::find(expected.begin(), expected.end(), name) != expected.end()) {
      chain.push_back(name);
    }
    widget = widget->nextInFocusChain();
  }
  EXPECT_EQ(chain, expected);
}

TEST_F(MainWindowTest, InputListCaptionsFollowAddingAndEmptying) {
  struct Row {
    const char* dropTarget;
    std::function<void(MainWindowFixture&)> empty;
  };
  const Row rows[] = {
      {"btnAdd",
       [](MainWindowFixture& f) { QTest::keyClick(f.Find("loadedFiles"), Qt::Key_Backspace); }},
      {"loadedFiles",
       [](MainWindowFixture& f) { QTest::keyClick(f.Find("loadedFiles"), Qt::Key_Delete); }},
      {"btnAdd", [](MainWindowFixture& f) { f.Find<QPushButton>("btnListClr")->click(); }},
      {"loadedFiles", [](MainWindowFixture& f) { f.Entry("mnuListClr")->trigger(); }},
  };
  const std::string path = DataFile("comma-delimited.txt");
  const std::string holding =
      std::string(15, ' ') + "Input File List :" + std::string(26, ' ') + "( 1 File In List )";
  for (const Row& row : rows) {
    Drop(row.dropTarget, {path, path});
    auto* list = Find<QComboBox>("loadedFiles");
    ASSERT_EQ(list->count(), 1) << row.dropTarget;
    EXPECT_EQ(list->currentText().toStdString(), path);
    EXPECT_EQ(Caption(Find("btnAdd")), "Add");
    EXPECT_EQ(Caption(Entry("mnuFileAdd")), "Add An Input File");
    EXPECT_EQ(Caption(Find("lblCount")), holding);
    EXPECT_FALSE(Find("btnListClr")->isHidden());
    EXPECT_TRUE(Entry("mnuListClr")->isEnabled());

    row.empty(*this);
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(Caption(Find("btnAdd")), "Load");
    EXPECT_EQ(Caption(Entry("mnuFileAdd")), "Load An Input File");
    EXPECT_EQ(Caption(Find("lblCount")), "Input File List :");
    EXPECT_TRUE(Find("btnListClr")->isHidden());
    EXPECT_FALSE(Entry("mnuListClr")->isEnabled());
  }
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MainWindowTest, UnreadableDroppedFileIsRefusedWithItsMessage) {
  const std::string missing = programFolder.filePath(QStringLiteral("missing.txt")).toStdString();
  Drop("btnAdd", {DataFile("comma-delimited.txt"), missing, DataFile("sdms.txt")});
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0],
            (Message{"Unable To Open Specified File:\r\n" + missing, MessageIcon::kCritical,
                     MessageButtons::kOk, "Velkora Error"}));
  EXPECT_EQ(Find<QComboBox>("loadedFiles")->count(), 2);
  EXPECT_EQ(Caption(Find("lblCount")), std::string(15, ' ') + "Input File List :" +
                                           std::string(26, ' ') + "( 2 Files In List )");
}

TEST_F(MainWindowTest, FilesDroppedOnTheBoxesAndListGoWhereTheyBelong) {
  const std::string comma = DataFile("comma-delimited.txt");
  const std::string sdms = DataFile("sdms.txt");
  struct Row {
    const char* target;
    std::function<void(MainWindowFixture&)> check;
  };
  const Row rows[] = {
      {"rFileName",
       [&](MainWindowFixture& f) {
         EXPECT_EQ(f.Find<QLineEdit>("rFileName")->text().toStdString(), comma);
         EXPECT_EQ(f.session.reference.lines.size(), 5u);
       }},
      {"oFileName",
       [&](MainWindowFixture& f) {
         EXPECT_EQ(f.Find<QLineEdit>("oFileName")->text().toStdString(), comma);
       }},
      {"loadedFiles",
       [&](MainWindowFixture& f) {
         EXPECT_EQ(f.Find<QComboBox>("loadedFiles")->count(), 2);
         EXPECT_EQ(f.Find<QComboBox>("loadedFiles")->currentText().toStdString(), sdms);
       }},
  };
  for (const Row& row : rows) {
    Drop(row.target, {comma, sdms});
    row.check(*this);
  }
  EXPECT_TRUE(prompter.messages.empty());
}

// The reference file's points, as the lookups and picks copy them into the boxes.
struct ReferencePoint {
  const char* number;
  const char* x;
  const char* y;
  const char* description;
};
const ReferencePoint kPoint101 = {"101", "1285643.215", "412387.932", "IRON PIN FOUND"};
const ReferencePoint kPoint103 = {"103", "1285801.77", "412455.106", "PK NAIL IN PAVEMENT"};
const ReferencePoint kPoint104 = {"104", "1285899.003", "412510.884", "TOP OF CURB"};
const ReferencePoint kCleared = {"", "", "", ""};

class ControlPointTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    Type("rFileName", QString::fromStdString(DataFile("comma-delimited.txt")));
    Leave("rFileName", "SPPN");
    ASSERT_EQ(session.reference.lines.size(), 5u);
  }

  void ExpectPoint(const char* prefix, const std::string& description,
                   const ReferencePoint& point) {
    const std::string p(prefix);
    EXPECT_EQ(Find<QLineEdit>((p + "N").c_str())->text().toStdString(), point.number) << p;
    EXPECT_EQ(Find<QLineEdit>((p + "X").c_str())->text().toStdString(), point.x) << p;
    EXPECT_EQ(Find<QLineEdit>((p + "Y").c_str())->text().toStdString(), point.y) << p;
    EXPECT_EQ(description, point.description) << p;
  }
};

TEST_F(ControlPointTest, LeavingANumberBoxLooksThePointUp) {
  struct Row {
    const char* prefix;
    const char* typed;
    ReferencePoint expected;
    const char* focusAfter;
  };
  const Row rows[] = {
      {"SPP", "101", kPoint101, "compDeltas"},
      {"SRP", " 103 ", kPoint103, "compDeltas"},
      {"DRP", "104", kPoint104, "compDeltas"},
      {"DPP", "0101", kCleared, "DPPN"},
  };
  for (const Row& row : rows) {
    const std::string number = std::string(row.prefix) + "N";
    Type(number.c_str(), QString::fromLatin1(row.typed));
    Leave(number.c_str());
    QApplication::processEvents();
    const std::string& description = row.prefix == std::string("SPP")   ? form.SPPD
                                     : row.prefix == std::string("SRP") ? form.SRPD
                                     : row.prefix == std::string("DPP") ? form.DPPD
                                                                        : form.DRPD;
    ExpectPoint(row.prefix, description, row.expected);
    EXPECT_EQ(FocusName(), row.focusAfter) << row.typed;
  }
}

TEST_F(ControlPointTest, PickButtonsTakeTheHighlightedPointOrNothing) {
  struct Row {
    const char* button;
    const char* caption;
    std::function<void(QDialog*)> answer;
    ReferencePoint expected;
  };
  auto highlight = [](QDialog* browser, int row) {
    auto* list = browser->findChild<QListView*>(QStringLiteral("pointList"));
    list->setCurrentIndex(list->model()->index(row, 0));
  };
  const Row rows[] = {
      {"btnSPP", "Select The Source Pivot Point",
       [&](QDialog* b) {
         highlight(b, 0);
         b->findChild<QPushButton*>(QStringLiteral("btnSelect"))->click();
       },
       kPoint101},
      {"btnSRP", "Select The Source Reference Point",
       [&](QDialog* b) {
         highlight(b, 2);
         QTest::keyClick(b, Qt::Key_Return);
       },
       kPoint103},
      {"btnDPP", "Select The Destination Pivot Point",
       [&](QDialog* b) {
         highlight(b, 2);
         QTest::keyClick(b, Qt::Key_Escape);
       },
       kCleared},
      {"btnDRP", "Select The Destination Reference Point",
       [&](QDialog* b) {
         highlight(b, 0);
         b->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
       },
       kCleared},
  };
  for (const Row& row : rows) {
    std::string caption;
    WhenModal(window.get(), [&](QWidget* browser) {
      caption = browser->windowTitle().toStdString();
      row.answer(qobject_cast<QDialog*>(browser));
    });
    Find<QPushButton>(row.button)->click();
    EXPECT_EQ(caption, row.caption);
    const std::string prefix = std::string(row.button).substr(3);
    const std::string& description = prefix == "SPP"   ? form.SPPD
                                     : prefix == "SRP" ? form.SRPD
                                     : prefix == "DPP" ? form.DPPD
                                                       : form.DRPD;
    ExpectPoint(prefix.c_str(), description, row.expected);
    QApplication::processEvents();
    EXPECT_EQ(FocusName(), "compDeltas") << row.button;
  }
}

TEST_F(ControlPointTest, SelectWithoutAHighlightedLineIsIgnored) {
  bool stayedOpen = false;
  WhenModal(window.get(), [&](QWidget* browser) {
    auto* list = browser->findChild<QListView*>(QStringLiteral("pointList"));
    list->clearSelection();
    list->setCurrentIndex(QModelIndex());
    browser->findChild<QPushButton*>(QStringLiteral("btnSelect"))->click();
    stayedOpen = browser->isVisible();
    browser->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
  });
  Find<QPushButton>("btnSPP")->click();
  EXPECT_TRUE(stayedOpen);
  ExpectPoint("SPP", form.SPPD, kCleared);
}

TEST_F(ControlPointTest, ComputedFactorsFillTheFactorBoxes) {
  const std::pair<const char*, const char*> typed[] = {
      {"SPPX", "1000"}, {"SPPY", "1000"}, {"SRPX", "1000"}, {"SRPY", "2000"},
      {"DPPX", "5000"}, {"DPPY", "5000"}, {"DRPX", "6000"}, {"DRPY", "5000"}};
  for (const auto& [box, text] : typed) {
    Type(box, QString::fromLatin1(text));
  }
  Find<QPushButton>("compDeltas")->click();
  EXPECT_EQ(Find<QLineEdit>("txtDX")->text().toStdString(), "4000.0000");
  EXPECT_EQ(Find<QLineEdit>("txtDY")->text().toStdString(), "4000.0000");
  EXPECT_EQ(Find<QLineEdit>("txtDR")->text().toStdString(), "+90 00 00");
  EXPECT_EQ(Find<QLineEdit>("txtDS")->text().toStdString(), "1");
  EXPECT_TRUE(Find("ignoreDR")->isEnabled());

  // Erasing the angle greys "No Rotation"; typing brings it back with its check kept.
  Find<QAbstractButton>("ignoreDR")->click();
  Type("txtDR", QString());
  EXPECT_FALSE(Find("ignoreDR")->isEnabled());
  Type("txtDR", QStringLiteral("1"));
  EXPECT_TRUE(Find("ignoreDR")->isEnabled());
  EXPECT_TRUE(Find<QAbstractButton>("ignoreDR")->isChecked());
}

TEST_F(MainWindowTest, ClearAllKeepsTheHeaderAndTheSuppressionChoice) {
  WhenModal(window.get(), [](QWidget* header) {
    QTest::keyClicks(header->findChild<QLineEdit*>(QStringLiteral("txtTH")),
                     QStringLiteral("  4321 "));
    header->findChild<QPushButton*>(QStringLiteral("btnContinue"))->click();
  });
  Find<QPushButton>("btnHeader")->click();
  ASSERT_EQ(session.header.THNumber, "4321");

  Find<QAbstractButton>("chkSuppress")->click();
  ASSERT_EQ(form.chkSuppress.checked, 0);
  Drop("loadedFiles", {DataFile("comma-delimited.txt")});
  Type("txtDX", QStringLiteral("12.5"));
  Type("txtDS", QStringLiteral("1.0002"));
  Type("oFileName", QStringLiteral("out.txt"));
  Entry("mnuFilSavSDM")->trigger();
  ASSERT_EQ(Find<QComboBox>("outFormat")->currentIndex(), 5);

  Entry("mnuFilClr")->trigger();
  for (const char* box : {"txtDX", "txtDS", "oFileName", "rFileName"}) {
    EXPECT_TRUE(Find<QLineEdit>(box)->text().isEmpty()) << box;
  }
  EXPECT_EQ(Find<QComboBox>("loadedFiles")->count(), 0);
  EXPECT_EQ(Find<QComboBox>("outFormat")->currentIndex(), -1);
  EXPECT_FALSE(Find("ignoreDS")->isEnabled());
  EXPECT_EQ(session.header.THNumber, "4321");
  EXPECT_FALSE(Find<QAbstractButton>("chkSuppress")->isChecked());
  EXPECT_EQ(form.chkSuppress.checked, 0);
}

TEST_F(MainWindowTest, EscAndExitEndTheProgram) {
  for (const std::function<void()>& exit :
       std::vector<std::function<void()>>{[&] { QTest::keyClick(window.get(), Qt::Key_Escape); },
                                          [&] { Entry("mnuFilExit")->trigger(); }}) {
    window->show();
    ASSERT_TRUE(window->isVisible());
    exit();
    EXPECT_FALSE(window->isVisible());
  }
}

}  // namespace
}  // namespace velkora::testing
