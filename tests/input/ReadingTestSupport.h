// Helpers for the input tests: files written to a scratch folder, and a whole file read
// through the reading loop into one text line per point.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "input/PointReading.h"
#include "support/ScriptedPrompter.h"

namespace velkora::testing {

// A scratch folder of its own for each test, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::path(::testing::TempDir()) /
            ("velkora-input-" + std::string(info->test_suite_name()) + "-" + info->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  // Writes `bytes` exactly as given; returns the file's path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file.string();
  }
  std::string PathOf(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline std::string SampleFile(const std::string& name) {
  return std::string(VELKORA_TEST_DATA_DIR) + "/" + name;
}

// One point as "number|x|y|elev|feature|description", coordinates with four decimals.
inline std::string DescribePoint(const PointRecord& point) {
  char numbers[96];
  std::snprintf(numbers, sizeof numbers, "|%.4f|%.4f|%.4f|", point.x, point.y, point.elev);
  return point.pointNum + numbers + point.feature + "|" + point.description;
}

// Reads the file through the reading loop; one DescribePoint line per valid point.
inline std::vector<std::string> ReadAllPoints(SessionState& session, Prompter& prompter,
                                              const std::string& path) {
  std::vector<std::string> points;
  session.curFileName = path;
  if (!OpenInputFile(session, prompter)) {
    return points;
  }
  do {
    if (ReadPoint(session)) {
      points.push_back(DescribePoint(session.point));
    }
  } while (!session.inFile.AtEnd());
  CloseInputFile(session);
  return points;
}

}  // namespace velkora::testing
