// Renders the main window on sample data to a PNG for the documentation,
// and with a second name Qt's colour dialog as the program shows it:
//   main_window_screenshot docs/screenshots/main-window.png [colour-dialog.png]
#include <QApplication>
#include <QColorDialog>
#include <QTest>

#include "mainwindow/main_fixture.h"
#include "mainwindow/program.h"
#include "offscreen_platform.h"

int main(int argc, char** argv) {
    tkv::test::UseOffscreenPlatform();
    QApplication app(argc, argv);
    tkv::SetUpApplication(app);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("main-window.png");

    tkv::test::MainFixture f({2025, 5, 23, 19, 50, 0},
                             [](tkv::Settings& s) { s.MokuhyoBasShow = true; });
    tkv::TZangyoMain& w = f.start();
    tkv::MonthRecord& m = w.month();
    const char* times[][3] = {
        {"1", " 8:52", "19:10"},  {"2", " 8:45", "18:30"},  {"7", " 8:50", "20:15"},
        {"8", " 8:40", "17:05"},  {"9", " 8:55", "21:40"},  {"12", " 8:30", "19:45"},
        {"13", " 9:10", "18:00"}, {"14", " 8:48", "23:20"}, {"16", " 8:50", "17:00"},
        {"19", " 8:45", "19:30"}, {"20", " 8:50", "18:15"}, {"21", " 8:40", "20:05"},
        {"22", " 8:44", "19:00"}, {"23", " 8:51", ""}};
    for (const auto& t : times) {
        tkv::DayRow& d = m.day(std::atoi(t[0]));
        d.cell(tkv::DayColumn::Arrival) = t[1];
        d.cell(tkv::DayColumn::Leaving) = t[2];
    }
    m.day(15).cell(tkv::DayColumn::Kind) = "有";
    m.day(14).cell(tkv::DayColumn::Memo) = "月次締め";
    m.day(9).cell(tkv::DayColumn::Memo) = "リリース対応";
    m.day(9).MemoColor = 0x000000C0;
    w.grid()->refresh();
    w.recalculateShown(false);
    w.grid()->selectDay(23, tkv::ColumnNumber(tkv::DayColumn::Leaving));
    QCoreApplication::processEvents();
    bool saved = w.grab().save(out);
    if (argc > 2) {
        QColorDialog colours(QColor(0xc0, 0xe0, 0xff), &w);
        colours.setOption(QColorDialog::DontUseNativeDialog);
        colours.show();
        QCoreApplication::processEvents();
        saved = colours.grab().save(QString::fromLocal8Bit(argv[2])) && saved;
    }
    m.takeSnapshot();
    return saved ? 0 : 1;
}
