// Whole files read and written as bytes, and scratch folders of the running test's own.
#pragma once

#include <filesystem>
#include <string>

namespace velkora::testing {

std::string ReadWhole(const std::filesystem::path& path);
void WriteWhole(const std::filesystem::path& path, const std::string& bytes);

// A new empty folder under the system's temporary folder, removed with everything in it when
// the object goes. Its name is unique, so that tests may run side by side.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Makes `folder` the current folder until the object goes, so that a case's relative names
// and the paths in its messages and reports stay short and the same on every machine.
class InFolder {
 public:
  explicit InFolder(const std::filesystem::path& folder);
  ~InFolder();
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  std::filesystem::path previous_;
};

// The folders the tests read from: tests/data and the real survey files beside the project.
std::filesystem::path DataPath(const std::string& name);
std::filesystem::path RealDataPath(const std::string& name);

}  // namespace velkora::testing
