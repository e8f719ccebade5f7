// fsync of files and folders where the system has it; elsewhere the calls do nothing.
#include "engine/output/DiskSync.h"

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#define VELKORA_HAS_FSYNC 1
#endif
#if defined(__linux__)
#define VELKORA_HAS_SYNC_FILE_RANGE 1
#endif

namespace velkora {

namespace {

#if VELKORA_HAS_FSYNC
// EINVAL and EROFS: the file lives where nothing can be flushed; nothing is lost by it.
bool SyncDescriptor(int descriptor) {
  return ::fsync(descriptor) == 0 || errno == EINVAL || errno == EROFS;
}

bool SyncPath(const std::filesystem::path& path, int flags) {
  const int descriptor = ::open(path.c_str(), flags | O_CLOEXEC);
  if (descriptor < 0) {
    return false;
  }
  const bool synced = SyncDescriptor(descriptor);
  ::close(descriptor);
  return synced;
}
#endif

}  // namespace

bool SyncFileToDisk(const std::filesystem::path& path) {
#if VELKORA_HAS_FSYNC
  return SyncPath(path, O_RDONLY);
#else
  (void)path;
  return true;
#endif
}

bool SyncStreamToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) {
    return false;
  }
#if VELKORA_HAS_FSYNC
  return SyncDescriptor(::fileno(file));
#else
  return true;
#endif
}

void SyncFolderToDisk(const std::filesystem::path& folder) {
#if VELKORA_HAS_FSYNC
  SyncPath(folder.empty() ? std::filesystem::path(".") : folder, O_RDONLY | O_DIRECTORY);
#else
  (void)folder;
#endif
}

void EarlyWriteback::Open(const std::filesystem::path& path) {
  Close();
#if VELKORA_HAS_SYNC_FILE_RANGE
  descriptor_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
#else
  (void)path;
#endif
}

void EarlyWriteback::Start() const {
#if VELKORA_HAS_SYNC_FILE_RANGE
  if (descriptor_ >= 0) {
    ::sync_file_range(descriptor_, 0, 0, SYNC_FILE_RANGE_WRITE);
  }
#endif
}

void EarlyWriteback::Close() {
#if VELKORA_HAS_FSYNC
  if (descriptor_ >= 0) {
    ::close(descriptor_);
  }
#endif
  descriptor_ = -1;
}

}  // namespace velkora
