#pragma once

#include <functional>
#include <memory>

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "base/clock.h"
#include "base/registry_store.h"
#include "base/test_folder.h"
#include "mainwindow/app_context.h"
#include "mainwindow/grid/day_string_grid.h"
#include "mainwindow/main_services.h"
#include "mainwindow/program_windows.h"
#include "mainwindow/zangyo_main.h"
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
    std::unique_ptr<ProgramWindows> windows;

    explicit MainFixture(DateTime now, const std::function<void(Settings&)>& tweak = {}) {
        platform::testing::NeverShowMessages(true);
        ctx.dataDir = folder.path();
        ctx.registry = std::make_unique<IniRegistryStore>();
        ctx.store = std::make_unique<SettingsStore>(*ctx.registry, ctx.dataDir, ctx.dataDir, "");
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
    }

    // Creates the windows and runs the first show, as the program does.
    TZangyoMain& start() {
        windows = std::make_unique<ProgramWindows>(ctx);
        windows->services().setModifierSource([this] { return modifiers; });
        main().show();
        main().firstShow();
        return main();
    }

    TZangyoMain& main() const { return windows->main(); }
    DayStringGrid& grid() const { return *main().grid(); }
    QString field(const char* name) const { return main().findChild<QLineEdit*>(name)->text(); }
    void click(const char* button) const { main().findChild<QPushButton*>(button)->click(); }
    std::string monthFile(int year, int month) const { return ctx.monthPath(year, month); }
};

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
