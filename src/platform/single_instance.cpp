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

// Without a session's runtime folder (cron, su, a bare container) Qt would
// warn at every start and fall back to a folder of its own; ours is the same
// kind of folder, used silently: made 0700 in the temporary folder and taken
// only when it is a real folder of this user that nobody else can enter.
QString privateRuntimeFolder() {
    const QString dir = QDir::tempPath() + "/tokivane-runtime-" + QString::number(::getuid());
    const QByteArray path = QFile::encodeName(dir);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() ||
        (st.st_mode & 077) != 0)
        return {};
    return dir;
}

}  // namespace

void ProvideRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    if (const QString own = privateRuntimeFolder(); !own.isEmpty())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(own));
}

QString SingleInstance::runtimeFolder() {
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        if (QString own = privateRuntimeFolder(); !own.isEmpty())
            return own;
    }
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir;
}

QString SingleInstance::lockPath(const QString& className) {
    return runtimeFolder() + "/tokivane-" + className + ".lock";
}

SingleInstance::SingleInstance(QString className) : m_className(std::move(className)) {}

SingleInstance::~SingleInstance() {
    release();
}

bool SingleInstance::take() {
    if (isHeld())
        return true;
    const int fd = openLockFile(lockPath(m_className), O_RDWR | O_CREAT);
    if (fd < 0)
        return true;  // no runtime folder: better a second copy than none at all
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
    const int fd = openLockFile(lockPath(className), O_RDONLY);
    if (fd < 0)
        return false;
    const bool taken = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return taken;
}

}  // namespace tkv::platform
