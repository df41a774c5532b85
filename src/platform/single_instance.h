#pragma once

#include <functional>

#include <QObject>
#include <QString>

class QLocalServer;

namespace tkv::platform {

// One running copy per user and program. The name is taken atomically with an
// flock on "<runtime folder>/tokivane-<class>.lock", which the kernel lets go
// when the process ends however it ends, so a crashed copy never blocks the
// next. The holder also listens on "tokivane-<class>.socket" beside it, so a
// later copy can ask it to come to the front.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& className, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the name; false while another process holds it.
    bool take();
    // Gives the name up, socket and all: a program started next finds it free.
    void release();
    bool isHeld() const { return m_lockFd >= 0; }

    // Asks the holder to come to the front; true when it answered.
    bool activateRunning();
    // Starts listening (the name must be held); `onActivate` runs when a later
    // copy knocks.
    bool listen(std::function<void()> onActivate);

    // Whether a process holds the name of `className` now (this one included).
    static bool isTaken(const QString& className);
    // $XDG_RUNTIME_DIR, or a private folder of Qt's (0700) when it is not set.
    static QString runtimeFolder();
    static QString lockPath(const QString& className);
    static QString socketPath(const QString& className);

private:
    QString m_className;
    int m_lockFd = -1;
    QLocalServer* m_server = nullptr;
    std::function<void()> m_onActivate;
};

}  // namespace tkv::platform
