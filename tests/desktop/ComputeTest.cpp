// Compute from the main window: the refused run's message, the report window with its
// banners and caption, the overwrite question, clearing the report, and the printout.
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <fstream>
#include <sstream>

#include "desktop/ReportWindow.h"
#include "desktop/RunProgressView.h"
#include "desktop/GuiFixture.h"

namespace velkora::testing {
namespace {

const std::string kBanner1 = std::string(36, '*') + " RUN 1 " + std::string(37, '*');
const std::string kBanner2 = std::string(36, '*') + " RUN 2 " + std::string(37, '*');

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// What the report window showed before Esc hid it.
struct ShownReport {
  std::string caption;
  std::string text;
};

class ComputeTest : public MainWindowFixture {
 public:
  void SetUp() override {
    MainWindowFixture::SetUp();
    output = programFolder.filePath(QStringLiteral("converted.txt")).toStdString();
  }

  void SetUpConversion() {
    Drop("btnAdd", {DataFile("comma-delimited.txt")});
    Type("oFileName", QString::fromStdString(output));
    Entry("mnuFilSavCDF")->trigger();
    Type("txtDX", QStringLiteral("100"));
    Type("txtDY", QStringLiteral("-200.5"));
  }

  ShownReport Compute() {
    ShownReport shown;
    WhenModal(window.get(), [&shown](QWidget* report) {
      shown.caption = report->windowTitle().toStdString();
      shown.text = report->findChild<QPlainTextEdit*>(QStringLiteral("txtReport"))
                       ->toPlainText()
                       .toStdString();
      QTest::keyClick(report, Qt::Key_Escape);
    });
    Find<QPushButton>("btnCompute")->click();
    return shown;
  }

  std::string output;
};

TEST_F(ComputeTest, RefusedRunShowsItsMessageAndLeavesTheReport) {
  Drop("btnAdd", {DataFile("comma-delimited.txt")});
  Type("oFileName", QString::fromStdString(output));
  Find<QPushButton>("btnCompute")->click();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0],
            (Message{"Output file format is not specified.", MessageIcon::kExclamation,
                     MessageButtons::kOk, "Insufficient Data"}));
  EXPECT_TRUE(session.reportText.empty());
  EXPECT_FALSE(QFile::exists(QString::fromStdString(output)));
  QApplication::processEvents();
  EXPECT_EQ(FocusName(), "outFormat");
}

TEST_F(ComputeTest, RunsAreShownWithBannersAndCountedInTheCaption) {
  SetUpConversion();
  const ShownReport first = Compute();
  EXPECT_EQ(first.caption, "Velkora Report     (Contains 1 Run)");
  EXPECT_EQ(first.text.substr(0, first.text.find('\n')), kBanner1);
  EXPECT_NE(first.text.find("comma-delimited.txt"), std::string::npos);
  EXPECT_FALSE(window->Report().isVisible());
  EXPECT_TRUE(Entry("mnuRptClr")->isEnabled());

  const std::string written = FileText(output);
  const std::size_t point101 = written.find("\r\n101,") + 2;
  EXPECT_EQ(written.substr(point101, written.find("\r\n", point101) + 2 - point101),
            "101,1285743.2150,412187.4320,245.1180,IRON PIN FOUND,IPF\r\n");

  prompter.yesNoAnswers.push_back(MessageAnswer::kYes);
  const ShownReport second = Compute();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0],
            (Message{output + " exists.\r\nDo you want to overwrite it?", MessageIcon::kQuestion,
                     MessageButtons::kYesNo, "Output File Exists"}));
  EXPECT_EQ(second.caption, "Velkora Report     (Contains 2 Runs)");
  EXPECT_NE(second.text.find("\n" + kBanner2 + "\n"), std::string::npos);

  // Answering No keeps the file and the report as they were.
  const std::string report = session.reportText;
  Find<QPushButton>("btnCompute")->click();
  EXPECT_EQ(session.reportText, report);
  EXPECT_EQ(FileText(output), written);

  Entry("mnuRptClr")->trigger();
  EXPECT_TRUE(session.reportText.empty());
  EXPECT_FALSE(Entry("mnuRptClr")->isEnabled());
  prompter.yesNoAnswers.push_back(MessageAnswer::kYes);
  EXPECT_EQ(Compute().caption, "Velkora Report     (Contains 1 Run)");
}

TEST_F(ComputeTest, ReportWindowClearEmptiesTheReport) {
  SetUpConversion();
  WhenModal(window.get(), [](QWidget* report) {
    report->findChild<QPushButton*>(QStringLiteral("btnClear"))->click();
    EXPECT_TRUE(report->isVisible());
    EXPECT_TRUE(
        report->findChild<QPlainTextEdit*>(QStringLiteral("txtReport"))->toPlainText().isEmpty());
    report->findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
  });
  Find<QPushButton>("btnCompute")->click();
  EXPECT_TRUE(session.reportText.empty());
  EXPECT_FALSE(Entry("mnuRptClr")->isEnabled());
}

