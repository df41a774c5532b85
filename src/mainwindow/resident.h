#pragma once

#include <functional>
#include <vector>

#include <QObject>
#include <QPointer>

#include "platform/process.h"

class QWidget;

namespace tkv {

struct AppContext;
class TPass;
class TZangyoMain;
namespace platform {
class TrayIcon;
}

// The program staying resident all day: into the notification area and back,
// the hand-over to the idle tool, the start-up switches /Disp and /Down, the
// session end and the end on a signal. Without a notification area "the
// tray" is the ordinary minimised window, which keeps its taskbar entry.
//
//   normal --minimise, Esc (EscKeyMin), start-up timer--> in the tray
//   in the tray --OpenFromTray (start-user password)--> normal
//   either --IdleProcess on--> idle tool started, the program ends
class Resident final : public QObject {
    Q_OBJECT
public:
    Resident(AppContext& app, TZangyoMain& main, TPass& prompt, QObject* parent = nullptr);
    ~Resident() override;

    // nullptr: the desktop has no notification area.
    void setTrayIcon(platform::TrayIcon* tray);
    platform::TrayIcon* trayIcon() const { return m_tray; }
    void setLauncher(platform::ProcessLauncher launcher) { m_launch = std::move(launcher); }
    // The folder of the idle tool: the program's own.
    void setProgramFolder(std::string folder) { m_programFolder = std::move(folder); }
    // The event-loop depth at which no window waits in a loop of its own: 1
    // once the program's loop runs (0 before it and in tests).
    void setBaseLoopLevel(int level) { m_baseLoopLevel = level; }
    // The time-adjust window opens (true) or closes (false); the tray's
    // "終了(&X)" is greyed while it is open.
    void setTimeAdjustOpen(bool open);

    // Ways in: the Esc action of the main window and of the dialogs, and
    // the start-up timer (armed after the first show when /Disp, /Down or
    // StartAutoMinimize asks for it).
    void escapeAction();
    void startUp();
    void MinimizeTimerTimer();
    // The common end of every minimise: the idle tool, or the tray.
    void GoToTray();

    // Ways out: "開く(&O)" and the double click; a later start of the program.
    void OpenFromTray();
    void activate();

    // A session manager asks whether the session may end; `personPresent`
    // when it lets us ask questions. False: keep the session.
    bool sessionMayEnd(bool personPresent);
    // SIGTERM or SIGHUP: nothing is asked and nothing is waited for.
    void terminate();

    bool inTray() const { return m_inTray; }
    bool idleToolStarted() const { return m_idleToolStarted; }
    bool passwordPromptOpen() const { return m_promptOpen; }
    bool ending() const { return m_ending; }

signals:
    // The program is over: leave the event loop with this status.
    void ended(int exitCode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setTrayImage();
    void minimiseProgram();
    void hideWindows();
    void restoreProgram();
    bool launchIdleTool();
    bool passwordOnRestore() const;
    bool closeOpenWindows();
    void finishTermination();
    void mainClosed();

    AppContext& m_app;
    TZangyoMain& m_main;
    TPass& m_prompt;
    platform::TrayIcon* m_tray = nullptr;
    platform::ProcessLauncher m_launch;
    std::string m_programFolder;
    int m_baseLoopLevel = 0;

    // The run flags.
    bool m_idleToolStarted = false;  // launched; the program is closing for it
    bool m_minimising = false;       // our own minimise (start-up timer, Esc)
    bool m_noIdleToolNow = false;    // this minimise must not launch the idle tool
    bool m_promptOpen = false;       // the tray-restore password prompt is showing

    bool m_inTray = false;
    bool m_timeAdjustOpen = false;
    bool m_ending = false;  // a signal came: everything runs towards the end
    int m_unwindTries = 0;
    // Windows other than the main one that went out of sight with it.
    std::vector<QPointer<QWidget>> m_minimised;
};

}  // namespace tkv
