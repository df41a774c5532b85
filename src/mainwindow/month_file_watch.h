#pragma once

#include <QObject>
#include <QString>

class QFileSystemWatcher;
class QTimer;

namespace tkv {

// Tells when the file of the shown month changed on disk: written in place,
// replaced by a rename (as every save does), created or removed. The folder
// is watched beside the file, because a rename over the file ends the watch
// on the old one and a file that does not exist yet cannot be watched at
// all. A burst of events comes as one signal once it has settled, and only
// when the file really differs from what was seen last (another file of the
// folder changing says nothing).
class MonthFileWatch final : public QObject {
    Q_OBJECT
public:
    explicit MonthFileWatch(QObject* parent = nullptr);

    // Watches `file` from now on, as it is now; empty watches nothing.
    void watch(const QString& file);
    // The last signal could not be acted on (a dialog was open): it comes
    // again a moment later.
    void retryLater();

signals:
    void changed();

private:
    // What tells one state of the file from another without reading it.
    struct Stamp {
        bool exists = false;
        unsigned long long device = 0, inode = 0;
        long long size = 0, modifiedNs = 0, changedNs = 0;
        bool operator==(const Stamp&) const = default;
    };
    static Stamp stampOf(const QString& file);
    void rewatch();
    void settle();

    QFileSystemWatcher* m_watcher;
    QTimer* m_timer;
    QString m_file;
    Stamp m_seen;
    bool m_retry = false;
};

}  // namespace tkv
