#include "base/file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "base/atomic_file.h"

namespace tkv {
namespace {

// Locks this process holds: a second flock on a new descriptor of the same
// file would wait for ourselves.
struct Held {
    int fd = -1;
    int count = 0;
};
std::mutex g_mutex;
std::map<std::string, Held> g_held;

}  // namespace

FileLock::FileLock(std::string path, std::chrono::milliseconds wait) : m_path(std::move(path)) {
    std::lock_guard guard(g_mutex);
    if (auto it = g_held.find(m_path); it != g_held.end()) {
        ++it->second.count;
        return;
    }
    const int fd = ::open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_result = IoResult::failure(IoError::WriteFailed, errno, m_path);
        return;
    }
    ::fchmod(fd, 0600);  // whatever the umask made of it
    const auto until = std::chrono::steady_clock::now() + wait;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        if (err == EINTR)
            continue;
        if (err != EWOULDBLOCK || std::chrono::steady_clock::now() >= until) {
            ::close(fd);
            m_result = IoResult::failure(
                err == EWOULDBLOCK ? IoError::Locked : IoError::WriteFailed, err, m_path);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    g_held[m_path] = {fd, 1};
}

FileLock::~FileLock() {
    if (!held())
        return;
    std::lock_guard guard(g_mutex);
    const auto it = g_held.find(m_path);
    if (it == g_held.end() || --it->second.count > 0)
        return;
    ::flock(it->second.fd, LOCK_UN);
    ::close(it->second.fd);
    g_held.erase(it);
}

namespace {

std::string folderOf(const std::string& file) {
    const std::size_t slash = file.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : file.substr(0, slash);
}

std::set<std::string> g_swept;  // folders whose stale temporaries went this run

}  // namespace

std::string FolderLockFile(const std::string& file) {
    return folderOf(file) + "/.tokivane.lock";
}

std::string FolderIntentFile(const std::string& file) {
    return folderOf(file) + "/.tokivane-intent";
}

FolderLock::FolderLock(const std::string& file, std::chrono::milliseconds wait)
    : m_lock(FolderLockFile(file), wait) {
    if (!held())
        return;
    // A failed replay keeps its record and its temporaries for the next try.
    if (!ReplayIntent(FolderIntentFile(file)).ok())
        return;
    const std::string folder = folderOf(file);
    std::lock_guard guard(g_mutex);
    if (g_swept.insert(folder).second)
        RemoveStaleTemporaryFiles(folder);
}

std::string RegistryLockFile(const std::string& registryPath) {
    return registryPath + ".lock";
}

}  // namespace tkv
