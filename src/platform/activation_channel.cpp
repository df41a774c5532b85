#include "platform/activation_channel.h"

#include <QLocalServer>
#include <QLocalSocket>

#include "platform/single_instance.h"

namespace tkv::platform {

QString ActivationChannel::socketPath(const QString& className) {
    const QString folder = SingleInstance::runtimeFolder();
    return folder.isEmpty() ? QString() : folder + "/tokivane-" + className + ".socket";
}

ActivationChannel::ActivationChannel(QObject* parent) : QObject(parent) {}

ActivationChannel::~ActivationChannel() {
    close();
}

bool ActivationChannel::listen(const QString& className, std::function<void()> onActivate) {
    close();
    m_onActivate = std::move(onActivate);
    const QString path = socketPath(className);
    if (path.isEmpty())
        return false;
    m_server = new QLocalServer(this);
    // Whatever sits at the name (a crashed copy's socket, a squatter's file)
    // goes: the folder is ours.
    QLocalServer::removeServer(path);
    if (!m_server->listen(path))
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

void ActivationChannel::close() {
    if (m_server == nullptr)
        return;
    m_server->close();  // removes the socket file
    delete m_server;
    m_server = nullptr;
}

bool ActivationChannel::knock(const QString& className) {
    const QString path = socketPath(className);
    if (path.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(500))
        return false;
    socket.write("activate\n");
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

}  // namespace tkv::platform
