// Rebuilds the report window's text and caption from the report.
#include "engine/report/ReportText.h"

#include <algorithm>
#include <string_view>

#include "engine/text/TextColumns.h"

namespace velkora {

namespace {
constexpr std::size_t kBannerWidth = 80;
}

std::int64_t CountReportRuns(const std::string& reportText) {
  return 1 + std::count(reportText.begin(), reportText.end(), '\f');
}

std::string ReportBanner(std::int64_t run) {
  const std::string banner =
      std::string(36, '*') + " RUN " + std::to_string(run) + " " + std::string(37, '*');
  return std::string(Left(banner, kBannerWidth));
}

std::string ReportWindowText(const std::string& reportText) {
  std::string text;
  text.reserve(reportText.size() + kBannerWidth + 2);
  std::int64_t run = 1;
  std::size_t start = 0;
  for (;;) {
    text += ReportBanner(run);
    text += "\r\n";
    const std::size_t formFeed = reportText.find('\f', start);
    if (formFeed == std::string::npos) {
      text.append(reportText, start);
      return text;
    }
    text.append(reportText, start, formFeed - start);
    text += "\r\n";
    start = formFeed + 1;
    ++run;
  }
}

std::string ReportWindowCaption(std::int64_t runs) {
  std::string caption = "Velkora Report     ";
  if (runs == 1) {
    return caption + "(Contains 1 Run)";
  }
  return caption + "(Contains " + std::to_string(runs) + " Runs)";
}

}  // namespace velkora
