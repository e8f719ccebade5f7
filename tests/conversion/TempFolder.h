// A fresh folder under the system's temporary folder, removed with everything in it,
// whole-file helpers and a recording run view for the tests that convert files.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "conversion/ConversionRun.h"

namespace velkora::testing {

// A RunView that records the progress reports and the report window it was asked to show.
class RecordingView : public RunView {
 public:
  bool ReportProgress(std::int64_t pointsWritten) override {
    progress.push_back(pointsWritten);
    return !cancel;
  }
  void ShowReport(const std::string& text, const std::string& title) override {
    ++shown;
    windowText = text;
    caption = title;
  }

  bool cancel = false;
  std::vector<std::int64_t> progress;
  int shown = 0;
  std::string windowText;
  std::string caption;
};

class TempFolder {
 public:
  TempFolder() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("velkora-conversion-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(path_);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }

  const std::filesystem::path& path() const { return path_; }

  // Names of the folder's entries, sorted.
  std::vector<std::string> FileNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline void WriteWholeFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace velkora::testing
