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

QLabel* PlaceLabel(QWidget* parent, const char* name, const QString& text, const QRect& rect) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(rect);
  return label;
}

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

  QLabel* titleLabel = PlaceLabel(this, "lblTitle", title, TwipRect(1080, 330, 3885, 360));
  QFont titleFont = titleLabel->font();
  titleFont.setPointSizeF(13.5);
  titleFont.setBold(true);
  titleLabel->setFont(titleFont);
  PlaceLabel(this, "lblVersion",
             QStringLiteral("Version %1.%2.%3    %4")
                 .arg(kVersionMajor)
                 .arg(kVersionMinor)
                 .arg(kVersionRevision)
                 .arg(QString::fromLatin1(kReleaseDate)),
             TwipRect(1080, 880, 3885, 195));
  PlaceLabel(this, "lblCopyright", QString::fromLatin1(kLegalNotice),
             TwipRect(1080, 1120, 3855, 255));

  auto* description = new QPlainTextEdit(this);
  description->setObjectName(QStringLiteral("Text1"));
  // Wider than the layout's 3735 twips so that the description's lines need no wrapping.
  description->setGeometry(TwipRect(1080, 1440, 4200, 1455));
  description->setLineWrapMode(QPlainTextEdit::NoWrap);
  description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  description->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  description->setFrameShape(QFrame::NoFrame);
  description->setReadOnly(true);
  description->setPlainText(ToQtLines(kDescription));
  description->viewport()->setAutoFillBackground(false);
  description->setStyleSheet(QStringLiteral("background: transparent"));

  PlaceLabel(this, "lblSupport", QStringLiteral("User Support Information: "),
             TwipRect(1080, 3000, 2805, 195));
  PlaceLabel(this, "Label1", QString::fromLatin1(kSupport), TwipRect(1080, 3240, 3885, 195));
  QLabel* disclaimer = PlaceLabel(this, "lblDisclaimer", QString::fromLatin1(kDisclaimer),
                                  TwipRect(240, 4320, 3255, 705));
  disclaimer->setWordWrap(true);
  QPalette red = disclaimer->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  disclaimer->setPalette(red);

  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setGeometry(TwipRect(240, 2940, 4980, 30));

  // OK is both the default and the cancel button: Enter and Esc close the box.
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setGeometry(TwipRect(3720, 4200, 1260, 345));
  ok->setDefault(true);
  auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
  sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
  sysInfo->setGeometry(TwipRect(3720, 4680, 1245, 345));
  sysInfo->setAutoDefault(false);
  sysInfo->setToolTip(QStringLiteral("System Information Program"));

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
