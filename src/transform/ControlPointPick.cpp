// The model of the point browser: what a pick takes from the list line and gives the main
// window, and how the browser's controls follow its size.
#include "transform/ControlPointPick.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "transform/NumberText.h"

namespace velkora {

std::string BrowserCaption(ControlRole role) {
  static constexpr std::array<const char*, 4> kCaptions = {
      "Select The Source Pivot Point", "Select The Source Reference Point",
      "Select The Destination Pivot Point", "Select The Destination Reference Point"};
  return kCaptions[static_cast<std::size_t>(role)];
}

PointRecord PointFromBrowserLine(const std::string& line, std::uint8_t decimals) {
  const ReferenceLineFields fields = SplitReferenceLine(line, decimals);
  PointRecord point;
  point.pointNum = fields.number;
  point.x = ReadStrictNumber(fields.xText).value_or(0);
  point.y = ReadStrictNumber(fields.yText).value_or(0);
  point.description = fields.description;
  return point;
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

void ApplyPickedPoint(SessionState& session, MainForm& form, ControlRole role) {
  const PointRecord& point = session.point;
  if (!point.pointNum.empty()) {
    const ControlPointBoxes& boxes = BoxesOf(role);
    (form.*boxes.number).text = point.pointNum;
    (form.*boxes.x).text = GeneralForm(point.x);
    (form.*boxes.y).text = GeneralForm(point.y);
    form.*boxes.description = point.description;
  }
  form.focus = "compDeltas";
}

std::int64_t BrowserOuterWidth(std::int64_t listWidth) {
  return listWidth * 112 + 360;
}

void ResizeBrowser(BrowserLayout& layout, double outerWidth, double outerHeight) {
  if (outerHeight > 1440) {
    layout.listHeight = outerHeight - 1440;
  }
  if (outerHeight > 2000) {
    layout.buttonTop = outerHeight - 900;
  }
  if (outerWidth > 2190) {
    // The gaps are single-precision values, as the window's twip positions are.
    const float gap = static_cast<float>((outerWidth - 2190) / 3);
    layout.listWidth = outerWidth - 360;
    layout.selectLeft = gap;
    layout.cancelLeft = 2 * gap + 1095.0F;
  }
}

}  // namespace velkora
