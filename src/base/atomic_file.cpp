#include "base/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tkv {

std::string describe(const IoResult& result) {
    switch (result.error) {
        case IoError::None:
            return "ok";
        case IoError::NotFound:
            return result.path + ": not found";
        case IoError::ReadFailed:
            return result.path + ": cannot read: " + std::strerror(result.sysErrno);
        case IoError::WriteFailed:
            return result.path + ": cannot write: " + std::strerror(result.sysErrno);
    }
    return "unknown error";
}

IoResult ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        return IoResult::failure(err == ENOENT ? IoError::NotFound : IoError::ReadFailed, err,
                                 path);
    }
    char buf[65536];
    while (true) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            bytes.clear();
            return IoResult::failure(IoError::ReadFailed, err, path);
        }
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return IoResult::success();
}

namespace {

std::optional<FileFault> g_fault;
int g_faultCalls = 0;

// True when the armed fault strikes this call; errno is then set as the
// failing call would set it.
bool faultStrikes(FileStep step) {
    if (!g_fault || g_fault->step != step || ++g_faultCalls < g_fault->nth)
        return false;
    errno = g_fault->err;
    g_fault.reset();
    return true;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = faultStrikes(FileStep::Write)
                              ? -1
                              : ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

IoResult WriteFileAtomically(const std::string& path, const std::string& bytes,
                             unsigned newFileMode) {
    mode_t mode = static_cast<mode_t>(newFileMode);
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
        // A file nobody may write was made read-only on purpose. A rename
        // would replace it regardless of its mode, so it is refused here.
        if ((mode & 0222) == 0)
            return IoResult::failure(IoError::WriteFailed, EACCES, path);
    }

    std::string tmpl = path + ".tmpXXXXXX";
    const int fd = faultStrikes(FileStep::Create) ? -1 : ::mkstemp(tmpl.data());
    if (fd < 0)
        return IoResult::failure(IoError::WriteFailed, errno, path);

    auto fail = [&](int err) {
        ::close(fd);
        ::unlink(tmpl.c_str());
        return IoResult::failure(IoError::WriteFailed, err, path);
    };
    if (faultStrikes(FileStep::Chmod) || ::fchmod(fd, mode) != 0)
        return fail(errno);
    if (!writeAll(fd, bytes))
        return fail(errno);
    if (faultStrikes(FileStep::Sync) || ::fsync(fd) != 0)
        return fail(errno);
    // The descriptor is released even when close() reports an error.
    const bool closed = ::close(fd) == 0;
    if (faultStrikes(FileStep::Close) || !closed) {
        const int err = errno;
        ::unlink(tmpl.c_str());
        return IoResult::failure(IoError::WriteFailed, err, path);
    }
    if (faultStrikes(FileStep::Rename) || ::rename(tmpl.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmpl.c_str());
        return IoResult::failure(IoError::WriteFailed, err, path);
    }
    // Make the rename itself durable.
    const int dir = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return IoResult::success();
}

void InjectFileFault(const FileFault& fault) {
    g_fault = fault;
    g_faultCalls = 0;
}

void ClearFileFault() {
    g_fault.reset();
    g_faultCalls = 0;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

IoResult MakeDirectories(const std::string& path, unsigned mode) {
    if (path.empty() || DirectoryExists(path))
        return IoResult::success();
    const std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0) {
        const IoResult parent = MakeDirectories(path.substr(0, slash), mode);
        if (!parent.ok())
            return parent;
    }
    if (::mkdir(path.c_str(), static_cast<mode_t>(mode)) != 0) {
        const int err = errno;
        // EEXIST is fine only when a folder won the race, not a file in the way.
        if (err != EEXIST)
            return IoResult::failure(IoError::WriteFailed, err, path);
        if (!DirectoryExists(path))
            return IoResult::failure(IoError::WriteFailed, ENOTDIR, path);
    }
    return IoResult::success();
}

}  // namespace tkv
