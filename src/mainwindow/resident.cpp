#include "mainwindow/resident.h"

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include "base/paths.h"
#include "mainwindow/app_context.h"
#include "mainwindow/zangyo_main.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"
#include "platform/tray_icon.h"
#include "settings/ui/pass.h"
#include "settings/ui/password_prompt.h"

namespace tkv {

using platform::ToQString;

namespace {

// How long a signal waits at most for open windows to unwind (200 x 10 ms).
constexpr int kUnwindTries = 200;
constexpr int kUnwindStepMs = 10;

}  // namespace

Resident::Resident(AppContext& app, TZangyoMain& main, TPass& prompt, QObject* parent)
    : QObject(parent),
      m_app(app),
      m_main(main),
      m_prompt(prompt),
      m_launch(platform::StartDetached) {
    m_main.installEventFilter(this);
    connect(&m_main, &TZangyoMain::closed, this, &Resident::mainClosed);
}

Resident::~Resident() {
    m_main.removeEventFilter(this);
}

void Resident::setTrayIcon(platform::TrayIcon* tray) {
    if (m_tray)
        m_tray->disconnect(this);
    m_tray = tray;
    if (m_tray == nullptr)
        return;
    m_tray->setShown(false);  // inactive until the program goes to the tray
    m_tray->setExitEnabled(!m_timeAdjustOpen);
    connect(m_tray, &platform::TrayIcon::openRequested, this, &Resident::OpenFromTray);
    connect(m_tray, &platform::TrayIcon::clicked, this, [this] {
        if (m_promptOpen) {
            m_prompt.raise();
            m_prompt.activateWindow();
        }
    });
    connect(m_tray, &platform::TrayIcon::exitRequested, this, [this] { m_main.close(); });
}

void Resident::setTimeAdjustOpen(bool open) {
    m_timeAdjustOpen = open;
    if (m_tray)
        m_tray->setExitEnabled(!open);
}

void Resident::setTrayImage() {
    if (m_tray)
        m_tray->setImage(static_cast<int>(m_app.settings.IconSelect));
}

void Resident::minimiseProgram() {
    m_minimising = true;
    m_main.showMinimized();
    m_minimising = false;
}

void Resident::escapeAction() {
    // The start user's choice, whoever's data is open.
    if (m_ending || m_inTray || !m_app.store->startUserCopies().EscKeyMin)
        return;
    setTrayImage();
    minimiseProgram();
    GoToTray();
}

void Resident::startUp() {
    if (DisplaySwitch(m_app.args) || DownSwitch(m_app.args) || m_app.settings.StartAutoMinimize)
        QTimer::singleShot(1, this, &Resident::MinimizeTimerTimer);
}

void Resident::MinimizeTimerTimer() {
    if (m_ending)
        return;
    const bool display = DisplaySwitch(m_app.args);
    const bool down = DownSwitch(m_app.args);
    m_noIdleToolNow = display || down;
    minimiseProgram();
    setTrayImage();
    GoToTray();
    m_noIdleToolNow = false;
    if (display)
        OpenFromTray();
    if (down)
        m_main.close();
}

bool Resident::launchIdleTool() {
    const CommandLine command =
        IdleToolCommand(m_programFolder, static_cast<int>(m_app.settings.IconSelect),
                        m_app.multiUser, m_app.startUser);
    return m_launch && m_launch(command);
}

void Resident::GoToTray() {
    if (m_ending)
        return;
    if (!m_noIdleToolNow && m_app.settings.IdleProcess) {
        if (launchIdleTool()) {
            m_idleToolStarted = true;
            m_main.setAttendance(Attendance::HandOver);
            m_main.close();
            return;
        }
        platform::ShowMessage(nullptr, "起動ｴﾗｰ", "drowselの起動に失敗しました。", QMessageBox::Ok,
                              QMessageBox::Critical);
    }
    m_inTray = true;
    if (m_tray == nullptr)
        return;  // the minimised window keeps its taskbar entry: it can never be lost
    hideWindows();
    m_tray->setShown(true);
}

// The main window leaves the taskbar. A dialog that waits in its own loop
// would end if it were hidden, so the other windows are only minimised and
// come back with the main window.
void Resident::hideWindows() {
    m_minimised.clear();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == &m_main || !w->isVisible() || w->windowType() == Qt::Popup ||
            w->windowType() == Qt::ToolTip)
            continue;
        m_minimised.emplace_back(w);
        w->setWindowState(w->windowState() | Qt::WindowMinimized);
    }
    m_main.hide();
}

bool Resident::passwordOnRestore() const {
    const StartUserCopies& copies = m_app.store->startUserCopies();
    return !copies.password.empty() && copies.ReOpenPassIn;
}

