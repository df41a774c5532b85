#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "base/clock.h"
#include "base/paths.h"
#include "base/registry_store.h"
#include "base/test_folder.h"
#include "core/day_kind.h"
#include "mainwindow/app_context.h"
#include "mainwindow/grid/day_string_grid.h"
#include "mainwindow/main_services.h"
#include "mainwindow/program_windows.h"
#include "mainwindow/resident.h"
#include "mainwindow/zangyo_main.h"
#include "platform/fake_tray.h"
#include "platform/message_box.h"
#include "platform/qt_helpers.h"
#include "settings/settings_store.h"

namespace tkv::test {

// The desktop program on a temporary data folder and an in-memory registry,
// with a clock the test sets and keys the test holds down.
struct MainFixture {
    TestFolder folder;
    AppContext ctx;
    FixedClock* clock = nullptr;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    // Programs the resident code started (never really: tests start nothing),
    // and whether such a start succeeds.
    std::vector<CommandLine> launched;
    bool launchSucceeds = true;
    // With useTray, the resident code gets `tray`; otherwise there is no
    // notification area, as on the offscreen platform.
    bool useTray = true;
    FakeTray tray;
    std::vector<int> endings;  // exit codes of Resident::ended
    std::unique_ptr<ProgramWindows> windows;

    // `args`: the program's switches ("/U:taro", "/M", "/Down"), read as the
    // program entry reads them.
    explicit MainFixture(DateTime now, const std::function<void(Settings&)>& tweak = {},
                         std::vector<std::string> args = {}) {
        platform::testing::NeverShowMessages(true);
        ctx.dataDir = folder.path();
        ctx.args = std::move(args);
        ctx.multiUser = MultiUserSwitch(ctx.args);
        ctx.currentUser = ctx.multiUser ? std::string() : UserSwitch(ctx.args);
        ctx.startUser = ctx.currentUser;
        if (!ctx.currentUser.empty())
            std::filesystem::create_directory(folder.file(ctx.currentUser));
        ctx.registry = std::make_unique<IniRegistryStore>();
        ctx.store =
            std::make_unique<SettingsStore>(*ctx.registry, ctx.dataDir, ctx.dataDir, ctx.startUser);
        auto fixed = std::make_unique<FixedClock>(now);
        clock = fixed.get();
        ctx.clock = std::move(fixed);
        ctx.store->LoadSettings(ctx.settings);
        if (tweak)
            tweak(ctx.settings);
    }

    ~MainFixture() {
        if (windows) {
            // Nothing may ask on the way out.
            main().month().takeSnapshot();
            windows.reset();
        }
        platform::testing::ResetMessageHook();
        platform::SetMessagesUnattended(false);
    }

    // Stores the tweaked settings, so the start-user copies (EscKeyMin,
    // ReOpenPassIn, the password) follow them as after a settings save.
    void commitSettings() { ctx.store->SaveSettings(ctx.settings); }

    // Creates the windows, as the program does, without showing them.
    void create() {
        windows = std::make_unique<ProgramWindows>(ctx);
        windows->services().setModifierSource([this] { return modifiers; });
        Resident& r = resident();
        r.setTrayIcon(useTray ? &tray : nullptr);
        r.setProgramFolder("/opt/tokivane/bin");
        r.setLauncher([this](const CommandLine& c) {
            launched.push_back(c);
            return launchSucceeds;
        });
        QObject::connect(&r, &Resident::ended, &r, [this](int code) { endings.push_back(code); });
    }

    // Creates the windows and runs the first show, as the program does.
    TZangyoMain& start() {
        create();
        main().show();
        main().firstShow();
        return main();
    }

    TZangyoMain& main() const { return windows->main(); }
    Resident& resident() const { return windows->resident(); }
    DayStringGrid& grid() const { return *main().grid(); }
    QString field(const char* name) const { return main().findChild<QLineEdit*>(name)->text(); }
    void click(const char* button) const { main().findChild<QPushButton*>(button)->click(); }
    std::string monthFile(int year, int month) const {
        return ctx.paths().monthFile({year, month});
    }
};

// Every ordinary day of the displayed month up to `through` worked from
// `arrival` to `leaving`, as if typed: not yet recalculated.
inline void WorkOrdinaryDays(TZangyoMain& w, const char* arrival, const char* leaving,
                             int through = 31) {
    MonthRecord& m = w.month();
    for (int d = 1; d <= m.rowCount() && d <= through; ++d) {
        DayRow& row = m.day(d);
        if (row.kind() != DayKind::Ordinary)
            continue;
        row.cell(DayColumn::Arrival) = arrival;
        row.cell(DayColumn::Leaving) = leaving;
    }
    w.grid()->refresh();
}

// Runs `act` on the first visible dialog of class `T` once a modal loop has
// started; a dialog that never shows fails the test instead of hanging it.
template <class T>
void WhenShown(QWidget& owner, std::function<void(T&)> act) {
    QTimer::singleShot(0, &owner, [&owner, act] {
        for (T* d : owner.findChildren<T*>()) {
            if (d->isVisible()) {
                act(*d);
                return;
            }
        }
        QFAIL("the dialog did not show");
    });
}

}  // namespace tkv::test
