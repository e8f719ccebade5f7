// Appends the report to a file chosen by the user or named on the command line.
#include "engine/report/ReportSaving.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "engine/output/DiskSync.h"

namespace velkora {

namespace {

// Puts the file back as it was before a failed append.
void UndoAppend(const std::string& path, bool existed, std::uintmax_t oldSize) {
  std::error_code ignored;
  if (existed) {
    std::filesystem::resize_file(path, oldSize, ignored);
  } else {
    std::filesystem::remove(path, ignored);
  }
}

}  // namespace

bool AppendReportToFile(const std::string& reportText, const std::string& path,
                        std::string& error) {
  std::error_code status;
  const bool existed = std::filesystem::exists(path, status);
  if (existed && !std::filesystem::is_regular_file(path, status)) {
    error = "The report file is not a plain file.";
    return false;
  }
  const std::uintmax_t oldSize = existed ? std::filesystem::file_size(path, status) : 0;
  if (status) {
    error = "The report file cannot be read.";
    return false;
  }

  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (file == nullptr) {
    error = "The report file cannot be opened for writing.";
    return false;
  }
  const std::string lead = existed ? "\r\n\r\n" : "\r\n";
  bool written = std::fwrite(lead.data(), 1, lead.size(), file) == lead.size();
  written =
      written && std::fwrite(reportText.data(), 1, reportText.size(), file) == reportText.size();
  written = written && std::fwrite("\r\n", 1, 2, file) == 2;
  // On the disk before the user is told it is saved; a new file's folder entry too.
  written = written && SyncStreamToDisk(file);
  written = std::fclose(file) == 0 && written;
  if (!written) {
    UndoAppend(path, existed, oldSize);
    error = "The report could not be written to the file.";
    return false;
  }
  if (!existed) {
    SyncFolderToDisk(std::filesystem::path(path).parent_path());
  }
  return true;
}

}  // namespace velkora
