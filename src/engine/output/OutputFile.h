// The output file of a run. It is written under a temporary name in the target's folder and
// takes the target's place only when the whole run succeeded, so a failed or cancelled run
// leaves an existing file exactly as it was. A device or pipe is written into directly.
#pragma once

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "engine/output/DiskSync.h"

namespace velkora {

class OutputFile {
 public:
  explicit OutputFile(const std::string& targetPath);
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  // Removes the temporary file unless Commit succeeded.
  ~OutputFile();

  // Creates the temporary file. False when the target exists but cannot be written (a
  // read-only file, a folder) or the temporary file cannot be created.
  bool Open();

  std::ostream& Stream() { return stream_; }

  // Starts writing what the stream has handed on to the disk, without waiting: called now and
  // then while a large output is written, it leaves Commit's flush little to wait for.
  void StartWriteback() { writeback_.Start(); }

  // Closes the temporary file, flushes it to the disk and renames it over the target, then
  // flushes the folder. False, with the temporary file removed and the target untouched, when
  // anything failed.
  bool Commit();

  // Closes and removes the temporary file; the target stays as it was.
  void Discard();

  const std::filesystem::path& TemporaryPath() const { return temporary_; }

 private:
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::vector<char> buffer_;
  std::ofstream stream_;
  EarlyWriteback writeback_;
  bool pending_ = false;
  bool direct_ = false;  // the target is a device or pipe, written without a temporary file
};

}  // namespace velkora
