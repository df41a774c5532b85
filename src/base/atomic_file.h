#pragma once

#include <string>

#include "base/io_result.h"

namespace tkv {

// Reads the whole file into `bytes`. A missing file gives IoError::NotFound.
IoResult ReadWholeFile(const std::string& path, std::string& bytes);

// Replaces `path` by `bytes` through a temporary file in the same folder that
// is synced and renamed over the old one, so the old file survives any
// failure intact. A new file gets `newFileMode`; an existing file keeps its mode.
// A file without any write permission is read-only and is not replaced.
IoResult WriteFileAtomically(const std::string& path, const std::string& bytes,
                             unsigned newFileMode = 0644);

// Fault injection for tests: the file-system calls WriteFileAtomically makes,
// in their order. A failing disk, sync or rename can then be tested by any
// user, root included, without touching permissions or limits.
enum class FileStep { Create, Chmod, Write, Sync, Close, Rename };

struct FileFault {
    FileStep step = FileStep::Write;
    int nth = 1;  // the nth call of `step` from now fails
    int err = 0;  // with this errno
};

// Arms one fault; it fires once and is then gone. Not thread-safe: tests only.
void InjectFileFault(const FileFault& fault);
void ClearFileFault();

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// Creates the folder and its missing parents with `mode`.
IoResult MakeDirectories(const std::string& path, unsigned mode = 0700);

}  // namespace tkv
