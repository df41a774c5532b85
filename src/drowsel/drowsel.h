#pragma once

#include <string>
#include <vector>

#include <QWidget>

#include "platform/process.h"

class QPushButton;

namespace tkv {

namespace platform {
class SingleInstance;
class TrayIcon;
}  // namespace platform

// Where there is no notification area, the idle tool shows this small window
// with the two commands of its tray menu. Closing it is "終了".
class TDrowselForm final : public QWidget {
    Q_OBJECT
public:
    explicit TDrowselForm(int iconSelect, QWidget* parent = nullptr);

signals:
    void openClicked();
    void exitClicked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool m_closingForExit = false;
};

// The idle tool: it stands in for the desktop program while that is closed,
// with a tray icon (or the window above) and two commands. "開く" starts
// `tokivane /Disp`; "終了", the end of the session and SIGTERM start
// `tokivane /Down`, which records the leaving time. Both carry the user switch
// the tool was started with. The desktop program does not start while the
// name TDrowselForm is held, so the tool gives it up before it starts the
// program, and takes it back when the start failed.
class Drowsel final : public QObject {
    Q_OBJECT
public:
    // `args`: the command line without the program name ("/Idle N", "/M",
    // "/U:name"); `programFolder`: where tokivane lies, our own folder.
    Drowsel(std::vector<std::string> args, std::string programFolder,
            platform::SingleInstance& name, QObject* parent = nullptr);
    ~Drowsel() override;

    // nullptr: the desktop has no notification area; the window is shown.
    void setTrayIcon(platform::TrayIcon* tray);
    void setLauncher(platform::ProcessLauncher launcher) { m_launch = std::move(launcher); }

    void show();
    void open();
    // `person`: someone chose "終了" and can read a failure; not so at the
    // end of the session or on a signal.
    void exit(bool person);

    int iconSelect() const { return m_iconSelect; }
    TDrowselForm* window() const { return m_window; }

signals:
    void ended();

private:
    bool start(const char* startSwitch, bool person);

    std::vector<std::string> m_args;
    std::string m_programFolder;
    platform::SingleInstance& m_name;
    platform::ProcessLauncher m_launch;
    platform::TrayIcon* m_tray = nullptr;
    TDrowselForm* m_window = nullptr;
    int m_iconSelect = 0;
    bool m_ended = false;
};

}  // namespace tkv
