#pragma once

#include <QObject>
#include <QString>

#include "base/atomic_file.h"

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
    void rewatch();
    void settle();

    QFileSystemWatcher* m_watcher;
    QTimer* m_timer;
    QString m_file;
    FileStamp m_seen;
    bool m_retry = false;
};

}  // namespace tkv
