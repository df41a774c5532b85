// Renders the print preview of a sample month for the documentation, and
// with a second argument the same month list as a PDF:
//   preview_screenshot docs/screenshots/print-preview.png [month-list.pdf]
#include <QApplication>
#include <QFile>
#include <QTest>

#include "mainwindow/main_fixture.h"
#include "offscreen_platform.h"
#include "platform/fonts.h"
#include "platform/report_engine.h"
#include "reports/ui/list_report.h"
#include "reports/ui/preview_form.h"

int main(int argc, char** argv) {
    tkv::test::UseOffscreenPlatform();
    QApplication app(argc, argv);
    tkv::platform::InstallFontSubstitutions();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("print-preview.png");

    tkv::test::MainFixture f({2025, 5, 23, 19, 50, 0}, [](tkv::Settings& s) {
        s.PrintDate = true;
        s.PrintPage = true;
        s.PrintName = true;
    });
    tkv::TZangyoMain& w = f.start();
    tkv::MonthRecord& m = w.month();
    const char* times[][3] = {
        {"1", " 8:52", "19:10"},  {"2", " 8:45", "18:30"},  {"7", " 8:50", "20:15"},
        {"8", " 8:40", "17:05"},  {"9", " 8:55", "21:40"},  {"12", " 8:30", "19:45"},
        {"13", " 9:10", "18:00"}, {"14", " 8:48", "23:20"}, {"16", " 8:50", "17:00"},
        {"19", " 8:45", "19:30"}, {"20", " 8:50", "18:15"}, {"21", " 8:40", "20:05"},
        {"22", " 8:44", "19:00"}, {"23", " 8:51", "20:30"}};
    for (const auto& t : times) {
        tkv::DayRow& d = m.day(std::atoi(t[0]));
        d.cell(tkv::DayColumn::Arrival) = t[1];
        d.cell(tkv::DayColumn::Leaving) = t[2];
    }
    m.day(15).cell(tkv::DayColumn::Kind) = "有";
    m.day(14).cell(tkv::DayColumn::Memo) = "月次締め";
    m.day(9).cell(tkv::DayColumn::Memo) = "リリース対応";
    w.grid()->refresh();
    w.PrintMenuItemClick();
    tkv::TPreviewForm& preview = f.windows->preview();
    preview.resize(900, 1000);
    QTest::qWait(100);
    bool saved = preview.grab().save(out);
    if (argc > 2 && preview.report() != nullptr) {
        const QByteArray pdf =
            tkv::platform::PdfDocument(preview.report()->generate(), "month list");
        QFile file(QString::fromLocal8Bit(argv[2]));
        saved = saved && file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size();
    }
    preview.close();
    m.takeSnapshot();
    return saved ? 0 : 1;
}
