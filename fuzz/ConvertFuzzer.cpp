// Arbitrary bytes as an input file, converted into every output layout: whatever the input,
// the conversion ends, the output holds only whole CR LF lines, and one thread and two give
// the same outcome, count and bytes.
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

// One conversion of the input into `layout`, on one thread or two.
struct Converted {
  velkora::ConversionOutcome outcome = velkora::ConversionOutcome::kConverted;
  std::int64_t points = 0;
  std::string output;
};

Converted Convert(const velkora::fuzz::FuzzInputFile& input, std::size_t size,
                  const OutputLayout& layout, bool oneThread) {
  velkora::SessionState session;
  velkora::testing::ScriptedPrompter prompter;
  QuietRunView view;
  std::ostringstream output;
  SetFactors(session, size % 2 == 1);
  session.convertOnOneThread = oneThread;
  session.outFormatCode = layout.code;
  session.outDelim = layout.delimiter;
  session.suppressZeroElev = size % 3 == 0;
  session.outFile = &output;
  session.curFileName = input.Path();
  Converted converted;
  if (velkora::OpenInputFile(session, prompter)) {
    converted.outcome = velkora::ConvertPoints(session, view);
    velkora::CloseInputFile(session);
  }
  velkora::fuzz::Require(session.filePointCount == session.runPointCount, "point counts disagree");
  converted.points = session.filePointCount;
  converted.output = output.str();
  return converted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using velkora::fuzz::Require;
  const velkora::fuzz::FuzzInputFile input(data, size, "convert");
  for (const OutputLayout& layout : kOutputLayouts) {
    const Converted one = Convert(input, size, layout, true);
    const Converted two = Convert(input, size, layout, false);
    Require(one.points <= static_cast<std::int64_t>(size), "more points than bytes");
    Require(velkora::fuzz::AllLinesEndInCrLf(one.output), "an output line does not end in CR LF");
    Require(one.outcome == two.outcome && one.points == two.points && one.output == two.output,
            "one thread and two threads disagree");
  }
  return 0;
}
