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

}  // namespace velkora
