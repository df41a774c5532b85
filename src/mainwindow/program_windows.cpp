#include "mainwindow/program_windows.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

#include "base/paths.h"
#include "core/calendar.h"
#include "help/about_box.h"
#include "help/help_controller.h"
#include "help/help_guide.h"
#include "leave/ui/yuu_kyu.h"
#include "mainwindow/app_context.h"
#include "mainwindow/jump.h"
#include "mainwindow/main_services.h"
#include "mainwindow/resident.h"
#include "mainwindow/t_total.h"
#include "mainwindow/users.h"
#include "mainwindow/zangyo_main.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"
#include "platform/tray_icon.h"
#include "platform/waiting_form.h"
#include "platform/window_fit.h"
#include "reports/ui/overtime_limits_window.h"
#include "reports/ui/preview_form.h"
#include "reports/ui/toku_syukei_form.h"
#include "reports/ui/year_total.h"
#include "session/month_session.h"
#include "settings/ui/pass.h"
#include "settings/ui/pass_change_form.h"
#include "settings/ui/password_prompt.h"
#include "settings/ui/setting_dialog.h"
#include "settings/ui/time_adjust.h"
#include "settings/ui/time_set.h"
#include "settings/ui/use_memo_set_form.h"
#include "settings/ui/use_time_set_form.h"
#include "settings/window_placement.h"

