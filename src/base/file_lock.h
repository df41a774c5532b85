#pragma once

#include <chrono>
#include <string>

#include "base/io_result.h"

namespace tkv {

// An advisory lock (flock) on a lock file, held for as long as the object
// lives. Every read-modify-write of the data folder's files, and of the
// registry file, runs under one, so two programs never both write from the
// same old copy. Hold it briefly, never while a person answers a dialog.
//
// Within one process the same lock may be taken again while held (a save
// that also brings the ledger in step); only the outermost release frees it.
class FileLock {
public:
    static constexpr std::chrono::milliseconds DefaultWait{4000};

    // Waits up to `wait` for the lock on `path`, creating the file (0600)
    // when missing. result() says whether it is held: IoError::Locked when
    // another program kept it all that time.
    explicit FileLock(std::string path, std::chrono::milliseconds wait = DefaultWait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return m_result.ok(); }
    const IoResult& result() const { return m_result; }

private:
    std::string m_path;
    IoResult m_result;
};

// The lock of the folder that holds `file`. Taking it first finishes a
// two-file save that a crash interrupted (the folder's intent record), and,
// once per run, removes temporary files of ours that a crash left behind.
class FolderLock {
public:
    explicit FolderLock(const std::string& file,
                        std::chrono::milliseconds wait = FileLock::DefaultWait);
    bool held() const { return m_lock.held(); }
    const IoResult& result() const { return m_lock.result(); }

private:
    FileLock m_lock;
};

// The intent record of the folder that holds `file`.
std::string FolderIntentFile(const std::string& file);

// The lock file of the folder that holds `file`: the data folder, or a
// user's subfolder of it, each with the month files, Vacation.dat,
// Holiday.dat and tokivane.SET of one person.
std::string FolderLockFile(const std::string& file);
// The lock file beside a registry file.
std::string RegistryLockFile(const std::string& registryPath);

}  // namespace tkv
