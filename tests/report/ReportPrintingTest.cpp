// Splitting the report into print jobs, pages and lines.
#include "report/ReportPrinting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velkora {
namespace {

class RecordingPrinter : public ReportPrinter {
 public:
  void BeginDocument() override { events.push_back("<begin>"); }
  void PrintLine(std::string_view line) override { events.emplace_back(line); }
  void NewPage() override { events.push_back("<page>"); }
  void EndDocument() override { events.push_back("<end>"); }

  std::vector<std::string> events;
};

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& part : parts) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

TEST(ReportPrintingTest, PagesAndJobs) {
  const std::vector<std::string> top = {"", "", "", ""};
  const std::vector<std::string> threeRuns = Concat({{"<begin>"},
                                                     top,
                                                     {"Run 1 a", "Run 1 b", "<page>"},
                                                     top,
                                                     {"Run 2", "<page>"},
                                                     top,
                                                     {"Run 3", "<end>"}});
  const struct {
    const char* name;
    std::string report;
    int copies;
    std::vector<std::string> events;
  } cases[] = {
      {"three runs, two copies", "Run 1 a\r\nRun 1 b\r\n\fRun 2\r\n\fRun 3\r\n", 2,
       Concat({threeRuns, threeRuns})},
      {"empty report prints nothing", "", 2, {}},
      {"no copies", "Run 1\r\n", 0, {}},
      {"empty lines kept, last line without a break", "A\r\n\r\nB", 1,
       Concat({{"<begin>"}, top, {"A", "", "B", "<end>"}})},
      {"lone LF and CR end lines too", "A\nB\rC\r\n", 1,
       Concat({{"<begin>"}, top, {"A", "B", "C", "<end>"}})},
  };
  for (const auto& c : cases) {
    RecordingPrinter printer;
    PrintReport(c.report, c.copies, printer);
    EXPECT_EQ(printer.events, c.events) << c.name;
  }
}

}  // namespace
}  // namespace velkora
