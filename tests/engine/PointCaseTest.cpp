// Runs the cases of tests/cases/points/*.case: files read point by point as their reader hands
// them over, and files converted into an output layout. Every conversion runs whole on one
// thread and again in chunks of 64 bytes on two; both must write the same bytes and end the
// same way.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/input/PointReader.h"
#include "engine/output/ChunkedConversion.h"
#include "engine/output/Conversion.h"
#include "engine/text/NumberText.h"
#include "support/CaseFiles.h"
#include "support/Files.h"
#include "support/ValueText.h"

namespace velkora::testing {
namespace {

namespace fs = std::filesystem;

// A field as the dump shows it: its bytes, or its length when it is too long to read.
std::string Field(std::string_view text) {
  return text.size() > 200 ? "<" + std::to_string(text.size()) + " bytes>" : std::string(text);
}

std::string PointLine(const PointRecord& p) {
  return "point " + Field(p.pointNum) + "|" + GeneralForm(p.x) + "|" + GeneralForm(p.y) + "|" +
         GeneralForm(p.elev) + "|" + Field(p.feature) + "|" + Field(p.description) + "|" +
         Field(p.rawText) + "\n";
}

// What the reader of the file makes of it: its layout, the opener's refusal, then every item.
std::string Dump(const std::string& path) {
  OpenedReader opened = OpenPointReader(path);
  std::string dump = "layout " + LayoutText(opened.detection) + "\n";
  if (!opened.refusal.empty()) {
    dump += "refusal " + opened.refusal + "\n";
  }
  if (!opened.reader) {
    return dump;
  }
  for (ReadItem item; (item = opened.reader->Next()) != ReadItem::kEnd;) {
    dump += item == ReadItem::kComment ? "comment " + Field(opened.reader->Comment()) + "\n"
                                       : PointLine(opened.reader->Point());
  }
  return dump + (opened.reader->Input().Failed() ? "read failed\n" : "");
}

// convert to ENTRY [keep-zero-elevations] [shift DX DY] [cancel-at N] [into NAME] from NAME...
struct Conversion {
  OutputSettings settings;
  TransformFactors factors;
  int cancelAt = 0;  // the progress report that cancels; 0 for none
  std::string into = "out.txt";
  std::vector<std::string> inputs;
};

Conversion ConversionOf(const Directive& directive) {
  Conversion conversion;
  conversion.settings.suppressZeroElevations = !directive.Has("keep-zero-elevations");
  for (std::size_t i = 1; i < directive.tokens.size(); ++i) {
    const std::string& word = directive.tokens[i];
    if (word == "to") {
      const OutputChoice choice = OutputChoiceOf(std::stoul(directive.Arg(++i)));
      conversion.settings.layout = choice.layout;
      conversion.settings.delimiter = choice.delimiter;
    } else if (word == "shift") {
      conversion.factors.deltaX = ReadNumber(directive.Arg(++i));
      conversion.factors.deltaY = ReadNumber(directive.Arg(++i));
      conversion.factors.doTranslate = true;
    } else if (word == "cancel-at") {
      conversion.cancelAt = std::stoi(directive.Arg(++i));
    } else if (word == "into") {
      conversion.into = directive.Arg(++i);
    } else if (word == "from") {
      conversion.inputs.assign(directive.tokens.begin() + static_cast<long>(i) + 1,
                               directive.tokens.end());
      break;
    }
  }
  return conversion;
}

const char* OutcomeName(ConversionOutcome outcome) {
  static const char* const kNames[] = {"converted",   "cancelled",    "out-of-range",
                                       "read-failed", "write-failed", "too-wide"};
  return kNames[static_cast<int>(outcome)];
}

// How a conversion ended: "converted 12 points" or "out-of-range at 77 after 2 points", and
// the point counts its progress reports were given.
std::string Convert(const Conversion& conversion, const fs::path& output, bool twoThreads) {
  std::ofstream stream(output, std::ios::binary);
  const std::unique_ptr<PointWriter> writer = MakePointWriter(conversion.settings);
  StreamSink sink(*writer, stream);
  std::optional<ChunkedConversion> chunks;
  if (twoThreads) {
    chunks.emplace(conversion.settings, true, 64);
  }
  std::string progress;
  int reports = 0;
  const ProgressReport report = [&](std::int64_t points) {
    progress += " " + std::to_string(points);
    return ++reports != conversion.cancelAt;
  };
  FileConversion file;
  std::int64_t points = 0;
  for (const std::string& input : conversion.inputs) {
    OpenedReader opened = OpenPointReader(input);
    if (opened.reader) {
      file = chunks ? chunks->ConvertFile(*opened.reader, conversion.factors, sink, points, report)
                    : ConvertFile(*opened.reader, conversion.factors, sink, points, report);
      points += file.points;
    }
    if (file.outcome != ConversionOutcome::kConverted) {
      break;
    }
  }
  std::string outcome = OutcomeName(file.outcome);
  if (file.outcome == ConversionOutcome::kWriteFailed) {
    return outcome;  // the writing thread notices a full disk when it notices it
  }
  if (!file.outOfRangePoint.empty()) {
    outcome += " at " + file.outOfRangePoint;
  }
  return outcome + " after " + std::to_string(points) + " points;" + progress;
}

class PointCase : public ::testing::TestWithParam<Case> {};

// A conversion must end as its "ended" directive says, or convert every file.
void ExpectEnded(const std::string& ended, const std::optional<std::string>& expected) {
  if (!ended.empty()) {
    EXPECT_EQ(ended.substr(0, expected ? std::string::npos : 10), expected.value_or("converted "));
  }
}

TEST_P(PointCase, ReadsAndWritesAsExpected) {
  const Case& test = GetParam();
  SCOPED_TRACE(test.where);
  ScratchFolder folder;
  const InFolder inFolder(folder.Path());
  WrittenFiles written;
  std::string ended;
  for (const Directive& directive : test.directives) {
    const std::string& word = directive.tokens[0];
    if (word == "read") {
      EXPECT_EQ(Dump(directive.Arg(1)), directive.block.value_or("")) << "line " << directive.line;
    } else if (word == "convert") {
      ExpectEnded(ended, std::nullopt);
      const Conversion conversion = ConversionOf(directive);
      const fs::path twoThreadOutput =
          fs::is_character_file(conversion.into) ? conversion.into : conversion.into + ".2";
      ended = Convert(conversion, conversion.into, false);
      EXPECT_EQ(Convert(conversion, twoThreadOutput, true), ended) << "two threads";
      if (fs::is_regular_file(twoThreadOutput)) {
        EXPECT_EQ(ReadWhole(twoThreadOutput), ReadWhole(conversion.into)) << "two threads";
      }
    } else if (word == "ended") {
      ExpectEnded(ended, directive.Arg(1));
      ended.clear();
    } else if (SetUpFile(directive, folder.Path(), written) == SetUp::kSkip) {
      GTEST_SKIP() << "needs what this machine does not give: line " << directive.line;
    } else if (!IsSetUp(directive) && !CheckFile(directive, folder.Path(), written)) {
      ADD_FAILURE() << "unknown directive '" << word << "' on line " << directive.line;
    }
  }
  ExpectEnded(ended, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Cases, PointCase,
                         ::testing::ValuesIn(ReadCaseFolder(VELKORA_CASES_DIR "/points")),
                         CaseTestName);

}  // namespace
}  // namespace velkora::testing
