// The report window a run opens: its banners and caption, To File, Clear, the printout, the
// preview of the run, and the progress dialog of a long run.
#include <QImage>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>

#include "desktop/PictureMarksView.h"
#include "desktop/ReportWindow.h"
#include "desktop/RunProgressView.h"
#include "desktop/WindowFixture.h"

namespace velkora::testing {
namespace {

const std::string kBanner2 = std::string(36, '*') + " RUN 2 " + std::string(37, '*');

class ReportWindowFlow : public WindowFixture {
 public:
  void SetUpRun(const std::string& input) {
    Drop("loadedFiles", {input});
    Type("oFileName", Path("out.csv"));
    Entry("mnuFilSavCDF")->trigger();
  }

  // Computes and runs `act` in the report window it opens; then closes it.
  void Compute(const std::function<void(QWidget*)>& act) {
    WhenModal(window.get(), [act](QWidget* report) {
      act(report);
      In<QPushButton>(report, "btnClose")->click();
    });
    Find<QPushButton>("btnCompute")->click();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  // Destination-coloured pixels of the preview the report window's Preview opens.
  static int DestinationPixelsOfPreview(QWidget* report) {
    int pixels = -1;
    WhenModal(report, [&pixels](QWidget* preview) {
      const QImage image = In(preview, "picPreview")->grab().toImage();
      pixels = 0;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          pixels += QColor(image.pixel(x, y)) == picture::kDestination ? 1 : 0;
        }
      }
      In<QPushButton>(preview, "btnClose")->click();
    });
    In<QPushButton>(report, "btnPreview")->click();
    return pixels;
  }
};

// Pages of a PDF file: its page objects, not the page tree; -1 without a file.
int PdfPages(const std::string& path) {
  const QString text = QString::fromLatin1(ReadWhole(path));
  return text.isEmpty() ? -1
                        : static_cast<int>(text.count(
                              QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

TEST_F(ReportWindowFlow, RunsAreShownSavedClearedAndPrinted) {
  SetUpRun(DataPath("comma-delimited.txt").string());
  Type("txtDX", "100");
  prompter.fileAnswers.push_back(Path("report.txt"));
  std::string caption;
  Compute([&caption](QWidget* report) {
    caption = report->windowTitle().toStdString();
    In<QPushButton>(report, "btnSave")->click();
  });
  EXPECT_EQ(caption, "Velkora Report     (Contains 1 Run)");
  EXPECT_EQ(prompter.dialogs.at(0).title, "Select Report File");
  EXPECT_EQ(ReadWhole(Path("report.txt")), "\r\n" + session.reportText + "\r\n");

  prompter.yesNoAnswers.push_back(MessageAnswer::kYes);
  std::string text;
  Compute([&](QWidget* report) {
    caption = report->windowTitle().toStdString();
    text = In<QPlainTextEdit>(report, "txtReport")->toPlainText().toStdString();
    In<QPushButton>(report, "btnClear")->click();
    EXPECT_TRUE(In<QPlainTextEdit>(report, "txtReport")->toPlainText().isEmpty());
  });
  EXPECT_EQ(caption, "Velkora Report     (Contains 2 Runs)");
  EXPECT_NE(text.find("\n" + kBanner2 + "\n"), std::string::npos) << text;
  EXPECT_TRUE(session.reportText.empty());
  EXPECT_FALSE(Entry("mnuRptClr")->isEnabled());

  // Each run on a page of its own; nothing for an empty report.
  for (const auto& [report, pages] :
       {std::pair{std::string("A\r\n\fB\r\n\fC\r\n"), 3}, std::pair{std::string(), -1}}) {
    session.reportText = report;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(Path(std::to_string(pages) + ".pdf")));
    window->Report().PrintTo(printer, 1);
    EXPECT_EQ(PdfPages(Path(std::to_string(pages) + ".pdf")), pages);
  }
}

// Exit (and Esc, which presses it) closes the window: an unprinted run is asked about, and a
// printed one lets the program end at once.
TEST_F(ReportWindowFlow, ExitAsksBeforeAnUnprintedReportIsLost) {
  SetUpRun(DataPath("comma-delimited.txt").string());
  Type("txtDX", "100");
  Compute([](QWidget*) {});
  Find<QPushButton>("btnExit")->click();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].title, "Exit Velkora");
  EXPECT_TRUE(window->isVisible());

  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(Path("report.pdf")));
  window->Report().PrintTo(printer, 1);
  Find<QPushButton>("btnExit")->click();
  EXPECT_EQ(prompter.messages.size(), 1u);
  EXPECT_FALSE(window->isVisible());
}

// The preview draws the destination control points and the pairs of the fit last used; after
// Clear All it draws what a run without any control draws: the legend alone.
TEST_F(ReportWindowFlow, PreviewDrawsTheRunAndForgetsTheFitOnClearAll) {
  const auto previewOfRun = [this] {
    SetUpRun(DataPath("fit/job-points.csv").string());
    prompter.yesNoAnswers.push_back(MessageAnswer::kYes);
    int pixels = 0;
    Compute([&pixels](QWidget* report) { pixels = DestinationPixelsOfPreview(report); });
    return pixels;
  };
  Type("txtDX", "5");
  const int withoutControl = previewOfRun();

  PickTwoControlPairs();
  WhenModal(window.get(), [](QWidget* fit) {
    In<QPushButton>(fit, "btnFit")->click();
    In<QPushButton>(fit, "btnUseFactors")->click();
    In<QPushButton>(fit, "btnClose")->click();
  });
  Entry("mnuFitPairs")->trigger();
  EXPECT_GT(previewOfRun(), withoutControl);

  Find<QPushButton>("btnClr")->click();
  Type("txtDX", "5");
  EXPECT_EQ(previewOfRun(), withoutControl);
}

TEST_F(ReportWindowFlow, ALongRunShowsProgressLateAndItsCancelStopsTheRun) {
  RunProgressView view(window->Report(), window.get());
  EXPECT_TRUE(view.ReportProgress(16384));
  EXPECT_EQ(window->findChild<QProgressDialog*>(), nullptr);
  QTest::qWait(450);
  EXPECT_TRUE(view.ReportProgress(32768));
  auto* progress = Find<QProgressDialog>("runProgress");
  ASSERT_TRUE(progress != nullptr && progress->isVisible());
  EXPECT_EQ(progress->labelText().toStdString(), "Converting points: 32768 written");
  progress->findChild<QPushButton*>()->click();
  EXPECT_FALSE(view.ReportProgress(49152));
}

}  // namespace
}  // namespace velkora::testing
