// The small windows: the header dialog with its defaults file, the point browser's picks and
// its place on the screen, and the About box without a system information program.
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "desktop/WindowFixture.h"

namespace velkora::testing {
namespace {

using DialogsFlow = WindowFixture;

std::string HeaderText(const HeaderInfo& h) {
  return h.THNumber + "|" + h.SPNumber + "|" + h.HorDatum + "|" + h.VerDatum + "|" + h.CoordSys +
         "|" + h.Comments;
}

void TypeInto(QWidget* dialog, const char* box, const char* text) {
  QWidget* target = In(dialog, box);
  if (auto* list = qobject_cast<QComboBox*>(target)) {
    target = list->lineEdit();
  }
  QTest::keyClick(target, Qt::Key_End);
  QTest::keyClicks(target, QString::fromLatin1(text));
}

TEST_F(DialogsFlow, HeaderDialogSetsKeepsAndSavesTheHeader) {
  const HeaderInfo job = {"1234", "5678-90", "NAD83(96)", "NAVD88", "UTM Zone 15E", "Route 9"};
  const struct {
    std::function<void(QWidget*)> act;
    std::string header;
  } rows[] = {
      {[](QWidget* d) {
         TypeInto(d, "txtTH", "  ");
         In<QPushButton>(d, "btnContinue")->click();
       },
       "1234|5678-90|NAD83(96)|NAVD88|UTM Zone 15E|Route 9"},
      {[](QWidget* d) {
         TypeInto(d, "txtSP", "-1");
         QTest::keyClick(In(d, "txtSP"), Qt::Key_Return);
       },
       "1234|5678-90-1|NAD83(96)|NAVD88|UTM Zone 15E|Route 9"},
      {[](QWidget* d) {
         TypeInto(d, "txtTH", "99");
         In<QPushButton>(d, "btnCancel")->click();
       },
       "1234|5678-90|NAD83(96)|NAVD88|UTM Zone 15E|Route 9"},
      {[](QWidget* d) {
         In<QPushButton>(d, "btnClear")->click();
         QTest::keyClick(d, Qt::Key_Escape);
       },
       "1234|5678-90|NAD83(96)|NAVD88|UTM Zone 15E|Route 9"},
      {[](QWidget* d) {
         In<QPushButton>(d, "btnClear")->click();
         In<QPushButton>(d, "btnContinue")->click();
       },
       "|||||"},
  };
  for (const auto& row : rows) {
    session.header = job;
    WhenModal(window.get(), row.act);
    Entry("mnuHeaderInfo")->trigger();
    EXPECT_EQ(HeaderText(session.header), row.header);
  }

  // Save writes the defaults file named in the dialog, making its folders, and stays open.
  session.iniPath = Path("config/velkora/Velkora.ini");
  std::string named;
  bool stayedOpen = false;
  WhenModal(window.get(), [&](QWidget* d) {
    named = In<QLabel>(d, "lblDefaultsFile")->toolTip().toStdString();
    TypeInto(d, "txtTH", " 12 ");
    TypeInto(d, "txtHD", "NAD27");
    QTest::keyClicks(In(d, "txtCM"), QStringLiteral("Line one"));
    QTest::keyClick(In(d, "txtCM"), Qt::Key_Return);
    QTest::keyClicks(In(d, "txtCM"), QStringLiteral("Line two"));
    In<QPushButton>(d, "btnSave")->click();
    stayedOpen = d->isVisible();
    In<QPushButton>(d, "btnCancel")->click();
  });
  Entry("mnuHeaderInfo")->trigger();
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(named, session.iniPath);
  EXPECT_EQ(ReadWhole(session.iniPath),
            "[HEADER]\r\nTHNumber=12\r\nSPNumber=\r\nHorDatum=NAD27\r\nVerDatum=\r\n"
            "CoordSys=\r\nComments=Line one\r\nLine two\r\n");

  // A defaults file that cannot be written is told, and nothing changes.
  WriteWhole(folder / "plain", "x");
  session.iniPath = Path("plain/Velkora.ini");
  WhenModal(window.get(), [](QWidget* d) {
    In<QPushButton>(d, "btnSave")->click();
    In<QPushButton>(d, "btnCancel")->click();
  });
  Entry("mnuHeaderInfo")->trigger();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0],
            (Message{"Unable To Save The Header Defaults In:\r\n" + session.iniPath,
                     MessageIcon::kCritical, MessageButtons::kOk, "Velkora Error"}));
}