TEST_F(ComputeTest, ReportToFileAppendsToTheChosenFile) {
  SetUpConversion();
  const std::string reportFile = programFolder.filePath(QStringLiteral("report.txt")).toStdString();
  prompter.fileAnswers.push_back(reportFile);
  WhenModal(window.get(), [](QWidget* report) {
    report->findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
    report->findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
  });
  Find<QPushButton>("btnCompute")->click();
  ASSERT_EQ(prompter.dialogs.size(), 1u);
  EXPECT_EQ(prompter.dialogs[0].title, "Select Report File");
  EXPECT_EQ(FileText(reportFile), "\r\n" + session.reportText + "\r\n");
  EXPECT_EQ(session.reportFileName, reportFile);
}

TEST_F(ComputeTest, LongRunShowsProgressAndItsCancelStopsTheRun) {
  RunProgressView view(window->Report(), window.get());
  EXPECT_TRUE(view.ReportProgress(16384));
  EXPECT_EQ(window->findChild<QProgressDialog*>(), nullptr);
  QTest::qWait(450);
  EXPECT_TRUE(view.ReportProgress(32768));
  auto* progress = window->findChild<QProgressDialog*>(QStringLiteral("runProgress"));
  ASSERT_NE(progress, nullptr);
  EXPECT_TRUE(progress->isVisible());
  EXPECT_EQ(progress->labelText().toStdString(), "Converting points: 32768 written");
  progress->findChild<QPushButton*>()->click();
  EXPECT_FALSE(view.ReportProgress(49152));
}

// Pages of a PDF file: its page objects, not the page tree.
int PdfPages(const QString& path) {
  QFile pdf(path);
  if (!pdf.open(QIODevice::ReadOnly)) {
    return -1;
  }
  const QString text = QString::fromLatin1(pdf.readAll());
  return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

TEST_F(ComputeTest, PrintoutStartsEachRunOnANewPage) {
  struct Row {
    std::string reportText;
    int pages;  // -1: nothing printed, no file
  };
  const std::string run = "Velkora Program\r\nline two\r\n";
  const Row rows[] = {
      {run, 1},
      {run + "\f" + run + "\f" + run, 3},
      {"", -1},
  };
  int i = 0;
  for (const Row& row : rows) {
    const QString pdf = programFolder.filePath(QStringLiteral("report%1.pdf").arg(i++));
    session.reportText = row.reportText;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    window->Report().PrintTo(printer, 1);
    EXPECT_EQ(PdfPages(pdf), row.pages) << row.reportText;
  }
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ComputeTest, ReportWindowFollowsItsResizeRule) {
  ReportWindow& report = window->Report();
  if (report.logicalDpiX() != 96 || report.logicalDpiY() != 96) {
    GTEST_SKIP() << "the pixel values below are for 96 dpi (15 twips to a pixel)";
  }
  auto* text = report.findChild<QPlainTextEdit*>(QStringLiteral("txtReport"));
  auto* close = report.findChild<QPushButton*>(QStringLiteral("btnClose"));
  struct Row {
    QSize client;  // pixels; the frame adds 8 wide and 28 high (120 and 420 twips)
    QRect text;
    int buttonTop;
  };
  const Row rows[] = {
      {QSize(601, 388), QRect(8, 8, 585, 345), 360},  // the design layout
      {QSize(801, 488), QRect(8, 8, 785, 445), 460},  // larger
      {QSize(601, 59), QRect(8, 8, 585, 16), 460},    // outer 1305 twips: buttons stay
      {QSize(400, 40), QRect(8, 8, 384, 16), 460},    // outer 1020 twips: text keeps height
      {QSize(9, 388), QRect(8, 8, 384, 345), 360},    // outer width 255 twips: width kept
  };
  report.show();
  for (const Row& row : rows) {
    report.resize(row.client);
    QApplication::processEvents();
    EXPECT_EQ(text->geometry(), row.text) << row.client.width() << "x" << row.client.height();
    EXPECT_EQ(close->y(), row.buttonTop) << row.client.width() << "x" << row.client.height();
  }
  // Every showing restores the design size.
  report.hide();
  report.show();
  QApplication::processEvents();
  EXPECT_EQ(report.size(), QSize(601, 388));
  EXPECT_EQ(text->geometry(), rows[0].text);
  report.hide();
}

}  // namespace
}  // namespace velkora::testing
