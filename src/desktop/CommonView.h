// Helpers every window shares: design lengths in twips turned into pixels, the fixed-width
// font of lists and reports, and text passed between the engine's byte strings and Qt.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <string>

namespace velkora {

// Pixels for a length in twips (1440 to the inch) at the screen's logical dpi.
int Twips(double twips);
QRect TwipRect(double left, double top, double width, double height);

// The windows' own font: the system's at the size the layout was designed for.
QFont DesignFont();

// "Courier New" where the system has it, else the system's fixed-width font.
QFont FixedFont(double pointSize, bool bold = false);

// Engine text is bytes: paths and typed text are UTF-8, lines of coordinate files are in a
// single-byte code page. Text that is not valid UTF-8 is shown byte for byte as Latin-1.
QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

// Message and report text ends its lines with CR LF; Qt's text widgets want LF alone.
QString ToQtLines(const std::string& text);

}  // namespace velkora
