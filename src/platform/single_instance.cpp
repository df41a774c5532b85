#include "platform/single_instance.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

namespace tkv::platform {

QString SingleInstance::socketName(const QString& className) {
    return QString("tokivane-%1-%2").arg(className).arg(::getuid());
}

SingleInstance::SingleInstance(const QString& className, QObject* parent)
    : QObject(parent), m_name(socketName(className)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::isRunning(const QString& className) {
    QLocalSocket socket;
    socket.connectToServer(socketName(className));
    return socket.waitForConnected(300);
}

bool SingleInstance::activateRunning() {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(500))
        return false;
    socket.write("activate\n");
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen(std::function<void()> onActivate) {
    m_onActivate = std::move(onActivate);
    m_server = new QLocalServer(this);
    // A socket left behind by a crashed copy would refuse the name.
    QLocalServer::removeServer(m_name);
    if (!m_server->listen(m_name))
        return false;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (s->readAll().startsWith("activate") && m_onActivate)
                    m_onActivate();
                s->deleteLater();
            });
        }
    });
    return true;
}

}  // namespace tkv::platform
