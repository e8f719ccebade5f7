// Degree-minute-second angle text: reading a typed angle and writing one for a box or a report.
#include "engine/text/AngleText.h"

#include <cmath>

#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"

namespace velkora {

namespace {

struct DmsTexts {
  std::string_view degrees, minutes, seconds;
};

// "DD MM SS.ss" splits at its first two blanks, "DD.MMSSss" at the point: two digits of
// minutes follow it, the rest are seconds. No value for a blank form without a second blank
// or a pointed form without a point.
std::optional<DmsTexts> SplitAngle(std::string_view rest) {
  const std::size_t firstBlank = rest.find(' ');
  if (firstBlank != std::string_view::npos) {
    const std::size_t secondBlank = rest.find(' ', firstBlank + 1);
    if (secondBlank == std::string_view::npos) {
      return std::nullopt;
    }
    return DmsTexts{rest.substr(0, firstBlank),
                    rest.substr(firstBlank + 1, secondBlank - firstBlank - 1),
                    rest.substr(secondBlank + 1)};
  }
  const std::size_t point = rest.find('.');
  if (point == std::string_view::npos) {
    return std::nullopt;
  }
  return DmsTexts{rest.substr(0, point), rest.substr(point + 1, 2),
                  point + 3 < rest.size() ? rest.substr(point + 3) : std::string_view{}};
}

// The last two characters of "0" + text. Built by appending: GCC 12 warns falsely (-Wrestrict)
// on "literal" + std::string.
std::string LastTwoWithZero(const std::string& text) {
  std::string padded(1, '0');
  padded += text;
  return std::string(Right(padded, 2));
}

}  // namespace

std::optional<double> ParseAngle(std::string_view text) {
  std::string_view rest = Trim(text);
  if (rest.empty()) {
    return 0.0;
  }
  double sign = 1;
  if (rest.front() == '+' || rest.front() == '-') {
    sign = rest.front() == '-' ? -1 : 1;
    rest = Trim(rest.substr(1));
  }
  const std::optional<DmsTexts> parts = SplitAngle(rest);
  if (!parts) {
    return std::nullopt;
  }
  const auto degrees = ReadStrictNumber(parts->degrees);
  const auto minutes = ReadStrictNumber(parts->minutes);
  const auto seconds = ReadStrictNumber(parts->seconds);
  if (!degrees || !minutes || !seconds) {
    return std::nullopt;
  }
  const double total = (*degrees + *minutes / 60) + *seconds / 3600;
  return (total * sign) * DegreesToRadians;
}

AngleText FormatAngle(double angle) {
  const double sign = angle > 0 ? 1 : (angle < 0 ? -1 : 0);
  const double degrees = std::fabs(angle) * RadiansToDegrees;

  const std::string degreeText = GeneralForm(std::floor(degrees));
  const double degreeValue = ReadLeadingNumber(degreeText);
  std::string minuteText = GeneralForm(std::floor((degrees - degreeValue) * 60));
  const double minuteValue = ReadLeadingNumber(minuteText);
  std::string secondText = GeneralForm(((degrees - degreeValue) * 60 - minuteValue) * 60);
  const double secondValue = ReadLeadingNumber(secondText);
  // The threshold is 9, not 10: seconds from 9 to 10 keep one integer digit.
  if (minuteValue < 9) {
    minuteText.insert(0, 1, '0');
  }
  if (secondValue < 9) {
    secondText.insert(0, 1, '0');
  }

  AngleText text;
  text.display.push_back(sign < 0 ? '-' : '+');
  text.display.append(degreeText);
  text.display.push_back(' ');
  text.display.append(LastTwoWithZero(minuteText));
  text.display.push_back(' ');
  text.display.append(secondText);

  // The parts, rounded to hundredths of a second and carried; the display keeps the unrounded
  // seconds.
  text.seconds = FormatRounded(ReadLeadingNumber(secondText), 2);
  text.minutes = minuteText;
  text.degrees = degreeText;
  if (ReadLeadingNumber(text.seconds) >= 59.995) {
    text.seconds = GeneralForm(ReadLeadingNumber(text.seconds) - 60);
    text.minutes = GeneralForm(ReadLeadingNumber(text.minutes) + 1);
  }
  if (ReadLeadingNumber(text.minutes) > 59) {
    text.minutes = GeneralForm(ReadLeadingNumber(text.minutes) - 60);
    text.degrees = GeneralForm(ReadLeadingNumber(text.degrees) + 1);
  }
  if (ReadLeadingNumber(text.degrees) > 359) {
    text.degrees = GeneralForm(ReadLeadingNumber(text.degrees) - 360);
  }
  text.degrees = GeneralForm(ReadLeadingNumber(text.degrees) * sign);
  return text;
}

std::string ReportAngle(double angle) {
  const AngleText parts = FormatAngle(angle);
  std::string text(Left(parts.display, 1));
  text += ' ';
  text += GeneralForm(std::fabs(ReadNumber(parts.degrees)));
  text += '^';
  text += LastTwoWithZero(parts.minutes);
  text += '\'';
  std::string seconds(1, '0');
  seconds += parts.seconds;
  text += Right(seconds, 5);
  text += '"';
  return text;
}

}  // namespace velkora
