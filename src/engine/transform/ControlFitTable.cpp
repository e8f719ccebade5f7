// The residual table of a control-pair fit, 80 columns wide like the conversion summary.
#include <string>
#include <string_view>

#include "engine/text/NumberText.h"
#include "engine/text/TextColumns.h"
#include "engine/transform/ControlFit.h"

namespace velkora {
namespace {

// The decimals of every coordinate in the report.
constexpr std::uint8_t kDecimals = 4;
constexpr std::size_t kPairWidth = 4;
constexpr std::size_t kNumberWidth = 9;
constexpr std::size_t kCoordinateWidth = 13;
constexpr std::size_t kResidualWidth = 9;
// Where the length column ends; the RMS value ends there too.
constexpr std::size_t kLengthEnd =
    kPairWidth + 2 + kNumberWidth + 1 + kNumberWidth + 2 * kCoordinateWidth + 3 * kResidualWidth;

void AppendLine(std::string& table, std::string_view line) {
  table.append(line);
  table.append("\r\n");
}

// Right-aligned in `width` columns; a longer text widens the field, with one blank before it,
// rather than losing its leading digits.
void AppendField(std::string& line, std::string_view text, std::size_t width) {
  line.append(text.size() < width ? width - text.size() : 1, ' ');
  line.append(text);
}

void AppendNumber(std::string& line, double value, std::size_t width) {
  AppendField(line, FormatRounded(value, kDecimals), width);
}

std::string Dashes(std::size_t width) {
  return std::string(width, '-');
}

std::string RightDashes(std::size_t width) {
  return "  " + Dashes(width - 2);
}

}  // namespace

std::string FormatResidualTable(const std::vector<ControlPair>& pairs, const ControlFit& fit) {
  std::string table;
  const std::string title = "Control Pair Residuals (fitted minus given target coordinates)";
  AppendLine(table, "");
  AppendLine(table, title);
  AppendLine(table, Dashes(title.size()));

  std::string heading(PadLeft("Pair", kPairWidth));
  heading += "  " + PadRight("Source Pt", kNumberWidth) + ' ' + PadRight("Target Pt", kNumberWidth);
  AppendField(heading, "Target X", kCoordinateWidth);
  AppendField(heading, "Target Y", kCoordinateWidth);
  AppendField(heading, "Resid X", kResidualWidth);
  AppendField(heading, "Resid Y", kResidualWidth);
  AppendField(heading, "Length", kResidualWidth);
  AppendLine(table, heading);
  AppendLine(table, Dashes(kPairWidth) + "  " + Dashes(kNumberWidth) + ' ' + Dashes(kNumberWidth) +
                        RightDashes(kCoordinateWidth) + RightDashes(kCoordinateWidth) +
                        RightDashes(kResidualWidth) + RightDashes(kResidualWidth) +
                        RightDashes(kResidualWidth));

  for (std::size_t i = 0; i < pairs.size() && i < fit.residuals.size(); ++i) {
    const ControlPair& pair = pairs[i];
    const PairResidual& residual = fit.residuals[i];
    std::string line;
    AppendField(line, std::to_string(i + 1), kPairWidth);
    line += "  " + PadRight(pair.sourceNumber, kNumberWidth) + ' ' +
            PadRight(pair.destNumber, kNumberWidth);
    AppendNumber(line, pair.destX, kCoordinateWidth);
    AppendNumber(line, pair.destY, kCoordinateWidth);
    AppendNumber(line, residual.dx, kResidualWidth);
    AppendNumber(line, residual.dy, kResidualWidth);
    AppendNumber(line, residual.length, kResidualWidth);
    if (residual.flagged) {
      line += " *";
    }
    AppendLine(table, line);
  }

  std::string rms =
      "  RMS, the root mean square of the " + std::to_string(pairs.size()) + " residual lengths:";
  AppendNumber(rms, fit.rms, rms.size() < kLengthEnd ? kLengthEnd - rms.size() : 1);
  AppendLine(table, rms);
  AppendLine(table, pairs.size() < kFewestPairsToFlag
                        ? "  Four pairs or more are needed to flag a pair."
                        : "  * Longer than three times the RMS of a fit without that pair.");
  return table;
}

}  // namespace velkora
