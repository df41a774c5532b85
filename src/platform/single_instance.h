#pragma once

#include <functional>

#include <QObject>
#include <QString>

class QLocalServer;

namespace tkv::platform {

// One running copy per user and program: the first copy listens on a local
// socket named after its window class; a second copy tells it to come to
// the front and ends.
class SingleInstance final : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& className, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when another copy answered (and was asked to activate itself).
    bool activateRunning();
    // Starts listening; `onActivate` runs when a later copy knocks.
    bool listen(std::function<void()> onActivate);

    // Whether a window of that class (another program of ours) is running.
    static bool isRunning(const QString& className);
    static QString socketName(const QString& className);

private:
    QString m_name;
    QLocalServer* m_server = nullptr;
    std::function<void()> m_onActivate;
};

}  // namespace tkv::platform
