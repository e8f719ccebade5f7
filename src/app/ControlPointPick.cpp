// The model of the point browser: what a pick takes from the list line and gives the main
// window.
#include "app/ControlPointPick.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "engine/points/Decimals.h"
#include "engine/text/NumberText.h"

namespace velkora {

std::string BrowserCaption(ControlRole role) {
  static constexpr std::array<const char*, 4> kCaptions = {
      "Select The Source Pivot Point", "Select The Source Reference Point",
      "Select The Destination Pivot Point", "Select The Destination Reference Point"};
  return kCaptions[static_cast<std::size_t>(role)];
}

ListedPoint PointFromBrowserLine(const std::string& line) {
  const ReferenceLineFields fields = SplitReferenceLine(line, kControlDecimals);
  return {std::string(fields.number), ReadStrictNumber(fields.xText).value_or(0),
          ReadStrictNumber(fields.yText).value_or(0), std::string(fields.description)};
}

bool MayPickControlPoint(MainForm& form) {
  std::error_code error;
  if (form.rFileName.text.empty() ||
      !std::filesystem::is_regular_file(form.rFileName.text, error)) {
    form.focus = "btnGetRName";
    return false;
  }
  return true;
}

void ApplyPickedPoint(MainForm& form, ControlRole role, const std::optional<ListedPoint>& chosen) {
  if (chosen && !chosen->number.empty()) {
    const ControlPointBoxes& boxes = BoxesOf(role);
    (form.*boxes.number).text = chosen->number;
    (form.*boxes.x).text = GeneralForm(chosen->x);
    (form.*boxes.y).text = GeneralForm(chosen->y);
    form.*boxes.description = chosen->description;
  }
  form.focus = "compDeltas";
}

}  // namespace velkora
