// Shared by the fuzz targets: the bytes as a file on disk (the readers take a path), one file
// per process in /dev/shm when there is one, and the checks that end a run with a reproducer.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace velkora::fuzz {

class FuzzInputFile {
 public:
  FuzzInputFile(const std::uint8_t* data, std::size_t size, const char* name) {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::is_directory("/dev/shm", error)
                                             ? std::filesystem::path("/dev/shm")
                                             : std::filesystem::temp_directory_path();
    path_ = (folder / ("velkora-fuzz-" + std::to_string(getpid()) + "-" + name)).string();
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    if (file == nullptr || (size > 0 && std::fwrite(data, 1, size, file) != size)) {
      std::abort();  // a fuzzer that cannot write its input would report nothing
    }
    std::fclose(file);
  }
  ~FuzzInputFile() { std::remove(path_.c_str()); }
  FuzzInputFile(const FuzzInputFile&) = delete;
  FuzzInputFile& operator=(const FuzzInputFile&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// Lines written to an output must each end in CR LF, with no stray CR or LF inside them.
inline bool AllLinesEndInCrLf(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) {
      return false;
    }
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
      return false;
    }
  }
  return text.empty() || text.back() == '\n';
}

// Ends the run with a reproducer when a property does not hold.
inline void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
  }
}

}  // namespace velkora::fuzz
