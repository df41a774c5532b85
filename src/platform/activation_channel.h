#pragma once

#include <functional>

#include <QObject>
#include <QString>

class QLocalServer;

namespace tkv::platform {

// How a later copy of the program asks the running one to come to the front:
// the holder of the single-instance name listens on
// "<runtime folder>/tokivane-<class>.socket", a later copy knocks and ends.
class ActivationChannel final : public QObject {
    Q_OBJECT
public:
    explicit ActivationChannel(QObject* parent = nullptr);
    ~ActivationChannel() override;

    // Only while holding the name: any socket found there is a crashed
    // copy's leftover. `onActivate` runs when a later copy knocks.
    bool listen(const QString& className, std::function<void()> onActivate);
    // Stops listening and removes the socket.
    void close();

    // Asks the running copy to come forward; true when it answered.
    static bool knock(const QString& className);
    static QString socketPath(const QString& className);

private:
    QLocalServer* m_server = nullptr;
    std::function<void()> m_onActivate;
};

}  // namespace tkv::platform
