#include "platform/single_instance.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

namespace tkv::platform {
namespace {

// The descriptor must not leak into programs we start: they would hold the
// name after we let it go.
int openLockFile(const QString& path, int flags) {
    return ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0600);
}

// A folder for the names that nobody else can have laid out: made 0700 when
// missing, taken only when it is a real folder (no link) of this user that
// nobody else can enter.
QString OwnFolder(const QString& dir) {
    const QByteArray path = QFile::encodeName(dir);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() ||
        (st.st_mode & 077) != 0)
        return {};
    return dir;
}

// Without a session's runtime folder (cron, su, a bare container) Qt would
// warn at every start and fall back to a folder of its own; ours is the same
// kind of folder, used silently, in the temporary folder. When someone else
// took that name first, a folder in the user's own cache stands in: the
// shared temporary folder itself is never used.
QString privateRuntimeFolder() {
    if (QString own =
            OwnFolder(QDir::tempPath() + "/tokivane-runtime-" + QString::number(::getuid()));
        !own.isEmpty())
        return own;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty() || !QDir().mkpath(cache))
        return {};
    return OwnFolder(cache + "/tokivane-runtime");
}

// A name file in the runtime folder that this program did not make (a link,
// a folder, a file of another user) is a squatter's: it is neither trusted
// nor kept. The folder is ours, so it can always be removed.
bool IsOurFile(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid();
}

}  // namespace

void ProvideRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    if (const QString own = privateRuntimeFolder(); !own.isEmpty())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(own));
}

QString SingleInstance::runtimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // Qt checks the session's folder (its owner and mode).
        if (QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
            !dir.isEmpty())
            return dir;
    }
    return privateRuntimeFolder();
}

QString SingleInstance::lockPath(const QString& className) {
    const QString folder = runtimeFolder();
    return folder.isEmpty() ? QString() : folder + "/tokivane-" + className + ".lock";
}

SingleInstance::SingleInstance(QString className) : m_className(std::move(className)) {}

SingleInstance::~SingleInstance() {
    release();
}

bool SingleInstance::take() {
    if (isHeld())
        return true;
    const QString path = lockPath(m_className);
    if (path.isEmpty())
        return true;  // no private folder at all: better a second copy than none
    int fd = openLockFile(path, O_RDWR | O_CREAT | O_NOFOLLOW);
    if (fd < 0 || !IsOurFile(fd)) {
        if (fd >= 0)
            ::close(fd);
        const QByteArray name = QFile::encodeName(path);
        struct stat st {};
        if (::lstat(name.constData(), &st) == 0 &&
            !(S_ISREG(st.st_mode) && st.st_uid == ::getuid()))
            ::unlink(name.constData());
        // Another copy may have made it meanwhile: that one is fine.
        fd = openLockFile(path, O_RDWR | O_CREAT | O_NOFOLLOW);
        if (fd >= 0 && !IsOurFile(fd)) {
            ::close(fd);
            fd = -1;
        }
        if (fd < 0)
            return true;  // better a second copy than none
    }
    // A copy that only looks (isTaken) holds the lock for a moment; wait that out.
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            m_lockFd = fd;
            return true;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            break;
        QThread::msleep(10);
    }
    ::close(fd);
    return false;
}

void SingleInstance::release() {
    if (m_lockFd >= 0) {
        ::close(m_lockFd);  // closing the only descriptor lets the lock go
        m_lockFd = -1;
    }
}

bool SingleInstance::isTaken(const QString& className) {
    const QString path = lockPath(className);
    if (path.isEmpty())
        return false;
    const int fd = openLockFile(path, O_RDONLY | O_NOFOLLOW);
    if (fd < 0)
        return false;
    // Only a copy of ours counts: a squatter's lock must not turn us away.
    const bool taken = IsOurFile(fd) && ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return taken;
}

}  // namespace tkv::platform
