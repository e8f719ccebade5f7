// velkora: the desktop program. Start-up with the files named on the command line, then the
// main window. "--screenshot DIR FILE..." instead renders the README's pictures offscreen;
// "--help" and "--version" print and end before any display is needed.
#include <QApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/MainForm.h"
#include "app/ProgramVersion.h"
#include "app/Session.h"
#include "app/Startup.h"
#include "desktop/CommonView.h"
#include "desktop/MainWindow.h"
#include "desktop/MessageDialog.h"
#include "desktop/Screenshots.h"

namespace {

using namespace velkora;

// A name relative to the current folder made whole. An empty argument stays empty, so that
// start-up skips it instead of listing the current folder as an input file.
std::string AbsoluteFileName(const QString& argument) {
  return argument.isEmpty() ? std::string() : FromQt(QDir::current().absoluteFilePath(argument));
}

std::vector<std::string> AbsoluteFileNames(const QStringList& arguments, qsizetype from) {
  std::vector<std::string> fileNames;
  for (qsizetype i = from; i < arguments.size(); ++i) {
    fileNames.push_back(AbsoluteFileName(arguments.at(i)));
  }
  return fileNames;
}

constexpr const char* kUsage =
    "Usage: velkora [FILE...]\n"
    "Opens the Velkora main window with the coordinate files FILE... in its input list.\n"
    "\n"
    "Options:\n"
    "  --help                    print this help and exit\n"
    "  --version                 print the program's version and exit\n"
    "  --screenshot DIR FILE...  convert FILE... as a sample job offscreen and save the\n"
    "                            pictures of its windows (main-window.png ...) in DIR\n"
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
    return TakeScreenshots(arguments.at(1), AbsoluteFileNames(arguments, 2));
  }

  Session session;
  MainForm form;
  MessageDialog prompter;
  StartUp(session, form, FromQt(QCoreApplication::applicationDirPath()),
          AbsoluteFileNames(arguments, 0));
  MainWindow window(session, form, prompter);
  prompter.SetOwner(&window);
  window.show();
  return app.exec();
}
