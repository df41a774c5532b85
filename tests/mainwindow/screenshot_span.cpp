// Renders the main window showing a span of days across the new year, for
// the documentation:
//   span_mode_screenshot docs/screenshots/span-mode.png
#include <initializer_list>
#include <tuple>

#include <QApplication>
#include <QTest>

#include "mainwindow/main_fixture.h"
#include "mainwindow/program.h"
#include "offscreen_platform.h"
#include "reports/ui/toku_syukei_form.h"

namespace {

void fill(tkv::TZangyoMain& w, int year, int month,
          std::initializer_list<std::tuple<int, const char*, const char*>> days) {
    w.showMonth(year, month, true);
    for (const auto& [day, arrival, leaving] : days) {
        w.month().day(day).cell(tkv::DayColumn::Arrival) = arrival;
        w.month().day(day).cell(tkv::DayColumn::Leaving) = leaving;
    }
}

}  // namespace

int main(int argc, char** argv) {
    tkv::test::UseOffscreenPlatform();
    QApplication app(argc, argv);
    tkv::SetUpApplication(app);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("span-mode.png");

    tkv::test::MainFixture f({2025, 1, 10, 19, 30, 0},
                             [](tkv::Settings& s) { s.MokuhyoBasShow = true; });
    tkv::TZangyoMain& w = f.start();
    fill(w, 2024, 12, {{25, " 8:50", "19:40"}, {26, " 8:45", "21:10"}, {27, " 8:55", "18:00"}});
    w.month().day(27).cell(tkv::DayColumn::Memo) = "仕事納め";
    w.saveShownMonth();
    fill(w, 2025, 1,
         {{6, " 8:40", "18:30"},
          {7, " 8:52", "20:05"},
          {8, " 8:47", "19:15"},
          {9, " 8:50", "22:30"}});
    w.month().day(6).cell(tkv::DayColumn::Memo) = "仕事始め";
    w.month().day(10).cell(tkv::DayColumn::Kind) = "有";
    w.saveShownMonth();

    tkv::test::WhenShown<tkv::TTokuSyukeiForm>(w, [](tkv::TTokuSyukeiForm& d) {
        d.setSpan({{2024, 12, 25}, {2025, 1, 10}});
        d.OkButtonClick();
    });
    w.action("TokuSyukeiMenuItem")->trigger();
    w.grid()->selectDay(1, tkv::ColumnNumber(tkv::DayColumn::Arrival));
    QCoreApplication::processEvents();
    const bool saved = w.grab().save(out);
    return saved && w.spanShown() ? 0 : 1;
}
