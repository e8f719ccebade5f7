// The output file of a run, written under a temporary name and renamed over the target.
#include "engine/output/OutputFile.h"

#include <cstdio>
#include <system_error>

#include "engine/output/DiskSync.h"

namespace velkora {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kOutputBufferSize = 1 << 20;

// Opening for appending writes nothing and changes nothing, yet fails for a read-only file
// or a folder: the rename would otherwise replace a file the user protected.
bool CanReplace(const fs::path& target) {
  std::error_code error;
  if (!fs::exists(fs::symlink_status(target, error))) {
    return true;
  }
  std::FILE* file = std::fopen(target.string().c_str(), "ab");
  if (file == nullptr) {
    return false;
  }
  std::fclose(file);
  return true;
}

// A device or a pipe (/dev/null, a named pipe) holds no content to keep, and a file renamed
// over it would destroy the node: it is written into directly.
bool IsSpecialFile(const fs::path& target) {
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  return fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status);
}

// A name beside the target that no file uses yet.
fs::path UnusedTemporaryName(const fs::path& target) {
  std::error_code error;
  for (int attempt = 1;; ++attempt) {
    fs::path candidate = target;
    candidate += ".velkora-" + std::to_string(attempt) + ".tmp";
    if (!fs::exists(fs::symlink_status(candidate, error))) {
      return candidate;
    }
  }
}

}  // namespace

OutputFile::OutputFile(const std::string& targetPath) : target_(targetPath) {
  std::error_code error;
  // Write through a link to the file it names rather than replacing the link.
  if (fs::is_symlink(fs::symlink_status(target_, error))) {
    const fs::path resolved = fs::weakly_canonical(target_, error);
    if (!error) {
      target_ = resolved;
    }
  }
}

OutputFile::~OutputFile() {
  Discard();
}

bool OutputFile::Open() {
  buffer_.resize(kOutputBufferSize);
  stream_.rdbuf()->pubsetbuf(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  if (IsSpecialFile(target_)) {
    direct_ = true;
    stream_.open(target_, std::ios::binary | std::ios::out);
    return stream_.is_open();
  }
  if (!CanReplace(target_)) {
    return false;
  }
  temporary_ = UnusedTemporaryName(target_);
  stream_.open(temporary_, std::ios::binary | std::ios::trunc);
  if (!stream_.is_open()) {
    return false;
  }
  pending_ = true;
  writeback_.Open(temporary_);
  std::error_code error;
  const fs::file_status existing = fs::status(target_, error);
  if (!error && fs::exists(existing)) {
    fs::permissions(temporary_, existing.permissions(), error);
  }
  return true;
}

bool OutputFile::Commit() {
  stream_.flush();
  bool written = stream_.good();
  stream_.close();
  writeback_.Close();
  written = written && !stream_.fail();
  if (direct_) {
    return written;
  }
  // The new file's data reach the disk before its name replaces the old file's, and the
  // folder's entry after: a power cut then leaves one whole file or the other.
  written = written && SyncFileToDisk(temporary_);
  std::error_code error;
  if (written) {
    fs::rename(temporary_, target_, error);
  }
  if (!written || error) {
    Discard();
    return false;
  }
  pending_ = false;
  SyncFolderToDisk(target_.parent_path());
  return true;
}

void OutputFile::Discard() {
  writeback_.Close();
  if (stream_.is_open()) {
    stream_.close();
  }
  if (pending_) {
    std::error_code error;
    fs::remove(temporary_, error);
    pending_ = false;
  }
}

}  // namespace velkora
