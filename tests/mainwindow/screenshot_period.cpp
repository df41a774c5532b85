// Renders the period totals window over 24 months of sample data for the
// documentation, and with a second argument page 1 of the period list as a
// PDF:
//   period_screenshot docs/screenshots/period-totals.png [period-list.pdf]
#include <QApplication>
#include <QFile>
#include <QTest>

#include "mainwindow/main_fixture.h"
#include "offscreen_platform.h"
#include "platform/fonts.h"
#include "platform/report_engine.h"
#include "reports/period_builders.h"
#include "reports/ui/period_grid.h"
#include "reports/ui/period_list_report.h"
#include "reports/ui/year_total.h"

int main(int argc, char** argv) {
    tkv::test::UseOffscreenPlatform();
    QApplication app(argc, argv);
    tkv::platform::InstallFontSubstitutions();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("period-totals.png");

    tkv::test::MainFixture f({2025, 3, 28, 19, 30, 0}, [](tkv::Settings& s) {
        s.SyukeiMonth = 4;
        s.PrintDate = true;
        s.PrintPage = true;
        s.PrintName = true;
    });
    // Two business years; August and the New Year weeks are short months.
    tkv::YearMonth ym{2023, 4};
    for (int i = 0; i < 24; ++i, ym = tkv::AddMonths(ym, 1)) {
        tkv::test::MonthFigures m;
        const bool shortMonth = ym.month == 8 || ym.month == 1;
        m.syukin = shortMonth ? "13.5" : (i % 5 == 0 ? "21.0" : "19.5");
        m.kyujitu = i % 4 == 0 ? "1.0" : "0.0";
        const int overtime = 600 + (i * 137) % 1500;
        m.zangyo = tkv::MinutesToStr(overtime, 2, true);
        m.shinya = tkv::MinutesToStr((i * 53) % 240, 2, true);
        m.kinmu = tkv::MinutesToStr(9000 + overtime, 2, true);
        m.marks = {"  ", "有", "  ", "前", "  ", "  ", "○", "○"};
        if (i % 6 == 2)
            m.marks.push_back("代");
        if (i == 17)
            m.marks.push_back("欠");
        tkv::WriteFileAtomically(f.monthFile(ym.year, ym.month), tkv::test::MonthFileText(m), 0600);
    }
    f.start();
    tkv::TYearTotal& w = f.windows->yearTotal();
    w.open();
    w.setSpanFields({{2023, 4}, {2025, 3}});
    w.CalcButtonClick();
    w.resize(w.width(), w.heightForRows(24));
    // The last year and the summary rows below it.
    w.grid()->selectGridRow(20);
    w.grid()->scrollToBottom();
    QTest::qWait(100);
    bool saved = w.grab().save(out);
    if (argc > 2) {
        tkv::TYearPrintForm report(
            w.enteredSpan(), [&f](tkv::YearMonth m) { return f.monthFile(m.year, m.month); },
            f.ctx.settings, *f.ctx.clock);
        const QByteArray pdf = tkv::platform::PdfDocument(report.generate(), "period list");
        QFile file(QString::fromLocal8Bit(argv[2]));
        saved = saved && file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size();
    }
    w.close();
    return saved ? 0 : 1;
}
