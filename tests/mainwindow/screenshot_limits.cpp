// Renders the main window with its overtime-agreement meter and the window
// "36協定チェック" opened from its menu, on sample months, for the documentation:
//   limits_screenshot docs/screenshots
// writes kyotei-main-window.png and kyotei-check-window.png there; with a
// second argument, the pay window with its premium line to that file.
#include <QApplication>
#include <QDir>
#include <QTest>

#include "mainwindow/main_fixture.h"
#include "mainwindow/program.h"
#include "mainwindow/t_total.h"
#include "offscreen_platform.h"
#include "reports/ui/overtime_limits_window.h"

using namespace tkv;

int main(int argc, char** argv) {
    test::UseOffscreenPlatform();
    QApplication app(argc, argv);
    SetUpApplication(app);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    test::MainFixture f({2025, 9, 16, 19, 30, 0}, [](Settings& s) {
        s.MokuhyoBasShow = true;
        s.Premium60Rate = 1875;
    });
    TZangyoMain& w = f.start();
    // April to August saved, at paces between two and a half and four hours a day.
    const char* leaving[] = {"19:30", "20:00", "21:00", "19:30", "19:00"};
    for (int i = 0; i < 5; ++i) w.PreButtonClick();
    for (const char* l : leaving) {
        test::WorkOrdinaryDays(w, " 8:30", l);
        w.saveShownMonth();
        w.NextButtonClick();
    }
    test::WorkOrdinaryDays(w, " 8:30", "20:30", 16);
    w.month().day(16).cell(DayColumn::Leaving).clear();
    w.recalculateShown(false);
    w.grid()->selectDay(16, ColumnNumber(DayColumn::Leaving));
    QCoreApplication::processEvents();
    bool ok = w.grab().save(dir.filePath("kyotei-main-window.png"));

    w.action("KyoteiMenuItem")->trigger();
    TKyoteiCheck& check = f.windows->kyoteiCheck();
    QTest::qWait(50);
    ok = check.grab().save(dir.filePath("kyotei-check-window.png")) && ok;
    if (argc > 2) {
        w.saveShownMonth();
        for (int i = 0; i < 3; ++i) w.PreButtonClick();  // June, above 60 hours
        w.action("KingakuMenuItem")->trigger();
        QTest::qWait(50);
        ok = f.windows->total().grab().save(QString::fromLocal8Bit(argv[2])) && ok;
    }
    w.month().takeSnapshot();
    return ok ? 0 : 1;
}
