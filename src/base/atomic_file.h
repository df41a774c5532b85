#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/io_result.h"

namespace tkv {

// Reads the whole file into `bytes`. A missing file gives IoError::NotFound.
IoResult ReadWholeFile(const std::string& path, std::string& bytes);

// Replaces `path` by `bytes` through a temporary file in the same folder that
// is synced and renamed over the old one, so the old file survives any
// failure intact. A new file gets `newFileMode`; an existing file keeps its mode.
// A file without any write permission is read-only and is not replaced.
IoResult WriteFileAtomically(const std::string& path, const std::string& bytes,
                             unsigned newFileMode = 0600);

// Temporary files of ours carry this mark after the name of the file they
// replace; a crash can leave them, and the next run removes them.
inline constexpr std::string_view kTemporaryMark = ".tokivane-tmp-";
std::string TemporaryFileStem(const std::string& path);

// A replacement written and synced beside its file but not yet renamed over
// it: several files can be prepared before any is renamed, so that a failure
// while preparing leaves every old file untouched. Dropped unrenamed, the
// temporary file goes.
class PreparedFile {
public:
    PreparedFile() = default;
    ~PreparedFile();
    PreparedFile(PreparedFile&& other) noexcept;
    PreparedFile(const PreparedFile&) = delete;
    PreparedFile& operator=(const PreparedFile&) = delete;
    PreparedFile& operator=(PreparedFile&&) = delete;

    IoResult prepare(const std::string& path, const std::string& bytes,
                     unsigned newFileMode = 0600);
    IoResult commit();  // the rename
    // Leaves the temporary file in place for a later ReplayIntent.
    void keep() { m_temp.clear(); }
    bool prepared() const { return !m_temp.empty(); }
    const std::string& path() const { return m_path; }
    const std::string& temporaryPath() const { return m_temp; }

private:
    void drop();
    std::string m_path;
    std::string m_temp;
};

// Renames prepared files in turn, covered by an intent record at
// `intentPath` that names each temporary file and its target: written
// before the first rename, removed after the last. A crash in between
// leaves the record, and ReplayIntent finishes the renames.
IoResult CommitTogether(const std::vector<PreparedFile*>& files, const std::string& intentPath);
// Finishes the renames of a record left behind, and removes it; renaming a
// temporary file that is gone already is skipped, so replaying twice does
// no harm. No record is a success. `replayed` says whether anything was renamed.
IoResult ReplayIntent(const std::string& intentPath, bool* replayed = nullptr);
// Removes the temporary files of ours in `folder`; how many went. Only while
// no write of ours can be under way there (under the folder's lock, after
// ReplayIntent).
int RemoveStaleTemporaryFiles(const std::string& folder);

// Fault injection for tests: the file-system calls WriteFileAtomically makes,
// in their order. A failing disk, sync or rename can then be tested by any
// user, root included, without touching permissions or limits.
// Read stands for ReadWholeFile: a file that cannot be read; Remove for
// the removal of an intent record.
enum class FileStep { Create, Chmod, Write, Sync, Close, Rename, Read, Remove };

struct FileFault {
    FileStep step = FileStep::Write;
    int nth = 1;  // the nth call of `step` from now fails
    int err = 0;  // with this errno
};

// Arms one fault; it fires once and is then gone. Not thread-safe: tests only.
void InjectFileFault(const FileFault& fault);
void ClearFileFault();
// Called before each step: a test can end the process there (a kill point)
// to see what a crash at that moment leaves. Empty to remove.
void SetFileStepHook(std::function<void(FileStep)> hook);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// What identifies one version of a file without reading it: a write by
// anybody replaces or modifies it, which changes at least one of these.
struct FileStamp {
    bool exists = false;
    unsigned long long device = 0, inode = 0, size = 0;
    long long mtimeNs = 0, ctimeNs = 0;
    bool operator==(const FileStamp&) const = default;
};
// The stamp of `path` now; `exists` false when there is nothing there.
FileStamp StampOf(const std::string& path);

// Creates the folder and its missing parents with `mode`.
IoResult MakeDirectories(const std::string& path, unsigned mode = 0700);

}  // namespace tkv
