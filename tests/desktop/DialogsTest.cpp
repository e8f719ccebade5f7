// The header dialog, the About box and the point browser's size, driven from the main window.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <fstream>
#include <sstream>

#include "desktop/GuiFixture.h"

namespace velkora {
void PrintTo(const HeaderInfo& h, std::ostream* out) {
  *out << "{" << h.THNumber << "|" << h.SPNumber << "|" << h.HorDatum << "|" << h.VerDatum << "|"
       << h.CoordSys << "|" << h.Comments << "}";
}
}  // namespace velkora

namespace velkora::testing {
namespace {

template <typename Widget = QWidget>
Widget* In(QWidget* dialog, const char* name) {
  auto* found = dialog->findChild<Widget*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

HeaderInfo BoxesOf(QWidget* dialog) {
  HeaderInfo shown;
  shown.THNumber = In<QLineEdit>(dialog, "txtTH")->text().toStdString();
  shown.SPNumber = In<QLineEdit>(dialog, "txtSP")->text().toStdString();
  shown.HorDatum = In<QComboBox>(dialog, "txtHD")->currentText().toStdString();
  shown.VerDatum = In<QComboBox>(dialog, "txtVD")->currentText().toStdString();
  shown.CoordSys = In<QComboBox>(dialog, "txtPR")->currentText().toStdString();
  shown.Comments = In<QPlainTextEdit>(dialog, "txtCM")->toPlainText().toStdString();
  return shown;
}

void TypeInto(QWidget* dialog, const char* box, const char* text) {
  QWidget* target = In(dialog, box);
  if (auto* list = qobject_cast<QComboBox*>(target)) {
    target = list->lineEdit();
  }
  QTest::keyClick(target, Qt::Key_End);
  QTest::keyClicks(target, QString::fromLatin1(text));
}

const HeaderInfo kJob = {"1234", "5678-90", "NAD83(96)", "NAVD88", "UTM Zone 15E", "Route 9"};

class HeaderDialogTest : public MainWindowFixture {
 public:
  // Opens the dialog from the menu, records what it showed and runs `act` in it.
  HeaderInfo OpenHeader(const std::function<void(QWidget*)>& act) {
    HeaderInfo shown;
    WhenModal(window.get(), [&](QWidget* dialog) {
      shown = BoxesOf(dialog);
      act(dialog);
    });
    Entry("mnuHeaderInfo")->trigger();
    return shown;
  }
};

TEST_F(HeaderDialogTest, ButtonsSetOrKeepTheHeader) {
  struct Row {
    const char* what;
    std::function<void(QWidget*)> act;
    HeaderInfo expected;
  };
  const Row rows[] = {
      {"Continue trims the boxes",
       [](QWidget* d) {
         TypeInto(d, "txtTH", "  ");
         TypeInto(d, "txtPR", " ");
         In<QPushButton>(d, "btnContinue")->click();
       },
       kJob},
      {"Enter presses Continue",
       [](QWidget* d) {
         TypeInto(d, "txtSP", "-1");
         QTest::keyClick(In(d, "txtSP"), Qt::Key_Return);
       },
       {"1234", "5678-90-1", "NAD83(96)", "NAVD88", "UTM Zone 15E", "Route 9"}},
      {"Cancel keeps the header",
       [](QWidget* d) {
         TypeInto(d, "txtTH", "99");
         In<QPushButton>(d, "btnCancel")->click();
       },
       kJob},
      {"Esc keeps the header",
       [](QWidget* d) {
         In<QPushButton>(d, "btnClear")->click();
         QTest::keyClick(d, Qt::Key_Escape);
       },
       kJob},
      {"Clear then Continue empties it",
       [](QWidget* d) {
         In<QPushButton>(d, "btnClear")->click();
         EXPECT_EQ(BoxesOf(d), HeaderInfo{});
         In<QPushButton>(d, "btnContinue")->click();
       },
       HeaderInfo{}},
  };
  for (const Row& row : rows) {
    session.header = kJob;
    EXPECT_EQ(OpenHeader(row.act), kJob) << row.what;
    EXPECT_EQ(session.header, row.expected) << row.what;
  }
}

TEST_F(HeaderDialogTest, SaveWritesTheDefaultsFileAndStaysOpen) {
  session.header = kJob;
  bool stayedOpen = false;
  OpenHeader([&](QWidget* d) {
    In<QPushButton>(d, "btnClear")->click();
    TypeInto(d, "txtTH", " 12 ");
    TypeInto(d, "txtHD", "NAD27");
    QTest::keyClicks(In(d, "txtCM"), QStringLiteral("Line one"));
    QTest::keyClick(In(d, "txtCM"), Qt::Key_Return);
    QTest::keyClicks(In(d, "txtCM"), QStringLiteral("Line two"));
    In<QPushButton>(d, "btnSave")->click();
    stayedOpen = d->isVisible();
    In<QPushButton>(d, "btnCancel")->click();
  });
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(session.header, kJob);
  std::ifstream file(session.iniPath, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  EXPECT_EQ(text.str(),
            "[HEADER]\r\nTHNumber=12\r\nSPNumber=\r\nHorDatum=NAD27\r\nVerDatum=\r\n"
            "CoordSys=\r\nComments=Line one\r\nLine two\r\n");
}

TEST_F(HeaderDialogTest, UnwritableDefaultsFileIsReportedAndChangesNothing) {
  std::ofstream(programFolder.filePath(QStringLiteral("plain")).toStdString()) << "x";
  session.iniPath = programFolder.filePath(QStringLiteral("plain/Velkora.ini")).toStdString();
  session.header = kJob;
  bool stayedOpen = false;
  OpenHeader([&](QWidget* d) {
    TypeInto(d, "txtTH", "5");
    In<QPushButton>(d, "btnSave")->click();
    stayedOpen = d->isVisible();
    In<QPushButton>(d, "btnCancel")->click();
  });
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(session.header, kJob);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0],
            (Message{"Unable To Save The Header Defaults In:\r\n" + session.iniPath,
                     MessageIcon::kCritical, MessageButtons::kOk, "Velkora Error"}));
}

using AboutBoxTest = MainWindowFixture;

TEST_F(AboutBoxTest, ShowsTheProgramAndReportsAMissingSystemInformationProgram) {
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", programFolder.path().toLocal8Bit());
  struct Shown {
    std::string title, name, version, description;
    bool openAfterSysInfo = false;
  } shown;
  WhenModal(window.get(), [&](QWidget* about) {
    shown.title = about->windowTitle().toStdString();
    shown.name = In<QLabel>(about, "lblTitle")->text().toStdString();
    shown.version = In<QLabel>(about, "lblVersion")->text().toStdString();
    shown.description = In<QPlainTextEdit>(about, "Text1")->toPlainText().toStdString();
    In<QPushButton>(about, "cmdSysInfo")->click();
    shown.openAfterSysInfo = about->isVisible();
    QTest::keyClick(about, Qt::Key_Return);
  });
  Entry("mnuHlpAbout")->trigger();
  qputenv("PATH", path);

  EXPECT_EQ(shown.title, "About Velkora");
  EXPECT_EQ(shown.name, "Velkora");
  EXPECT_EQ(shown.version, "Version 1.1.0    October 2, 2008");
  EXPECT_EQ(shown.description,
            "Velkora loads one or more ASCII coordinate files \n"
            "and computes new positions by translating, rotating, \n"
            "and/or scaling the original coordinates.\n\n"
            "Velkora supports Tavrin 80-Column, Geopak \n"
            "Delimited, Comma Delimited, Geopak Print Points & \n"
            "Cogo Input, and SDMS Points File formats .\n");
  EXPECT_TRUE(shown.openAfterSysInfo);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0], (Message{"System Information Is Unavailable At This Time",
                                           MessageIcon::kNone, MessageButtons::kOk, "Velkora"}));
  EXPECT_EQ(window->findChild<QDialog*>(QStringLiteral("frmVelkoraAbout")), nullptr);
}

