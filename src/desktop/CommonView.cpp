// Design units, fonts and text conversion shared by the windows.
#include "desktop/CommonView.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStringDecoder>
#include <cmath>

namespace velkora {

namespace {
constexpr double kTwipsPerInch = 1440.0;

double LogicalDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
}
}  // namespace

int Twips(double twips) {
  return static_cast<int>(std::lround(twips * LogicalDpi() / kTwipsPerInch));
}

QRect TwipRect(double left, double top, double width, double height) {
  return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

QFont DesignFont() {
  // The fixed layout needs a sans-serif of the narrow width it was drawn with; the system's
  // own font serves where none of them is installed.
  QFont font = QGuiApplication::font();
  font.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                    QStringLiteral("Liberation Sans"), font.family()});
  font.setPointSizeF(8.25);
  return font;
}

QFont FixedFont(double pointSize, bool bold) {
  QFont font(QStringLiteral("Courier New"));
  if (!QFontInfo(font).exactMatch()) {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  }
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

QString ToQt(const std::string& text) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString decoded = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  if (!utf8.hasError()) {
    return decoded;
  }
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQt(const QString& text) {
  return text.toStdString();
}

QString ToQtLines(const std::string& text) {
  QString lines = ToQt(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return lines;
}

}  // namespace velkora
