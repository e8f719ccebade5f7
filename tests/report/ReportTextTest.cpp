// The report window's text, banners and caption, and clearing the report.
#include "report/ReportText.h"

#include <gtest/gtest.h>

#include <string>

namespace velkora {
namespace {

const std::string kStars36(36, '*');
const std::string kBanner1 = kStars36 + " RUN 1 " + std::string(37, '*');
const std::string kBanner2 = kStars36 + " RUN 2 " + std::string(37, '*');

TEST(ReportTextTest, BannersAreCutTo80Characters) {
  const struct {
    std::int64_t run;
    std::string banner;
  } cases[] = {
      {1, kBanner1},
      {2, kBanner2},
      {10, kStars36 + " RUN 10 " + kStars36},
      {100, kStars36 + " RUN 100 " + std::string(35, '*')},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReportBanner(c.run), c.banner) << c.run;
    EXPECT_EQ(ReportBanner(c.run).size(), 80u);
  }
}

TEST(ReportTextTest, CaptionNamesTheRunCount) {
  const struct {
    std::int64_t runs;
    std::string caption;
  } cases[] = {
      {1, "Velkora Report     (Contains 1 Run)"},
      {2, "Velkora Report     (Contains 2 Runs)"},
      {10, "Velkora Report     (Contains 10 Runs)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReportWindowCaption(c.runs), c.caption);
  }
}

TEST(ReportTextTest, WindowTextHasOneBannerPerRun) {
  const struct {
    const char* name;
    std::string report;
    std::int64_t runs;
    std::string windowText;
  } cases[] = {
      {"one run", "Run one\r\n", 1, kBanner1 + "\r\nRun one\r\n"},
      {"two runs", "Run one\r\n\fRun two\r\n", 2,
       kBanner1 + "\r\nRun one\r\n\r\n" + kBanner2 + "\r\nRun two\r\n"},
      {"last run without a final break", "A\r\n\fB", 2,
       kBanner1 + "\r\nA\r\n\r\n" + kBanner2 + "\r\nB"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CountReportRuns(c.report), c.runs) << c.name;
    EXPECT_EQ(ReportWindowText(c.report), c.windowText) << c.name;
  }
}

}  // namespace
}  // namespace velkora