namespace tkv {
namespace {

help::AboutFacts aboutFacts(const AppContext& app) {
    return {platform::ToQString(app.paths().folder()), platform::ToQString(app.settingsFile),
            platform::ToQString(UserRegKey(app.currentUser))};
}

}  // namespace

ProgramWindows::ProgramWindows(AppContext& app) : m_app(app) {
    m_main = std::make_unique<TZangyoMain>(app);
    TZangyoMain* main = m_main.get();
    auto escape = [this] { m_resident->escapeAction(); };

    m_pass = new TPass(main);
    m_total = new TTotal(main);
    m_total->setEscapeAction(escape);
    m_about = new help::TAboutBox([&app] { return aboutFacts(app); }, main);
    m_timeSet = new TTimeSet(main);
    m_timeSet->setEscapeAction(escape);
    m_jump = new TJump(main);
    m_jump->setEscapeAction(escape);
    m_timeAdjust = new TTimeAdjust(app.settings, main);
    m_timeAdjust->setEscapeAction(escape);
    m_passChange = new TPassChangeForm(main);
    m_useTimes = new TUseTimeSetForm(
        app.settings, [this] { saveSettings(); }, main);
    m_useMemos = new TUseMemoSetForm(
        app.settings, [this] { saveSettings(); }, main);
    m_waiting = new platform::TWaitingForm(main);
    m_kyoteiCheck = new TKyoteiCheck(main);
    m_kyoteiCheck->setEscapeAction(escape);
    SettingDialogContext setting;
    setting.settings = &app.settings;
    setting.store = app.store.get();
    setting.holidays = &app.holidays;
    setting.dataDir = app.dataDir;
    setting.waiting = m_waiting;
    setting.passChange = m_passChange;
    setting.escape = escape;
    m_setting = new TSetting(std::move(setting), main);
    // Made once, so it keeps the span last chosen for the whole run.
    m_span = new TTokuSyukeiForm(*app.clock, main);
    m_span->setEscapeAction(escape);
    m_preview = std::make_unique<TPreviewForm>();
    m_preview->setEscapeAction(escape);
    m_preview->setPlacementStore(app.registry.get(), app.startUser,
                                 app.store->startUserCopies().WindowSize);
    m_help = new help::HelpController(
        main, help::HelpGuideCandidates(QCoreApplication::applicationDirPath()));
    QObject::connect(main, &TZangyoMain::helpRequested, m_help,
                     &help::HelpController::showContents);
    QObject::connect(main, &TZangyoMain::aboutRequested, m_about, &QDialog::exec);
    QObject::connect(main, &TZangyoMain::closed, m_help, &help::HelpController::closeViewer);

    YearTotalContext period;
    period.settings = &app.settings;
    period.store = app.store.get();
    period.registry = app.registry.get();
    period.startUser = app.startUser;
    period.clock = app.clock.get();
    // The user whose data is open when the totals are taken.
    period.monthPath = [&app](YearMonth ym) { return app.paths().monthFile(ym); };
    period.preview = m_preview.get();
    period.waiting = m_waiting;
    period.mainWindow = main;
    period.openMonth = [main](YearMonth ym) { return main->JumpToMonth(ym); };
    period.escape = escape;
    m_yearTotal = std::make_unique<TYearTotal>(std::move(period));

    YuuKyuContext leave;
    leave.settings = &app.settings;
    leave.store = app.store.get();
    leave.registry = app.registry.get();
    leave.startUser = app.startUser;
    leave.restoreSize = app.store->startUserCopies().WindowSize;
    leave.clock = app.clock.get();
    // The user whose data is open when the window is used.
    leave.paths = [&app] { return app.paths(); };
    leave.preview = m_preview.get();
    leave.mainWindow = main;
    leave.confirmMonthSave = [main] { return main->ConfirmMonthSave(); };
    leave.showDay = [main](const MonthDayRow& day) { main->ShowLedgerDay(day.month, day.row); };
    leave.modifiers = [this] { return m_services->keyboardModifiers(); };
    leave.escape = escape;
    leave.closed = [main] { main->RefreshLeaveIndicator(); };
    m_yuuKyu = std::make_unique<TYuuKyu>(std::move(leave));

    // The go-to-month dialog starts on the month of the day the program was
    // started, centred over the main window as it stands now; so does the
    // hand-entry dialog.
    const YearMonth current = AccountingMonthNow(*app.clock, app.settings.SimeDay);
    m_jump->setMonth(current.year, current.month);
    m_jump->placeAtCentreOf(main->frameGeometry());
    m_timeSet->placeAtCentreOf(main->frameGeometry());

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
    m_total->adjustSize();
    const WindowPoint at = WindowPlacementStore(*app.registry, app.startUser)
                               .restorePosition("TTotal", {desktop.width(), desktop.height()},
                                                {m_total->width(), m_total->height()});
    m_total->move(at.left, at.top);
    platform::KeepOnScreen(*m_total);

    m_services = std::make_unique<MainServices>(
        main, MainServices::Dialogs{m_timeAdjust, m_timeSet, m_useTimes, m_useMemos}, escape);
    main->setGridServices(m_services.get());
    main->setDialogs({m_pass, m_total, m_jump, m_preview.get(), m_yearTotal.get(), m_setting,
                      m_yuuKyu.get(), m_span, m_kyoteiCheck});

    m_tray = platform::MakeSystemTrayIcon();
    m_resident = std::make_unique<Resident>(app, *main, *m_pass);
    m_resident->setTrayIcon(m_tray.get());
    m_resident->setProgramFolder(platform::ToUtf8(QCoreApplication::applicationDirPath()));
    m_timeAdjust->setExitCommandEnabler(
        [this](bool enabled) { m_resident->setTimeAdjustOpen(!enabled); });
    if (app.multiUser) {
        if (auto* menu = main->findChild<QMenu*>("MultiUserMenu"))
            m_users = new UserMenu(app, *main, *menu, m_total);
    }
}

ProgramWindows::~ProgramWindows() {
    m_help->closeViewer();
    m_resident.reset();
    // The grid keeps a pointer to the services: the window goes first.
    m_main.reset();
    m_preview.reset();
    m_yearTotal.reset();
    m_yuuKyu.reset();
}

void ProgramWindows::saveSettings() {
    const SettingsSaveResult r = m_app.store->SaveSettings(m_app.settings);
    for (const IoResult* io : {&r.registry, &r.setFile}) {
        if (io->ok())
            continue;
        platform::ShowMessage(m_main.get(), "設定エラー",
                              "設定を保存できませんでした。\n" + platform::ToQString(io->path),
                              QMessageBox::Ok, QMessageBox::Warning);
    }
}

bool PassStartGate(const AppContext& app, TPass& prompt) {
    if (DisplaySwitch(app.args) || DownSwitch(app.args))
        return true;
    if (app.settings.StartPassSkip || app.settings.Pass.empty())
        return true;
    return AskPassword(nullptr, prompt, platform::ToQString(app.settings.Pass));
}

}  // namespace tkv
