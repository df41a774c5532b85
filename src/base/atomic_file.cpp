#include "base/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
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
        case IoError::Damaged:
            return result.path + ": damaged; left as it is";
        case IoError::Locked:
            return result.path + ": busy: another program keeps it locked; try again";
    }
    return "unknown error";
}

namespace {
bool faultStrikes(FileStep step);
}  // namespace

IoResult ReadWholeFile(const std::string& path, std::string& bytes) {
    bytes.clear();
    const int fd = faultStrikes(FileStep::Read) ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
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
std::function<void(FileStep)> g_stepHook;

// True when the armed fault strikes this call; errno is then set as the
// failing call would set it.
bool faultStrikes(FileStep step) {
    if (g_stepHook)
        g_stepHook(step);
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

PreparedFile::~PreparedFile() {
    drop();
}

PreparedFile::PreparedFile(PreparedFile&& other) noexcept
    : m_path(std::move(other.m_path)), m_temp(std::move(other.m_temp)) {
    other.m_temp.clear();
}

void PreparedFile::drop() {
    if (!m_temp.empty())
        ::unlink(m_temp.c_str());
    m_temp.clear();
}

IoResult PreparedFile::prepare(const std::string& path, const std::string& bytes,
                               unsigned newFileMode) {
    drop();
    m_path = path;
    mode_t mode = static_cast<mode_t>(newFileMode);
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
        // A file nobody may write was made read-only on purpose. A rename
        // would replace it regardless of its mode, so it is refused here.
        if ((mode & 0222) == 0)
            return IoResult::failure(IoError::WriteFailed, EACCES, path);
    }

    std::string tmpl = TemporaryFileStem(path) + "XXXXXX";
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
    m_temp = std::move(tmpl);
    return IoResult::success();
}

IoResult PreparedFile::commit() {
    // On failure the temporary file stays until drop() or the destructor.
    if (faultStrikes(FileStep::Rename) || ::rename(m_temp.c_str(), m_path.c_str()) != 0)
        return IoResult::failure(IoError::WriteFailed, errno, m_path);
    m_temp.clear();
    // Make the rename itself durable.
    const int dir = ::open(folderOf(m_path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return IoResult::success();
}

IoResult WriteFileAtomically(const std::string& path, const std::string& bytes,
                             unsigned newFileMode) {
    PreparedFile file;  // a temporary file left unrenamed goes with it
    const IoResult prepared = file.prepare(path, bytes, newFileMode);
    return prepared.ok() ? file.commit() : prepared;
}

std::string TemporaryFileStem(const std::string& path) {
    return path + std::string(kTemporaryMark);
}

IoResult CommitTogether(const std::vector<PreparedFile*>& files, const std::string& intentPath) {
    std::string intent;
    for (const PreparedFile* f : files) {
        if (!f->prepared())
            continue;
        intent += f->temporaryPath() + '\t' + f->path() + '\n';
    }
    if (const IoResult r = WriteFileAtomically(intentPath, intent, 0600); !r.ok())
        return r;  // nothing renamed: the old files stand, the temporaries go
    bool renamedAny = false;
    for (std::size_t i = 0; i < files.size(); ++i) {
        PreparedFile* f = files[i];
        if (!f->prepared())
            continue;
        if (const IoResult r = f->commit(); !r.ok()) {
            if (!renamedAny) {
                ::unlink(intentPath.c_str());  // nothing changed at all
                return r;
            }
            // Half done: the record and the temporaries left stay, and the
            // next run finishes the renames.
            for (std::size_t j = i; j < files.size(); ++j) files[j]->keep();
            return r;
        }
        renamedAny = true;
    }
    faultStrikes(FileStep::Remove);
    ::unlink(intentPath.c_str());
    return IoResult::success();
}

IoResult ReplayIntent(const std::string& intentPath, bool* replayed) {
    if (replayed)
        *replayed = false;
    if (!FileExists(intentPath))
        return IoResult::success();
    std::string text;
    const IoResult read = ReadWholeFile(intentPath, text);
    if (read.error == IoError::NotFound)
        return IoResult::success();
    if (!read.ok())
        return read;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos)
            continue;
        const std::string temp = line.substr(0, tab), target = line.substr(tab + 1);
        // Only our own temporaries beside their file are ever renamed.
        if (temp.rfind(TemporaryFileStem(target), 0) != 0 || !FileExists(temp))
            continue;
        if (::rename(temp.c_str(), target.c_str()) != 0)
            return IoResult::failure(IoError::WriteFailed, errno, target);
        if (replayed)
            *replayed = true;
    }
    ::unlink(intentPath.c_str());
    return IoResult::success();
}

int RemoveStaleTemporaryFiles(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return 0;
    int removed = 0;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name.find(kTemporaryMark) == std::string::npos)
            continue;
        const std::string path = folder + "/" + name;
        if (FileExists(path) && ::unlink(path.c_str()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

void SetFileStepHook(std::function<void(FileStep)> hook) {
    g_stepHook = std::move(hook);
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

FileStamp StampOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return {true,
            static_cast<unsigned long long>(st.st_dev),
            static_cast<unsigned long long>(st.st_ino),
            static_cast<unsigned long long>(st.st_size),
            static_cast<long long>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
            static_cast<long long>(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec};
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
