#pragma once

#include <QObject>

class QSessionManager;
class QSocketNotifier;

namespace tkv::platform {

// The end of the user's session, in its two forms: a session manager asking
// whether the session may end (it can be told no), and SIGTERM or SIGHUP
// (a logout that stops the session's processes, `systemctl stop`, a closed
// terminal), which cannot be refused. A signal handler may do next to
// nothing, so it only writes the signal's number into a pipe; the event loop
// reads it and the slots run like those of any other event. One watcher at a
// time; the default handling comes back when it is destroyed.
class SessionEndWatcher final : public QObject {
    Q_OBJECT
public:
    explicit SessionEndWatcher(QObject* parent = nullptr);
    ~SessionEndWatcher() override;

signals:
    // Answer with manager.cancel() to keep the session from ending.
    void sessionEndQuery(QSessionManager& manager);
    void terminated(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};

}  // namespace tkv::platform
