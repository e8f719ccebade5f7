// The README's pictures: a sample job set up as a user would, shown and grabbed offscreen.
#include "desktop/Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <optional>

#include "app/ConversionRun.h"
#include "app/FactorCommands.h"
#include "app/ReferenceFile.h"
#include "app/Startup.h"
#include "desktop/CommonView.h"
#include "desktop/FitDialog.h"
#include "desktop/MainWindow.h"
#include "desktop/ProjectionScaleDialog.h"
#include "desktop/ReportWindow.h"
#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

const QString kProjectionPicture = QStringLiteral("projection-dialog.png");

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

std::string ReferenceNumber(const Session& session, std::size_t index) {
  return std::string(Trim(Left(session.reference.lines[index], 9)));
}

// A conversion as a user would set it up: the first file is also the reference file, its
// first two points are the source pivot and reference, moved by 1000 east and 500 north.
void FillSampleConversion(Session& session, MainForm& form, Prompter& prompter,
                          const std::string& outputPath) {
  if (form.loadedFiles.items.empty()) {
    return;
  }
  form.rFileName.text = form.loadedFiles.items.front();
  if (LoadReferenceFile(session, form, prompter) && session.reference.lines.size() >= 2) {
    form.SPPN.text = ReferenceNumber(session, 0);
    PointNumberLostFocus(session, form, ControlRole::kSourcePivot);
    form.SRPN.text = ReferenceNumber(session, 1);
    PointNumberLostFocus(session, form, ControlRole::kSourceReference);
    form.DPPX.text = GeneralForm(ReadNumber(form.SPPX.text) + 1000);
    form.DPPY.text = GeneralForm(ReadNumber(form.SPPY.text) + 500);
    form.DRPX.text = GeneralForm(ReadNumber(form.SRPX.text) + 1000);
    form.DRPY.text = GeneralForm(ReadNumber(form.SRPY.text) + 500);
    ComputeFactors(form, prompter);
  }
  form.oFileName.text = outputPath;
  form.outFormat.selected = 0;
  form.outFormat.text = form.outFormat.items.front();
}

// Read as North Carolina state plane feet, the sample file's coordinates lie south-west of
// Charlotte: the dialog computes the factors there, as a user would type them.
bool GrabProjectionDialog(Session& session, MainForm& form, Prompter& prompter, QWidget& window,
                          const QString& path) {
  ProjectionScaleDialog dialog(session, form, prompter, &window);
  for (auto [box, text] : {std::pair{"txtCrs", "EPSG:2264"}, std::pair{"txtElevation", "245"},
                           std::pair{"txtGeoid", "-102.5"}}) {
    dialog.findChild<QLineEdit*>(QString::fromLatin1(box))->setText(QString::fromLatin1(text));
  }
  dialog.show();
  dialog.findChild<QPushButton*>(QStringLiteral("btnComputeScale"))->click();
  QApplication::processEvents();
  const bool saved = dialog.grab().save(path);
  dialog.hide();
  return saved;
}

}  // namespace

int TakeScreenshots(const QString& folder, const std::vector<std::string>& fileNames) {
  Session session;
  MainForm form;
  QuietPrompter prompter;
  StartUp(session, form, FromQt(QCoreApplication::applicationDirPath()), fileNames);
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
  const bool projectionSaved =
      GrabProjectionDialog(session, form, prompter, window, images.filePath(kProjectionPicture));
  GrabbingRunView view(window.Report(), images.filePath(QStringLiteral("report-window.png")));
  RunConversion(session, form, prompter, view);
  QFile::remove(output);
  return view.saved() && fitSaved && projectionSaved ? 0 : 1;
}

}  // namespace velkora
