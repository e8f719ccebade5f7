// Flushing written files to the disk, so that a power cut after a file was replaced leaves the
// old file or the new one, never an empty or partial one. The one place that talks to the
// operating system's file calls.
#pragma once

#include <cstdio>
#include <filesystem>

namespace velkora {

// Writes the file's data out to the disk. False when the disk reports a failure; a file system
// that cannot flush (a pipe, some network mounts) counts as flushed.
bool SyncFileToDisk(const std::filesystem::path& path);

// The same for a file open for writing; its C buffer is flushed first.
bool SyncStreamToDisk(std::FILE* file);

// Writes the folder's entries out, so that a file renamed or created in it stays there. Best
// effort: a folder that cannot be flushed changes nothing.
void SyncFolderToDisk(const std::filesystem::path& folder);

// Hands what has been written of a file to the disk while more is being written, so that the
// flush at its end has little left to wait for (on a 50 MB output, most of the flush's 20-30
// ms). Where the system cannot start a write without waiting for it, this does nothing.
class EarlyWriteback {
 public:
  EarlyWriteback() = default;
  EarlyWriteback(const EarlyWriteback&) = delete;
  EarlyWriteback& operator=(const EarlyWriteback&) = delete;
  ~EarlyWriteback() { Close(); }

  void Open(const std::filesystem::path& path);
  // Starts writing every written part of the file not yet on its way; returns at once.
  void Start() const;
  void Close();

 private:
  int descriptor_ = -1;
};

}  // namespace velkora
