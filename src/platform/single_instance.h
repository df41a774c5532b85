#pragma once

#include <QString>

namespace tkv::platform {

// One running copy per user and program. The name is taken atomically with an
// flock on "<runtime folder>/tokivane-<class>.lock", which the kernel lets go
// when the process ends however it ends, so a crashed copy never blocks the
// next. (The idle tool uses this alone; the desktop program also listens for
// later copies through an ActivationChannel.)
class SingleInstance final {
public:
    explicit SingleInstance(QString className);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the name; false while another process holds it.
    bool take();
    // Gives the name up: a program started next finds it free.
    void release();
    bool isHeld() const { return m_lockFd >= 0; }

    // Whether a process holds the name of `className` now (this one included).
    static bool isTaken(const QString& className);
    // $XDG_RUNTIME_DIR, or a private folder of ours (0700) in the temporary
    // folder when it is not set, or in the user's cache when someone else
    // holds that name; empty when there is no private folder at all.
    static QString runtimeFolder();
    // Empty without a runtime folder.
    static QString lockPath(const QString& className);

private:
    QString m_className;
    int m_lockFd = -1;
};

// Without $XDG_RUNTIME_DIR, points it at our own private folder (see
// runtimeFolder), so that neither Qt nor we warn about it at every start.
// Call first in main(), before the application object looks for it.
void ProvideRuntimeFolder();

}  // namespace tkv::platform