using PointBrowserTest = MainWindowFixture;

TEST_F(PointBrowserTest, OpensAsWideAsItsWidestLine) {
  if (window->logicalDpiX() != 96) {
    GTEST_SKIP() << "the pixel values below are for 96 dpi (15 twips to a pixel)";
  }
  struct Row {
    std::int64_t widestLine;
    int clientWidth;  // outer width less the 120-twip frame
    int listWidth;
    int selectLeft;
    int cancelLeft;
  };
  // Outer widths 5624 and 9320 twips; the list 360 narrower; three equal gaps.
  const Row rows[] = {
      {47, 367, 351, 76, 226},
      {80, 613, 597, 158, 390},
  };
  Type("rFileName", QString::fromStdString(DataFile("comma-delimited.txt")));
  Leave("rFileName");
  for (const Row& row : rows) {
    session.reference.width = static_cast<std::size_t>(row.widestLine);
    QRect list;
    int clientWidth = 0, selectLeft = 0, cancelLeft = 0;
    WhenModal(window.get(), [&](QWidget* browser) {
      clientWidth = browser->width();
      list = In(browser, "pointList")->geometry();
      selectLeft = In(browser, "btnSelect")->x();
      cancelLeft = In(browser, "btnCancel")->x();
      QTest::keyClick(browser, Qt::Key_Escape);
    });
    Find<QPushButton>("btnSPP")->click();
    EXPECT_EQ(clientWidth, row.clientWidth) << row.widestLine;
    EXPECT_EQ(list.width(), row.listWidth) << row.widestLine;
    EXPECT_EQ(selectLeft, row.selectLeft) << row.widestLine;
    EXPECT_EQ(cancelLeft, row.cancelLeft) << row.widestLine;
  }
}

// A description of a thousand characters would make the browser far wider than the screen.
TEST_F(PointBrowserTest, StaysOnTheScreenWithItsButtons) {
  Type("rFileName", QString::fromStdString(DataFile("comma-delimited.txt")));
  Leave("rFileName");
  session.reference.width = 1037;
  QRect frame, screen, cancel;
  int clientWidth = 0;
  WhenModal(window.get(), [&](QWidget* browser) {
    frame = browser->frameGeometry();
    screen = browser->screen()->availableGeometry();
    clientWidth = browser->width();
    cancel = In(browser, "btnCancel")->geometry();
    QTest::keyClick(browser, Qt::Key_Escape);
  });
  Find<QPushButton>("btnSPP")->click();
  EXPECT_TRUE(screen.contains(frame)) << frame.x() << "," << frame.width();
  EXPECT_LE(cancel.right(), clientWidth);
}

}  // namespace
}  // namespace velkora::testing
