// The About box's texts and the search for a system-information program on the PATH.
#include "desktop/AboutDialog.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

#include "app/ProgramVersion.h"
#include "desktop/CommonView.h"
#include "desktop/ControlTable.h"

namespace velkora {

namespace {

constexpr const char* kReleaseDate = "October 2, 2008";

constexpr const char* kDescription =
    "Velkora loads one or more ASCII coordinate files \r\n"
    "and computes new positions by translating, rotating, \r\n"
    "and/or scaling the original coordinates.\r\n"
    "\r\n"
    "Velkora supports Tavrin 80-Column, Geopak \r\n"
    "Delimited, Comma Delimited, Geopak Print Points & \r\n"
    "Cogo Input, and SDMS Points File formats .\r\n";

constexpr const char* kLegalNotice = "See the README for the terms of use.";
constexpr const char* kSupport = "     See the README distributed with Velkora.";
constexpr const char* kDisclaimer =
    "By using this program you release its makers from liability for its inaccuracies.";
constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// System-information and system-monitor programs of the common desktops, best first.
constexpr const char* kSysInfoPrograms[] = {"hardinfo2",
                                            "hardinfo",
                                            "gnome-system-monitor",
                                            "plasma-systemmonitor",
                                            "ksysguard",
                                            "mate-system-monitor",
                                            "xfce4-taskmanager"};

using enum ControlKind;

constexpr ControlRow kControls[] = {
    {kLabel, "lblTitle", "", nullptr, 1080, 330, 3885, 360},
    {kLabel, "lblVersion", "", nullptr, 1080, 880, 3885, 195},
    {kLabel, "lblCopyright", kLegalNotice, nullptr, 1080, 1120, 3855, 255},
    // Wider than the layout's 3735 twips so that the description's lines need no wrapping.
    {kTextArea, "Text1", "", nullptr, 1080, 1440, 4200, 1455},
    {kLabel, "lblSupport", "User Support Information: ", nullptr, 1080, 3000, 2805, 195},
    {kLabel, "Label1", kSupport, nullptr, 1080, 3240, 3885, 195},
    {kNote, "lblDisclaimer", kDisclaimer, nullptr, 240, 4320, 3255, 705},
    {kLine, "", "", nullptr, 240, 2940, 4980, 30},
    {kButton, "cmdOK", "OK", nullptr, 3720, 4200, 1260, 345},
    {kButton, "cmdSysInfo", "&System Info...", "System Information Program", 3720, 4680, 1245, 345},
};

}  // namespace

AboutDialog::AboutDialog(Prompter& prompter, QWidget* owner) : QDialog(owner), prompter_(prompter) {
  setObjectName(QStringLiteral("frmVelkoraAbout"));
  const QString title = ToQt(std::string(kProgramTitle));
  setWindowTitle(QStringLiteral("About ") + title);
  setFont(DesignFont());
  setFixedSize(Twips(5400), Twips(5300));
  QPalette grey = palette();
  grey.setColor(QPalette::Window, QColor(0xD4, 0xD0, 0xC8));
  setPalette(grey);
  setAutoFillBackground(true);

  PlaceControls(this, kControls);

  auto* titleLabel = findChild<QLabel*>(QStringLiteral("lblTitle"));
  titleLabel->setText(title);
  QFont titleFont = titleLabel->font();
  titleFont.setPointSizeF(13.5);
  titleFont.setBold(true);
  titleLabel->setFont(titleFont);
  findChild<QLabel*>(QStringLiteral("lblVersion"))
      ->setText(QStringLiteral("Version %1.%2.%3    %4")
                    .arg(kVersionMajor)
                    .arg(kVersionMinor)
                    .arg(kVersionRevision)
                    .arg(QString::fromLatin1(kReleaseDate)));

  auto* description = findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
  description->setLineWrapMode(QPlainTextEdit::NoWrap);
  description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  description->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  description->setFrameShape(QFrame::NoFrame);
  description->setReadOnly(true);
  description->setPlainText(ToQtLines(kDescription));
  description->viewport()->setAutoFillBackground(false);
  description->setStyleSheet(QStringLiteral("background: transparent"));

  auto* disclaimer = findChild<QLabel*>(QStringLiteral("lblDisclaimer"));
  disclaimer->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QPalette red = disclaimer->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  disclaimer->setPalette(red);

  // OK is both the default and the cancel button: Enter and Esc close the box.
  auto* ok = findChild<QPushButton*>(QStringLiteral("cmdOK"));
  ok->setDefault(true);
  auto* sysInfo = findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));

  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(sysInfo, &QPushButton::clicked, this, &AboutDialog::StartSysInfo);
}

void AboutDialog::StartSysInfo() {
  for (const char* program : kSysInfoPrograms) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
    if (!path.isEmpty() && QProcess::startDetached(path, {})) {
      return;
    }
  }
  prompter_.ShowMessage(Message{kSysInfoUnavailable, MessageIcon::kNone, MessageButtons::kOk,
                                std::string(kProgramTitle)});
}

}  // namespace velkora
