// Arbitrary bytes as an input file, through format detection and every reader to the end of
// the file, once for each way a reader treats comment lines.
#include <cstddef>
#include <cstdint>
#include <sstream>

#include "FuzzSupport.h"
#include "input/PointReading.h"
#include "session/SessionState.h"
#include "support/ScriptedPrompter.h"

namespace {

// Output codes that make the readers copy comment lines (0 and 6) and one that never does.
constexpr velkora::FileFormat kOutputCodes[] = {velkora::format::kCommaDelimited,
                                                velkora::format::kEightyColumn,
                                                velkora::format::kUnrecognized};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using velkora::fuzz::Require;
  const velkora::fuzz::FuzzInputFile input(data, size, "read-points");
  for (const velkora::FileFormat outputCode : kOutputCodes) {
    velkora::SessionState session;
    velkora::testing::ScriptedPrompter prompter;
    std::ostringstream copiedComments;
    session.curFileName = input.Path();
    session.outFormatCode = outputCode;
    session.outFile = &copiedComments;
    if (velkora::OpenInputFile(session, prompter)) {
      std::size_t points = 0;
      do {
        if (velkora::ReadPoint(session)) {
          Require(velkora::IsValidPoint(session.point), "ReadPoint returned an invalid point");
          ++points;
        }
        Require(points <= size, "more points than bytes");
      } while (!session.inFile.AtEnd());
      velkora::CloseInputFile(session);
    }
    Require(prompter.messages.size() <= 1, "more than one message for one file");
    Require(velkora::fuzz::AllLinesEndInCrLf(copiedComments.str()),
            "a copied comment line does not end in CR LF");
  }
  return 0;
}