void Resident::OpenFromTray() {
    if (m_ending || m_promptOpen)
        return;
    if (passwordOnRestore()) {
        m_promptOpen = true;
        const bool accepted =
            AskPassword(nullptr, m_prompt, ToQString(m_app.store->startUserCopies().password));
        m_promptOpen = false;
        if (!accepted || m_ending)
            return;  // stays in the tray
    }
    restoreProgram();
}

void Resident::restoreProgram() {
    m_inTray = false;
    if (m_tray)
        m_tray->setShown(false);
    // Back as it was before (a maximised window stays maximised).
    m_main.setWindowState(m_main.windowState() & ~Qt::WindowMinimized);
    m_main.show();
    for (const QPointer<QWidget>& w : m_minimised) {
        if (w && w->isVisible())
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    }
    m_minimised.clear();
    m_main.raise();
    m_main.activateWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void Resident::activate() {
    if (m_ending)
        return;
    if (m_inTray) {
        OpenFromTray();
        return;
    }
    if (m_main.isMinimized())
        m_main.showNormal();
    m_main.raise();
    m_main.activateWindow();
}

bool Resident::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_main)
        return false;
    if (event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        const bool was = change->oldState().testFlag(Qt::WindowMinimized);
        const bool now = m_main.windowState().testFlag(Qt::WindowMinimized);
        if (now && !was && !m_minimising && !m_ending && !m_inTray) {
            // The window's own minimise command; after the event, so the
            // window is not hidden or closed inside its own state change.
            QTimer::singleShot(0, this, [this] {
                if (m_main.isMinimized() && !m_inTray) {
                    setTrayImage();
                    GoToTray();
                }
            });
        } else if (was && !now && m_inTray && m_tray == nullptr) {
            // Restored from the taskbar, which stands in for the tray: the
            // tray's password rule still holds.
            if (passwordOnRestore()) {
                QTimer::singleShot(0, this, [this] {
                    minimiseProgram();
                    OpenFromTray();
                });
            } else {
                m_inTray = false;
            }
        }
    } else if (event->type() == QEvent::Show && m_tray && m_tray->isShown()) {
        // Visible again: the tray icon goes.
        m_tray->setShown(false);
        m_inTray = false;
    }
    return false;
}

bool Resident::sessionMayEnd(bool personPresent) {
    if (m_ending)
        return true;
    if (m_timeAdjustOpen) {
        // Someone is entering a time: show it and keep the session.
        restoreProgram();
        return false;
    }
    const Attendance before = m_main.attendance();
    const bool messagesBefore = platform::MessagesUnattended();
    if (!personPresent) {
        m_main.setAttendance(Attendance::Nobody);
        platform::SetMessagesUnattended(true);
    }
    bool mayEnd = true;
    const AutoTimeMode mode = KnownAutoTimeMode(m_app.settings.EndAutoIn);
    if (mode == AutoTimeMode::None) {
        // A "キャンセル" in the save question keeps the session, so the
        // edits are not lost when the session ends anyway.
        mayEnd = m_main.close();
    } else if (m_main.month().hasUnsavedChanges() && !m_main.saveShownMonth()) {
        // The automatic input reloads the month: unsaved edits go first,
        // and while they cannot be saved the session is kept.
        mayEnd = false;
    } else {
        m_main.AutoTimeInput(AutoTimeWhich::Leaving, mode);
    }
    m_main.setAttendance(before);
    platform::SetMessagesUnattended(messagesBefore);
    return mayEnd;
}

void Resident::terminate() {
    if (m_ending)
        return;
    m_ending = true;
    platform::SetMessagesUnattended(true);
    // After the hand-over the idle tool records the leaving time.
    if (!m_idleToolStarted)
        m_main.setAttendance(Attendance::Nobody);
    finishTermination();
}

// Windows that wait in loops of their own are taken as cancelled; the main
// window closes only once those loops have returned, so no code that still
// waits for them runs after the program has ended.
bool Resident::closeOpenWindows() {
    bool open = QThread::currentThread()->loopLevel() > m_baseLoopLevel;
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        open = true;
    }
    for (int guard = 0; guard < 20; ++guard) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr)
            break;
        open = true;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    }
    return open;
}

void Resident::finishTermination() {
    if (closeOpenWindows() && ++m_unwindTries < kUnwindTries) {
        QTimer::singleShot(kUnwindStepMs, this, &Resident::finishTermination);
        return;
    }
    // Saves the month, writes the leaving time with EndAutoIn 1 or 2 and
    // keeps the window placement; a month that cannot be saved is reported
    // on the standard error output.
    const bool closed = m_main.close();
    emit ended(closed ? 0 : 1);
}

void Resident::mainClosed() {
    if (!m_ending)
        emit ended(0);
}

}  // namespace tkv
