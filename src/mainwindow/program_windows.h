#pragma once

#include <memory>

namespace tkv {

struct AppContext;
class MainServices;
class Resident;
class UserMenu;
class TJump;
class TKyoteiCheck;
class TPass;
class TPassChangeForm;
class TPreviewForm;
class TSetting;
class TTimeAdjust;
class TTimeSet;
class TTokuSyukeiForm;
class TTotal;
class TUseMemoSetForm;
class TUseTimeSetForm;
class TYearTotal;
class TYuuKyu;
class TZangyoMain;
namespace platform {
class TrayIcon;
class TWaitingForm;
}  // namespace platform
namespace help {
class HelpController;
class TAboutBox;
}  // namespace help

// Every window of the program, created once and hidden, in a fixed order:
// the main window first (it restores its placement and reads the settings
// it needs), then the dialogs over it. They live until the program ends.
class ProgramWindows {
public:
    explicit ProgramWindows(AppContext& app);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    TZangyoMain& main() const { return *m_main; }
    TPass& pass() const { return *m_pass; }
    TTotal& total() const { return *m_total; }
    TTimeSet& timeSet() const { return *m_timeSet; }
    TJump& jump() const { return *m_jump; }
    TTimeAdjust& timeAdjust() const { return *m_timeAdjust; }
    TPassChangeForm& passChange() const { return *m_passChange; }
    TUseTimeSetForm& useTimes() const { return *m_useTimes; }
    TUseMemoSetForm& useMemos() const { return *m_useMemos; }
    platform::TWaitingForm& waiting() const { return *m_waiting; }
    help::TAboutBox& about() const { return *m_about; }
    help::HelpController& help() const { return *m_help; }
    MainServices& services() const { return *m_services; }
    TPreviewForm& preview() const { return *m_preview; }
    TYearTotal& yearTotal() const { return *m_yearTotal; }
    TSetting& setting() const { return *m_setting; }
    TYuuKyu& yuuKyu() const { return *m_yuuKyu; }
    TTokuSyukeiForm& span() const { return *m_span; }
    TKyoteiCheck& kyoteiCheck() const { return *m_kyoteiCheck; }
    Resident& resident() const { return *m_resident; }
    // The menu "切り替え(&C)"; nullptr unless the program was started with /M.
    UserMenu* users() const { return m_users; }

private:
    void saveSettings();

    AppContext& m_app;
    std::unique_ptr<TZangyoMain> m_main;
    // Children of the main window: Qt deletes them with it.
    TPass* m_pass = nullptr;
    TTotal* m_total = nullptr;
    TTimeSet* m_timeSet = nullptr;
    TJump* m_jump = nullptr;
    TTimeAdjust* m_timeAdjust = nullptr;
    TPassChangeForm* m_passChange = nullptr;
    TUseTimeSetForm* m_useTimes = nullptr;
    TUseMemoSetForm* m_useMemos = nullptr;
    platform::TWaitingForm* m_waiting = nullptr;
    TSetting* m_setting = nullptr;
    TTokuSyukeiForm* m_span = nullptr;
    TKyoteiCheck* m_kyoteiCheck = nullptr;
    help::TAboutBox* m_about = nullptr;
    help::HelpController* m_help = nullptr;  // a child of the main window too
    std::unique_ptr<MainServices> m_services;
    // A window of its own: disabling the main window must not disable it.
    std::unique_ptr<TPreviewForm> m_preview;
    // Also a window of its own: the main window is disabled while it is shown.
    std::unique_ptr<TYearTotal> m_yearTotal;
    // The paid-leave window likewise.
    std::unique_ptr<TYuuKyu> m_yuuKyu;
    std::unique_ptr<platform::TrayIcon> m_tray;  // none without a notification area
    std::unique_ptr<Resident> m_resident;
    UserMenu* m_users = nullptr;  // a child of its menu
};

// The start-up password: asked unless a tray switch (/Disp, /Down) was
// given, no password is set or the user chose to skip it. False: the program
// ends without showing its window.
bool PassStartGate(const AppContext& app, TPass& prompt);

}  // namespace tkv
