// Rotation angles as text: degrees, minutes and seconds typed as "DD MM SS.ss" or "DD.MMSSss",
// and the display text of an angle with its rounded parts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velkora {

// The program's value of pi: the 64-bit float nearest to 3.14159265358979 (bits
// 400921FB54442D11), and the constants derived from it.
inline constexpr double ProgramPi = 3.14159265358979;
inline constexpr double DegreesToRadians = ProgramPi / 180;
inline constexpr double RadiansToDegrees = 180 / ProgramPi;
inline constexpr double TwoPi = 2 * ProgramPi;
inline constexpr double ThreeHalvesPi = 3 * ProgramPi / 2;

// Reads a rotation angle typed as "DD MM SS.ss" or "DD.MMSSss" with an optional sign; radians,
// or no value when the text cannot be read. An empty text gives 0.
std::optional<double> ParseAngle(std::string_view text);

// An angle as the factor box shows it, and its parts as the report prints them.
struct AngleText {
  std::string display;  // "+12 30 00": sign, degrees, minutes, unrounded seconds
  // Rounded to hundredths of a second and carried; degrees signed, minutes and seconds not.
  std::string degrees;
  std::string minutes;
  std::string seconds;
};

AngleText FormatAngle(double angle);

// An angle as the report prints it: sign, blank, degrees, minutes and seconds to hundredths,
// "+ 12^30'00.00\"".
std::string ReportAngle(double angle);

}  // namespace velkora