TEST_F(DialogsFlow, PointBrowserTakesTheHighlightedPointOrNothing) {
  Type("rFileName", DataPath("comma-delimited.txt").string());
  Leave("rFileName", "SPPN");
  const auto pick = [this](const char* button, const std::function<void(QWidget*)>& act) {
    WhenModal(window.get(), act);
    Find<QPushButton>(button)->click();
  };
  const auto highlight = [](QWidget* browser, int row) {
    auto* list = In<QListView>(browser, "pointList");
    list->setCurrentIndex(list->model()->index(row, 0));
  };
  pick("btnSPP", [&](QWidget* b) {
    highlight(b, 0);
    In<QPushButton>(b, "btnSelect")->click();
  });
  pick("btnSRP", [&](QWidget* b) {
    highlight(b, 2);
    QTest::keyClick(b, Qt::Key_Return);
  });
  pick("btnDPP", [&](QWidget* b) {
    highlight(b, 2);
    QTest::keyClick(b, Qt::Key_Escape);
  });
  bool stayedOpen = false;
  pick("btnDRP", [&](QWidget* b) {
    In<QListView>(b, "pointList")->setCurrentIndex(QModelIndex());
    In<QPushButton>(b, "btnSelect")->click();
    stayedOpen = b->isVisible();
    In<QPushButton>(b, "btnCancel")->click();
  });
  EXPECT_EQ(Find<QLineEdit>("SPPN")->text().toStdString(), "101");
  EXPECT_EQ(Find<QLineEdit>("SPPX")->text().toStdString(), "1285643.215");
  EXPECT_EQ(form.SPPD, "IRON PIN FOUND");
  EXPECT_EQ(Find<QLineEdit>("SRPN")->text().toStdString(), "103");
  EXPECT_EQ(Find<QLineEdit>("DPPN")->text().toStdString(), "");
  EXPECT_EQ(Find<QLineEdit>("DRPN")->text().toStdString(), "");
  EXPECT_TRUE(stayedOpen);
  QApplication::processEvents();
  EXPECT_EQ(FocusName(), "compDeltas");

  // A description of a thousand characters would make the browser far wider than the screen.
  session.reference.width = 1037;
  QRect frame, screen, cancel;
  int width = 0;
  pick("btnSPP", [&](QWidget* b) {
    frame = b->frameGeometry();
    screen = b->screen()->availableGeometry();
    width = b->width();
    cancel = In(b, "btnCancel")->geometry();
    QTest::keyClick(b, Qt::Key_Escape);
  });
  EXPECT_TRUE(screen.contains(frame)) << frame.x() << "," << frame.width();
  EXPECT_LE(cancel.right(), width);
}

TEST_F(DialogsFlow, AboutBoxToldThatSystemInformationIsMissing) {
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QByteArray::fromStdString(folder.Path().string()));
  bool stayedOpen = false;
  WhenModal(window.get(), [&](QWidget* about) {
    In<QPushButton>(about, "cmdSysInfo")->click();
    stayedOpen = about->isVisible();
    QTest::keyClick(about, Qt::Key_Return);
  });
  Entry("mnuHlpAbout")->trigger();
  qputenv("PATH", path);
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0], (Message{"System Information Is Unavailable At This Time",
                                           MessageIcon::kNone, MessageButtons::kOk, "Velkora"}));
}

}  // namespace
}  // namespace velkora::testing
