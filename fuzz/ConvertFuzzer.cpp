// Arbitrary bytes as an input file, converted into every output layout: whatever the input,
// the conversion ends and the output holds only whole CR LF lines.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "FuzzSupport.h"
#include "conversion/ConversionRun.h"
#include "conversion/PointConversion.h"
#include "input/PointReading.h"
#include "session/SessionState.h"
#include "support/ScriptedPrompter.h"
#include "transform/NumberText.h"

namespace {

class QuietRunView : public velkora::RunView {
 public:
  bool ReportProgress(std::int64_t) override { return true; }
  void ShowReport(const std::string&, const std::string&) override {}
};

struct OutputLayout {
  velkora::FileFormat code;
  char delimiter;
};

constexpr OutputLayout kOutputLayouts[] = {
    {velkora::format::kCommaDelimited, ';'},  {velkora::format::kGeopakDelimited, ';'},
    {velkora::format::kGeopakDelimited, '/'}, {velkora::format::kGeopakInputNE, ';'},
    {velkora::format::kGeopakInputXY, ';'},   {velkora::format::kSdms, ';'},
    {velkora::format::kEightyColumn, ';'}};

// A translation alone on odd-sized inputs, a rotation, scale and translation on the others, so
// that both conversion paths see every input.
void SetFactors(velkora::SessionState& session, bool translationOnly) {
  session.deltaX = 250.5;
  session.deltaY = -125.25;
  session.doTranslate = true;
  session.rotationAngle = translationOnly ? 0 : 12.5 * velkora::DegreesToRadians;
  session.scaleFactor = translationOnly ? 1 : 1.0002;
  session.doRotate = session.doScale = session.hasPivot = !translationOnly;
  session.sourcePivotX = 1455000;
  session.sourcePivotY = 540000;
  session.destPivotX = session.sourcePivotX + session.deltaX;
  session.destPivotY = session.sourcePivotY + session.deltaY;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using velkora::fuzz::Require;
  const velkora::fuzz::FuzzInputFile input(data, size, "convert");
  for (const OutputLayout& layout : kOutputLayouts) {
    velkora::SessionState session;
    velkora::testing::ScriptedPrompter prompter;
    QuietRunView view;
    std::ostringstream output;
    SetFactors(session, size % 2 == 1);
    session.outFormatCode = layout.code;
    session.outDelim = layout.delimiter;
    session.suppressZeroElev = size % 3 == 0;
    session.outFile = &output;
    session.curFileName = input.Path();
    if (velkora::OpenInputFile(session, prompter)) {
      velkora::ConvertPoints(session, view);
      velkora::CloseInputFile(session);
    }
    Require(session.filePointCount == session.runPointCount, "point counts disagree");
    Require(session.filePointCount <= static_cast<std::int64_t>(size), "more points than bytes");
    Require(velkora::fuzz::AllLinesEndInCrLf(output.str()), "an output line does not end in CR LF");
  }
  return 0;
}
