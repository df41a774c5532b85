#include "mainwindow/month_file_watch.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include "platform/text_convert.h"

namespace tkv {

using platform::ToUtf8;

namespace {

// Long enough for a save's temporary file, sync and rename to be over.
constexpr int kSettleMs = 150;
// How often a change that had to wait for a dialog is offered again.
constexpr int kRetryMs = 500;

}  // namespace

MonthFileWatch::MonthFileWatch(QObject* parent)
    : QObject(parent), m_watcher(new QFileSystemWatcher(this)), m_timer(new QTimer(this)) {
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &MonthFileWatch::settle);
    const auto poke = [this] { m_timer->start(kSettleMs); };
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, poke);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, poke);
}

void MonthFileWatch::watch(const QString& file) {
    m_timer->stop();
    m_retry = false;
    if (const QStringList paths = m_watcher->files() + m_watcher->directories(); !paths.isEmpty())
        m_watcher->removePaths(paths);
    m_file = file;
    m_seen = StampOf(ToUtf8(file));
    rewatch();
}

void MonthFileWatch::retryLater() {
    m_retry = true;
    m_timer->start(kRetryMs);
}

void MonthFileWatch::rewatch() {
    if (m_file.isEmpty())
        return;
    const QString folder = QFileInfo(m_file).absolutePath();
    if (!m_watcher->directories().contains(folder) && QFileInfo(folder).isDir())
        m_watcher->addPath(folder);
    if (!m_watcher->files().contains(m_file) && QFileInfo::exists(m_file))
        m_watcher->addPath(m_file);
}

void MonthFileWatch::settle() {
    rewatch();  // a replaced file is a new one to watch
    const FileStamp now = StampOf(ToUtf8(m_file));
    if (now == m_seen && !m_retry)
        return;
    m_seen = now;
    m_retry = false;
    emit changed();
}

}  // namespace tkv
