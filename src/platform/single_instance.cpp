#include "platform/single_instance.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace tkv::platform {
namespace {

// The descriptor must not leak into programs we start: they would hold the
// name after we let it go.
int openLockFile(const QString& path, int flags) {
    return ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0600);
}

}  // namespace

QString SingleInstance::runtimeFolder() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir;
}

QString SingleInstance::lockPath(const QString& className) {
    return runtimeFolder() + "/tokivane-" + className + ".lock";
}

QString SingleInstance::socketPath(const QString& className) {
    return runtimeFolder() + "/tokivane-" + className + ".socket";
}

SingleInstance::SingleInstance(const QString& className, QObject* parent)
    : QObject(parent), m_className(className) {}

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
    if (m_server) {
        m_server->close();  // removes the socket file
        delete m_server;
        m_server = nullptr;
    }
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

bool SingleInstance::activateRunning() {
    QLocalSocket socket;
    socket.connectToServer(socketPath(m_className));
    if (!socket.waitForConnected(500))
        return false;
    socket.write("activate\n");
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen(std::function<void()> onActivate) {
    if (!isHeld())
        return false;
    m_onActivate = std::move(onActivate);
    m_server = new QLocalServer(this);
    // Holding the lock, any socket there is a crashed copy's leftover.
    QLocalServer::removeServer(socketPath(m_className));
    if (!m_server->listen(socketPath(m_className)))
        return false;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (s->readAll().startsWith("activate") && m_onActivate)
                    m_onActivate();
                s->deleteLater();
            });
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        }
    });
    return true;
}

}  // namespace tkv::platform
