// velkora: the desktop program. Start-up with the files named on the command line, then the
// main window. "--screenshot DIR FILE..." instead renders the README's pictures offscreen;
// "--help" and "--version" print and end before any display is needed.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/ConversionRun.h"
#include "report/ReportWindow.h"
#include "session/MainForm.h"
#include "session/ProgramVersion.h"
#include "session/SessionState.h"
#include "session/Startup.h"
#include "session/TextColumns.h"
#include "transform/Factors.h"
#include "transform/FitDialog.h"
#include "transform/NumberText.h"
#include "transform/ReferenceList.h"
#include "ui/CommonView.h"
#include "ui/MainWindow.h"
#include "ui/MessageDialog.h"

namespace {

using namespace velkora;

// Screenshots run unattended: messages go to stderr, questions are answered Yes and file
// dialogs are cancelled.
class QuietPrompter : public Prompter {
 public:
  MessageAnswer ShowMessage(const Message& message) override {
    std::fprintf(stderr, "velkora: %s\n", message.text.c_str());
    return message.buttons == MessageButtons::kYesNo ? MessageAnswer::kYes : MessageAnswer::kOk;
  }
  std::optional<std::string> AskOpenFileName(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> AskSaveFileName(const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

// Shows the report without waiting for the user, grabs it and hides it again.
class GrabbingRunView : public RunView {
 public:
  GrabbingRunView(ReportWindow& report, QString path) : report_(report), path_(std::move(path)) {}
  bool ReportProgress(std::int64_t) override { return true; }
  void ShowReport(const std::string& windowText, const std::string& caption) override {
    report_.SetReport(windowText, caption);
    report_.show();
    QApplication::processEvents();
    saved_ = report_.grab().save(path_);
    report_.hide();
  }
  bool saved() const { return saved_; }

 private:
  ReportWindow& report_;
  QString path_;
  bool saved_ = false;
};

std::string ReferenceNumber(const SessionState& session, std::size_t index) {
  return std::string(Trim(Left(session.referenceLines[index], 9)));
}

// A conversion as a user would set it up: the first file is also the reference file, its
// first two points are the source pivot and reference, moved by 1000 east and 500 north.
void FillSampleConversion(SessionState& session, MainForm& form, Prompter& prompter,
                          const std::string& outputPath) {
  if (session.fileCount == 0) {
    return;
  }
  form.rFileName.text = form.loadedFiles.items.front();
  if (LoadReferenceFile(session, form, prompter) && session.referenceLines.size() >= 2) {
    form.SPPN.text = ReferenceNumber(session, 0);
    PointNumberLostFocus(session, form, ControlRole::kSourcePivot);
    form.SRPN.text = ReferenceNumber(session, 1);
    PointNumberLostFocus(session, form, ControlRole::kSourceReference);
    form.DPPX.text = GeneralForm(ReadNumber(form.SPPX.text) + 1000);
    form.DPPY.text = GeneralForm(ReadNumber(form.SPPY.text) + 500);
    form.DRPX.text = GeneralForm(ReadNumber(form.SRPX.text) + 1000);
    form.DRPY.text = GeneralForm(ReadNumber(form.SRPY.text) + 500);
    ComputeFactors(session, form);
  }
  form.oFileName.text = outputPath;
  form.outFormat.selected = 0;
  form.outFormat.text = form.outFormat.items.front();
}

int TakeScreenshots(const QString& folder, const std::vector<std::string>& fileNames) {
  SessionState session;
  MainForm form;
  QuietPrompter prompter;
  StartUp(session, form, prompter, FromQt(QCoreApplication::applicationDirPath()), fileNames);
  // A fixed name keeps the pictures the same from one making to the next.
  const QString output = QDir::temp().filePath(QStringLiteral("velkora-sample-output.txt"));
  FillSampleConversion(session, form, prompter, FromQt(output));

  MainWindow window(session, form, prompter);
  window.ShowForm();
  window.show();
  QApplication::processEvents();
  const QDir images(folder);
  if (!window.grab().save(images.filePath(QStringLiteral("main-window.png")))) {
    std::fprintf(stderr, "velkora: cannot write the pictures into %s\n",
                 folder.toLocal8Bit().constData());
    return 1;
  }
  FitDialog fit(session, form, prompter, &window);
  fit.show();
  fit.findChild<QPushButton*>(QStringLiteral("btnFit"))->click();
  QApplication::processEvents();
  const bool fitSaved = fit.grab().save(images.filePath(QStringLiteral("fit-dialog.png")));
  fit.hide();
  GrabbingRunView view(window.Report(), images.filePath(QStringLiteral("report-window.png")));
  RunConversion(session, form, prompter, view);
  QFile::remove(output);
  return view.saved() && fitSaved ? 0 : 1;
}

// A name relative to the current folder made whole. An empty argument stays empty, so that
// start-up skips it instead of listing the current folder as an input file.
std::string AbsoluteFileName(const QString& argument) {
  return argument.isEmpty() ? std::string() : FromQt(QDir::current().absoluteFilePath(argument));
}

constexpr const char* kUsage =
    "Usage: velkora [FILE...]\n"
    "Opens the Velkora main window with the coordinate files FILE... in its input list.\n"
    "\n"
    "Options:\n"
    "  --help                    print this help and exit\n"
    "  --version                 print the program's version and exit\n"
    "  --screenshot DIR FILE...  convert FILE... as a sample job offscreen and save the\n"
    "                            pictures main-window.png and report-window.png in DIR\n"
    "\n"
    "Qt's own options, such as -platform offscreen, are accepted too.\n"
    "Conversions without a window: velkora-cli --help.\n";

// --help or --version anywhere on the command line: what to print, before any window.
std::optional<std::string> TextInsteadOfWindow(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      return std::string(kUsage);
    }
    if (argument == "--version") {
      return std::string(kVersionLine) + "\n";
    }
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  if (const std::optional<std::string> text = TextInsteadOfWindow(argc, argv)) {
    std::fputs(text->c_str(), stdout);
    return 0;
  }
  const bool screenshots = argc >= 3 && std::strcmp(argv[1], "--screenshot") == 0;
  if (screenshots) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();
  if (screenshots) {
    const QString folder = arguments.at(1);
    std::vector<std::string> fileNames;
    for (qsizetype i = 2; i < arguments.size(); ++i) {
      fileNames.push_back(AbsoluteFileName(arguments.at(i)));
    }
    return TakeScreenshots(folder, fileNames);
  }

  std::vector<std::string> fileNames;
  for (const QString& argument : arguments) {
    fileNames.push_back(AbsoluteFileName(argument));
  }
  SessionState session;
  MainForm form;
  MessageDialog prompter;
  StartUp(session, form, prompter, FromQt(QCoreApplication::applicationDirPath()), fileNames);
  MainWindow window(session, form, prompter);
  prompter.SetOwner(&window);
  window.show();
  return app.exec();
}
